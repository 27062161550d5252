#include "signin/PasswordRulesBox.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "signin/SignInTheme.h"

PasswordRulesBox::PasswordRulesBox(const QString &name, const QString &headerName,
                                   const QString &rulesName, QWidget *eyeButton, QWidget *panel)
    : QFrame(panel), m_eyeButton(eyeButton)
{
    setObjectName(name);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, SignInTheme::rulesBackground);
    setPalette(colours);

    header = new QLabel(this);
    header->setObjectName(headerName);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    rules = new QLabel(this);
    rules->setObjectName(rulesName);
    rules->setAutoFillBackground(true);
    rules->setPalette(colours);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 12, 4);
    column->setSpacing(0);
    column->addWidget(header);
    column->addWidget(rules);
    hide();
    eyeButton->installEventFilter(this);
    panel->installEventFilter(this);
}

QString PasswordRulesBox::headerText()
{
    return tr("   Password Must Have") + QStringLiteral("\r\n");
}

QString PasswordRulesBox::rulesText()
{
    const QString lineBreak = QStringLiteral("\r\n");
    return lineBreak + tr("   * atleast 1 number") + lineBreak +
           tr("   * atleast 1 Uppercase Character") + lineBreak +
           tr("   * atleast 1 Lowercase Character") + lineBreak +
           tr("   * atleast 1 Special Character") + lineBreak +
           tr("   * atleast 8 Characters minimum") + lineBreak;
}

void PasswordRulesBox::showBeside(const QWidget *anchor)
{
    adjustSize();
    const QPoint topRight = anchor->mapTo(parentWidget(), QPoint(anchor->width() + 4, 0));
    const int top = qMax(0, qMin(topRight.y() - height() / 2, parentWidget()->height() - height()));
    const int left = qMin(topRight.x(), parentWidget()->width() - width());
    move(left, top);
    raise();
    show();
}

bool PasswordRulesBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter && watched == m_eyeButton)
        showBeside(m_eyeButton);
    else if (event->type() == QEvent::MouseMove && watched == parentWidget())
        hide();
    return QFrame::eventFilter(watched, event);
}
