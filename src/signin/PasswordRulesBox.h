#pragma once

#include <QFrame>

class QLabel;

// The yellow box listing the password rules (Frame9 on the sign-up screen, Frame10 on
// the new-password one). Moving the mouse onto its eye button shows it beside the
// button; moving over the panel's own surface hides it again.
class PasswordRulesBox : public QFrame
{
    Q_OBJECT

public:
    PasswordRulesBox(const QString &name, const QString &headerName, const QString &rulesName,
                     QWidget *eyeButton, QWidget *panel);

    QLabel *header;
    QLabel *rules;

    // The rules text: a line break, then each rule on its own line.
    static QString rulesText();
    static QString headerText();

    // Places the box just right of anchor (in the parent's coordinates) and shows it.
    void showBeside(const QWidget *anchor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_eyeButton;
};
