#include "CmdAccessKey.h"

namespace
{

// The lower-case character after position `at`, or none when it is missing or an `&`.
QChar keyAfter(const QString &caption, qsizetype at)
{
    if (at < 0 || at + 1 >= caption.size() || caption[at + 1] == u'&')
        return {};
    return caption[at + 1].toLower();
}

} // namespace

QChar CmdAccessKey(const QString &caption)
{
    if (caption.size() < 2)
        return {};
    const qsizetype first = caption.indexOf(u'&');
    if (first < 0 || first + 1 >= caption.size())
        return {};
    if (caption[first + 1] != u'&')
        return caption[first + 1].toLower();
    return keyAfter(caption, caption.indexOf(u'&', first + 2));
}

QString CmdCaptionText(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            text += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == u'&')
            text += caption[++i];
    }
    return text;
}
