#include "ModalMessage.h"

#include <QMessageBox>

namespace ModalMessage
{

QString libraryTitle()
{
    return QStringLiteral("Velmo IT");
}

void show(QWidget *parent, const QString &text, Icon icon, const QString &title)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("ModalMessage"));
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace ModalMessage
