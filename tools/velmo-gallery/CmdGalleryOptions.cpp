#include "CmdGalleryOptions.h"

#include <QRegularExpression>

const char cmdGalleryUsage[] =
    "usage: velmo-gallery cmd --type N --state up|hover|down|disabled --size WxH --scheme 1|2|3|4\n"
    "                         [--focus] [--default] [--soft] [--check-on] [--over]"
    " [--no-focus-rect]\n"
    "                         [--back 0xBBGGRR] [--fore 0xBBGGRR] [--back-over 0xBBGGRR]"
    " [--fore-over 0xBBGGRR]\n"
    "                         [--parent 0xBBGGRR] [--caption TEXT] [--effect 0..3]\n"
    "                         [--picture FILE] [--picture-over FILE] [--position 0..4]"
    " [--mask 0xBBGGRR]\n"
    "                         [--greyscale] [--no-mask] --out FILE.png\n"
    "       velmo-gallery cmd --batch FILE   (one render's arguments per line)\n"
    "       velmo-gallery cmd --sheet FILE.png\n";

namespace
{

std::optional<int> integerIn(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<quint32> colour(const QString &text)
{
    bool ok = false;
    const quint32 value = text.toUInt(&ok, 0);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<QSize> size(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize result(match.captured(1).toInt(), match.captured(2).toInt());
    if (result.isEmpty())
        return std::nullopt;
    return result;
}

std::optional<CmdRenderOptions::State> state(const QString &text)
{
    using State = CmdRenderOptions::State;
    if (text == QLatin1String("up"))
        return State::Up;
    if (text == QLatin1String("hover"))
        return State::Hover;
    if (text == QLatin1String("down"))
        return State::Down;
    if (text == QLatin1String("disabled"))
        return State::Disabled;
    return std::nullopt;
}

bool setFlag(CmdRenderOptions &options, const QString &name)
{
    const std::pair<const char *, bool CmdRenderOptions::*> flags[] = {
        {"--focus", &CmdRenderOptions::focus}, {"--default", &CmdRenderOptions::isDefault},
        {"--soft", &CmdRenderOptions::soft},   {"--check-on", &CmdRenderOptions::checkOn},
        {"--over", &CmdRenderOptions::over},   {"--no-focus-rect", &CmdRenderOptions::noFocusRect},
        {"--greyscale", &CmdRenderOptions::greyscale}, {"--no-mask", &CmdRenderOptions::noMask},
    };
    for (const auto &[flag, member] : flags) {
        if (name == QLatin1String(flag)) {
            options.*member = true;
            return true;
        }
    }
    return false;
}

// Stores one option with its value; false when the option is unknown or its value bad.
bool setValue(CmdRenderOptions &options, const QString &name, const QString &value)
{
    const std::pair<const char *, std::optional<quint32> CmdRenderOptions::*> colours[] = {
        {"--back", &CmdRenderOptions::back},          {"--fore", &CmdRenderOptions::fore},
        {"--back-over", &CmdRenderOptions::backOver}, {"--fore-over", &CmdRenderOptions::foreOver},
        {"--parent", &CmdRenderOptions::parent},     {"--mask", &CmdRenderOptions::mask},
    };
    for (const auto &[option, member] : colours) {
        if (name == QLatin1String(option)) {
            options.*member = colour(value);
            return (options.*member).has_value();
        }
    }
    const std::pair<const char *, QString CmdRenderOptions::*> texts[] = {
        {"--caption", &CmdRenderOptions::caption},
        {"--picture", &CmdRenderOptions::picture},
        {"--picture-over", &CmdRenderOptions::pictureOver},
    };
    for (const auto &[option, member] : texts) {
        if (name == QLatin1String(option)) {
            options.*member = value;
            return true;
        }
    }
    if (name == QLatin1String("--out")) {
        options.out = value;
        return !value.isEmpty();
    }
    std::optional<int> number;
    if (name == QLatin1String("--type") && (number = integerIn(value, -1000, 1000)))
        options.type = *number;
    else if (name == QLatin1String("--scheme") && (number = integerIn(value, 1, 4)))
        options.scheme = *number;
    else if (name == QLatin1String("--effect") && (number = integerIn(value, 0, 3)))
        options.effect = *number;
    else if (name == QLatin1String("--position") && (number = integerIn(value, 0, 4)))
        options.position = *number;
    else if (name == QLatin1String("--size") && size(value))
        options.size = *size(value);
    else if (name == QLatin1String("--state") && state(value))
        options.state = *state(value);
    else
        return false;
    return true;
}

} // namespace

std::optional<CmdRenderOptions> parseCmdRenderOptions(const QStringList &arguments, QString &error)
{
    CmdRenderOptions options;
    QStringList given;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &name = arguments[i];
        given += name;
        if (setFlag(options, name))
            continue;
        if (i + 1 == arguments.size()) {
            error = QStringLiteral("%1 needs a value").arg(name);
            return std::nullopt;
        }
        const QString &value = arguments[++i];
        if (!setValue(options, name, value)) {
            error = QStringLiteral("bad argument: %1 %2").arg(name, value);
            return std::nullopt;
        }
    }
    for (const char *required : {"--type", "--state", "--size", "--scheme", "--out"}) {
        if (!given.contains(QLatin1String(required))) {
            error = QStringLiteral("%1 is required").arg(QLatin1String(required));
            return std::nullopt;
        }
    }
    return options;
}

std::optional<CmdGalleryRequest> parseCmdGalleryRequest(const QStringList &arguments,
                                                        QString &error)
{
    CmdGalleryRequest request;
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--batch")) {
        request.kind = CmdGalleryRequest::Kind::Batch;
        request.file = arguments[1];
        return request;
    }
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--sheet")) {
        request.kind = CmdGalleryRequest::Kind::Sheet;
        request.file = arguments[1];
        return request;
    }
    const std::optional<CmdRenderOptions> render = parseCmdRenderOptions(arguments, error);
    if (!render)
        return std::nullopt;
    request.render = *render;
    return request;
}
