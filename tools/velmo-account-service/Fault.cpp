#include "Fault.h"

namespace
{

struct KindName {
    Fault::Kind kind;
    const char *name;
    bool takesAmount;
};

constexpr KindName kindNames[] = {
    {Fault::Kind::None, "none", false},
    {Fault::Kind::Delay, "delay", true},
    {Fault::Kind::Http500Html, "http500-html", false},
    {Fault::Kind::EmptyBody, "empty-body", false},
    {Fault::Kind::DropConnection, "drop-connection", false},
    {Fault::Kind::MalformedJson, "malformed-json", false},
    {Fault::Kind::Oversize, "oversize", true},
    {Fault::Kind::OversizeAnnounced, "oversize-announced", true},
    {Fault::Kind::RefusalEmptyErrors, "refusal-empty-errors", false},
};

} // namespace

std::optional<Fault> Fault::parse(const QString &text)
{
    const QString name = text.section(QLatin1Char(':'), 0, 0).trimmed();
    const QString amount = text.section(QLatin1Char(':'), 1);
    if (name.isEmpty() && amount.isEmpty())
        return Fault{};
    for (const KindName &entry : kindNames) {
        if (name != QLatin1String(entry.name))
            continue;
        if (!entry.takesAmount)
            return amount.isEmpty() && !text.contains(QLatin1Char(':'))
                       ? std::optional<Fault>(Fault{entry.kind, 0})
                       : std::nullopt;
        bool ok = false;
        const qint64 value = amount.trimmed().toLongLong(&ok);
        if (!ok || value < 0)
            return std::nullopt;
        return Fault{entry.kind, value};
    }
    return std::nullopt;
}

QString Fault::toString() const
{
    for (const KindName &entry : kindNames) {
        if (entry.kind == kind)
            return entry.takesAmount ? QStringLiteral("%1:%2").arg(entry.name).arg(amount)
                                     : QString::fromLatin1(entry.name);
    }
    return {};
}
