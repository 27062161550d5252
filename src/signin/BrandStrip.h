#pragma once

#include <QWidget>

// The coloured strip at the left of the login and sign-up panels: the application's
// name and a short promise, painted rather than loaded so a fresh install shows it.
class BrandStrip : public QWidget
{
    Q_OBJECT

public:
    BrandStrip(const QString &name, QWidget *parent = nullptr);

    void setApplicationName(const QString &applicationName);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_applicationName;
};
