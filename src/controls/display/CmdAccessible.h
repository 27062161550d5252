#pragma once

#include <QAccessibleWidget>

class cmd;

// How assistive tools see a `cmd`: a push button, checkable when it toggles, named by
// its caption, which the press action clicks.
class CmdAccessible : public QAccessibleWidget
{
public:
    explicit CmdAccessible(cmd *button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Makes assistive tools use this view for every `cmd`.
    static void install();

private:
    cmd *button() const;
};
