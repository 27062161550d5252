#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QInputMethodEvent;
class QLineEdit;

// The characters of a typed or committed text one by one, a surrogate pair kept together.
QStringList typedCharacters(const QString &text);

// What an input method commits (dead keys, composed characters) goes through `type` as typed
// text, replacing what the commit replaces; what it is still composing goes to the box as it
// came. Answers false, doing nothing, for an event that commits nothing.
bool typeInputMethodCommit(QLineEdit &box, const QInputMethodEvent &event,
                           const std::function<void(const QString &)> &type);
