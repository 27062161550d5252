#include "TypedText.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

QStringList typedCharacters(const QString &text)
{
    QStringList result;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        result << text.mid(i, length);
        i += length;
    }
    return result;
}

bool typeInputMethodCommit(QLineEdit &box, const QInputMethodEvent &event,
                           const std::function<void(const QString &)> &type)
{
    if (event.commitString().isEmpty())
        return false;
    if (event.replacementLength() > 0)
        box.setSelection(box.cursorPosition() + event.replacementStart(),
                         event.replacementLength());
    type(event.commitString());
    QInputMethodEvent composing(event.preeditString(), event.attributes());
    QCoreApplication::sendEvent(&box, &composing);
    return true;
}
