#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QString>

#include "EditLengthLimit.h"
#include "FramedInput.h"
#include "platform/HostColor.h"

// The base of the input controls made of one inner text box, `Text1`, and a frame element
// drawn on the control's own surface. The form hears the box's keys first (KeyedControl),
// so it can change or cancel a character before the control's own filter sees it; only
// typed characters are filtered, pasted text is not.
// It also holds what the controls that show their focus share: the frame colours on entry,
// on leaving and in error, and the field highlight.
//
// Each control keeps its own property table and getters; the apply functions here are
// what their rows call.
class InputField : public FramedInput
{
    Q_OBJECT

public:
    // The properties of the box that every such control has; each control's own table
    // assigns, saves and announces them.
    QString Text() const { return m_text1->text(); }
    // The box only, whatever the control does with its own state.
    bool Enabled() const { return m_text1->isEnabledTo(this); }
    // 0 when the box takes text of any length.
    int MaxLength() const { return m_maxLength; }
    QString FontName() const { return m_text1->font().family(); }
    float FontSize() const { return float(m_text1->font().pointSizeF()); }

    QLineEdit *Text1() const { return m_text1; }
    // The inner box's background and text colours, in the host's colour convention.
    quint32 innerBackground() const { return m_background; }
    quint32 innerForeground() const { return m_foreground; }

protected:
    static constexpr quint32 windowText = HostColor::systemColourFlag + 8;
    // The colour of the control's surface around the frame: the form's own face.
    static constexpr quint32 buttonFace = HostColor::systemColourFlag + 15;

    InputField(QWidget *parent, const QFont &designFont, int designMaxLength,
               const QString &accessibleName);

    // What a character typed into the box becomes once the form's KeyPress has seen it:
    // the code to carry out, 0 to refuse it. The default takes every character.
    virtual int filterCharacter(int code) { return code; }

    // The looks of a box that shows its focus.
    void showFocusFrame();
    void showIdleFrame();
    void highlightField();
    void unhighlightField();

    QString errorFlag() const { return m_errorFlag; }

    // Assignments that the property tables of the controls share.
    // Text the control writes itself, never cut at MaxLength.
    void applyText(const QString &value);
    void applyInnerEnabled(bool value);
    void applyMaxLength(int value);
    void applyLocked(bool value);
    void applyBackground(quint32 colour);
    void applyForeground(quint32 colour);
    // A non-empty text marks the frame red and becomes the box's tooltip.
    void applyErrorFlag(const QString &value);

    bool keyPressed(QKeyEvent &event, short keyCode) override;
    bool innerEvent(QEvent &event) override;
    void showEvent(QShowEvent *event) override;

signals:
    // The change signals of the box's own properties. Text's is sent by the box for every
    // change: typed, pasted or assigned.
    void TextChanged();
    void EnabledChanged();
    void MaxLengthChanged();
    void FontNameChanged();
    void FontSizeChanged();

private:
    void typeText(const QString &text);
    int typeCharacter(int typed);
    void applyCharacter(int code, const QString &character);
    void setInnerColour(QPalette::ColorRole role, quint32 colour);
    QString labelFromForm() const;

    QLineEdit *m_text1;
    EditLengthLimit *m_lengthLimit;
    QString m_errorFlag;
    int m_maxLength = 0;
    quint32 m_background = HostColor::window;
    quint32 m_foreground = windowText;
};
