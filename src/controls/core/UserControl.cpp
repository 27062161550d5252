#include "UserControl.h"

UserControl::UserControl(QWidget *parent) : QWidget(parent) {}

void UserControl::PropertyChanged(const QString &key)
{
    emit propertyChanged(key);
}
