#include "CmdAccessible.h"

#include "CmdAccessKey.h"
#include "cmd.h"

namespace
{

QAccessibleInterface *viewOf(const QString &className, QObject *object)
{
    if (className == QLatin1String("cmd") && object->isWidgetType())
        return new CmdAccessible(static_cast<cmd *>(object));
    return nullptr;
}

} // namespace

CmdAccessible::CmdAccessible(cmd *button) : QAccessibleWidget(button, QAccessible::Button) {}

cmd *CmdAccessible::button() const
{
    return static_cast<cmd *>(widget());
}

QString CmdAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return CmdCaptionText(button()->Caption());
    return QAccessibleWidget::text(t);
}

QAccessible::State CmdAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (button()->CheckBoxBehaviour()) {
        state.checkable = true;
        state.checked = button()->Value();
    }
    return state;
}

QStringList CmdAccessible::actionNames() const
{
    return {pressAction()};
}

void CmdAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction())
        return;
    button()->m_lastButton = 1;
    button()->clickButton();
}

void CmdAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(viewOf);
        return true;
    }();
    Q_UNUSED(installed);
}
