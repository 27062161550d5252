#pragma once

#include <QString>

class QCheckBox;
class QColor;
class QLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;
class TextOrv;

// Makers of the controls the sign-in panels share, so every panel names, styles and
// labels its controls the same way. Each control gets its name as objectName.
namespace PanelWidgets {

enum class LabelRole { Heading, Body, Caption, Link };

QLabel *label(QWidget *parent, const QString &name, const QString &text,
              LabelRole role = LabelRole::Caption);

// A TextOrv input; accessibleName is the caption of the label beside it.
TextOrv *input(QWidget *parent, const QString &name, int textType, int maxLength,
               const QString &accessibleName);
// A password input: typed as is (text case 3), masked with "*", at most 30 characters.
TextOrv *passwordInput(QWidget *parent, const QString &name, const QString &accessibleName);

// The button that starts a panel's main action, in the plain look it has until the
// window's start-up colours it.
QPushButton *actionButton(QWidget *parent, const QString &name, const QString &caption);
void colourActionButton(QPushButton *button, const QColor &background);
// A button drawn as a link, for moving between panels.
QPushButton *linkButton(QWidget *parent, const QString &name, const QString &caption);
// The picture button beside a password input.
QToolButton *eyeButton(QWidget *parent, const QString &name, const QString &accessibleName);

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption);

// Places a narrow screen's form in a fixed-width column leftTwips from the panel's left. The
// panel may be wider than the window (the layout pass sizes it from the sign-up panel),
// so the column sits at a fixed place that is centred within the window's width.
// Answers the column's widget.
QWidget *placeColumn(QWidget *panel, QLayout *form, int leftTwips);

// A caption label bound to its input (buddy) so the access key and screen readers work.
void pairLabel(QLabel *caption, QWidget *input);

} // namespace PanelWidgets
