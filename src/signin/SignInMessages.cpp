#include "signin/SignInMessages.h"

#include "platform/ModalMessage.h"

void SignInMessages::information(const QString &text) const
{
    ModalMessage::show(m_window, text, ModalMessage::Icon::Information, m_title);
}

void SignInMessages::exclamation(const QString &text) const
{
    ModalMessage::show(m_window, text, ModalMessage::Icon::Exclamation, m_title);
}

void SignInMessages::critical(const QString &text) const
{
    ModalMessage::show(m_window, text, ModalMessage::Icon::Critical, m_title);
}
