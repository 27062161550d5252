#include "signin/SignInMessages.h"

#include <QCoreApplication>

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

QString SignInMessages::timeOutText()
{
    return QCoreApplication::translate("FrmSignUp",
                                       "Time out occured. Please try after some time.");
}
