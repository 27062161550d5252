#pragma once

#include <QString>

class QWidget;

// The library's message boxes: modal, one OK button, titled with an application name.
namespace ModalMessage
{

enum class Icon { Information, Exclamation, Critical };

// The title of messages that belong to the library rather than to one window.
QString libraryTitle();

// Shows the message and returns when the user has pressed OK.
void show(QWidget *parent, const QString &text, Icon icon, const QString &title);

} // namespace ModalMessage
