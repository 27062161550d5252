#include "signin/PanelWidgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/input/TextOrv.h"
#include "platform/Twips.h"
#include "signin/ActionButton.h"
#include "signin/EyePicture.h"
#include "signin/LinkButton.h"
#include "signin/SignInTheme.h"

namespace PanelWidgets {

QLabel *label(QWidget *parent, const QString &name, const QString &text, LabelRole role)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    result->setAccessibleName(text.trimmed());
    QFont font = result->font();
    switch (role) {
    case LabelRole::Heading:
        font.setPointSizeF(SignInTheme::headingPointSize);
        font.setBold(true);
        break;
    case LabelRole::Body:
        font.setPointSizeF(SignInTheme::bodyPointSize);
        result->setWordWrap(true);
        break;
    case LabelRole::Caption:
        font.setPointSizeF(SignInTheme::captionPointSize);
        break;
    case LabelRole::Link:
        font.setPointSizeF(SignInTheme::captionPointSize);
        font.setUnderline(true);
        result->setCursor(Qt::PointingHandCursor);
        break;
    }
    result->setFont(font);
    return result;
}

TextOrv *input(QWidget *parent, const QString &name, int textType, int maxLength,
               const QString &accessibleName)
{
    auto *result = new TextOrv(parent);
    result->setObjectName(name);
    result->letTextType(textType);
    if (maxLength > 0)
        result->letMaxLength(maxLength);
    // The window's boxes start empty, also the digit boxes, which a new text type fills with 0.
    result->letText(QString());
    result->setAccessibleName(accessibleName);
    result->Text1()->setAccessibleName(accessibleName);
    result->setMinimumHeight(Twips::toPixels(SignInTheme::inputHeight, *result));
    return result;
}

TextOrv *passwordInput(QWidget *parent, const QString &name, const QString &accessibleName)
{
    TextOrv *result = input(parent, name, 0, 30, accessibleName);
    result->letTextCase(3);
    result->letPasswordChar(QStringLiteral("*"));
    return result;
}

QPushButton *actionButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *result = new ActionButton(caption, parent);
    result->setObjectName(name);
    result->setAccessibleName(caption);
    result->setMinimumHeight(Twips::toPixels(SignInTheme::actionButtonHeight, *result));
    result->setCursor(Qt::PointingHandCursor);
    return result;
}

void colourActionButton(QPushButton *button, const QColor &background)
{
    // Every action button is made by actionButton().
    if (auto *action = qobject_cast<ActionButton *>(button))
        action->setColour(background);
}

QPushButton *linkButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *result = new LinkButton(caption, parent);
    result->setObjectName(name);
    result->setAccessibleName(caption);
    result->setCursor(Qt::PointingHandCursor);
    return result;
}

QToolButton *eyeButton(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *result = new QToolButton(parent);
    result->setObjectName(name);
    result->setAccessibleName(accessibleName);
    result->setToolTip(accessibleName);
    result->setAutoRaise(true);
    result->setIcon(EyePicture::builtIn(EyePicture::Masked));
    result->setIconSize(QSize(22, 22));
    result->setCursor(Qt::PointingHandCursor);
    // A click takes the focus, so leaving a password box for the eye button validates it.
    result->setFocusPolicy(Qt::StrongFocus);
    return result;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption)
{
    auto *result = new QCheckBox(caption, parent);
    result->setObjectName(name);
    result->setAccessibleName(caption.isEmpty() ? name : caption);
    return result;
}

QWidget *placeColumn(QWidget *panel, QLayout *form, int leftTwips)
{
    const auto px = [panel](int twips) { return Twips::toPixels(twips, *panel); };
    auto *content = new QWidget(panel);
    content->setObjectName(panel->objectName() + QStringLiteral("Content"));
    content->setLayout(form);
    content->setFixedWidth(px(SignInTheme::narrowFormWidth));
    auto *outer = new QVBoxLayout(panel);
    outer->setContentsMargins(px(leftTwips), px(SignInTheme::narrowFormTop), 0, 0);
    outer->addWidget(content, 0, Qt::AlignLeft | Qt::AlignTop);
    outer->addStretch();
    return content;
}

void pairLabel(QLabel *caption, QWidget *input)
{
    caption->setBuddy(input);
}

} // namespace PanelWidgets
