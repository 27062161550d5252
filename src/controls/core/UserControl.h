#pragma once

#include <QString>
#include <QWidget>

// The base of the library's custom controls: a widget that tells the form holding
// it which design-time property changed, so the form's designer saves it.
class UserControl : public QWidget
{
    Q_OBJECT

public:
    explicit UserControl(QWidget *parent = nullptr);

signals:
    // Sent synchronously after every property assignment that must be saved.
    void propertyChanged(const QString &key);

protected:
    void PropertyChanged(const QString &key);

private:
    // The property engine announces the assignments that it makes.
    template <typename Control>
    friend class ControlProperties;
};
