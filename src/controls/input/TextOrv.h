#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>

#include "TextOrvFrame.h"
#include "TextOrvNormaliser.h"
#include "controls/core/UserControl.h"

class PropertyBag;

// The library's single-line input. It wraps one text box, `Text1`, inside a frame
// element, filters keystrokes by text type (free text, decimal number, integer, date,
// digit string), normalises the text when the box is left, and reports key and mouse
// events to its form with arguments by reference, delivered synchronously, so that a
// form can change or cancel a key before the filter sees it.
//
// Properties follow the form code's get/let pairs: `TextType()` reads and
// `letTextType()` assigns. The let prefix keeps QWidget's own setEnabled() as the
// widget-level switch that `Locked` uses.
class TextOrv : public UserControl
{
    Q_OBJECT

public:
    explicit TextOrv(QWidget *parent = nullptr);

    QString Text() const;
    void letText(const QString &value);
    QString PasswordChar() const { return m_passwordChar; }
    void letPasswordChar(const QString &value);
    bool Enabled() const;
    void letEnabled(bool value);
    int MaxLength() const { return m_maxLength; }
    void letMaxLength(int value);
    bool Locked() const;
    void letLocked(bool value);
    bool Border() const { return m_innerBorder != 0; }
    void letBorder(bool value);
    int Alignment() const { return m_alignment; }
    void letAlignment(int value);
    int Appearance() const { return m_innerAppearance; }
    void letAppearance(int value);
    QString TextLimit() const { return m_rules.textLimit; }
    void letTextLimit(const QString &value);
    int TextType() const { return m_rules.textType; }
    void letTextType(int value);
    short DigitAfterDecimal() const { return short(m_rules.digitAfterDecimal); }
    void letDigitAfterDecimal(short value) { m_rules.digitAfterDecimal = value; }
    int TextCase() const { return m_rules.textCase; }
    void letTextCase(int value) { m_rules.textCase = value; }
    quint32 BorderColor() const { return m_borderColor; }
    void letBorderColor(quint32 value);
    quint32 BorderColorFocus() const { return m_borderColorFocus; }
    void letBorderColorFocus(quint32 value);
    int Style() const { return m_style; }
    void letStyle(int value);
    QString ErrorFlag() const { return m_errorFlag; }
    void letErrorFlag(const QString &value);
    quint32 FillColor() const { return m_fillColor; }
    void letFillColor(quint32 value);
    QString FontName() const;
    void letFontName(const QString &value);
    float FontSize() const;
    void letFontSize(float value);
    qint32 hwnd() const;
    // The text ready to stand between single quotes in an SQL statement.
    QString Values() const;

    // Design-time persistence in the form's property store.
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // The inner box and the frame, for the form's layout code, tests and the gallery.
    QLineEdit *Text1() const { return m_text1; }
    const TextOrvFrame &Shape() const { return m_frame; }
    quint32 innerBackground() const { return m_innerBackground; }

    QSize sizeHint() const override;

signals:
    void KeyPress(short &KeyAscii);
    void KeyDown(short &KeyCode, short &Shift);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void Change();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class TextOrvPersistence;

    // Every way text enters the box (keys, input methods, pastes) runs through the form's
    // KeyPress and the filter of the text type.
    bool handleKeyPress(QKeyEvent &event);
    bool handleInputMethod(QInputMethodEvent &event);
    void typeText(const QString &text);
    int filterTyped(int typed);
    void applyCharacter(int code, const QString &character);
    void insertTyped(const QString &text);
    void pasteAsCtrlV(QClipboard::Mode mode);
    void normalisePaste();
    void showContextMenu(const QContextMenuEvent &event);
    void handleKeyRelease(QKeyEvent &event);
    void handleMousePress(QMouseEvent &event);
    void moveFocusAsTab();
    void enterText1();
    void leaveText1();
    void normaliseText(TextOrvNormaliser::Occasion occasion);
    void layoutChildren();
    void paintFlat(quint32 surface);
    void recolourFlat(quint32 colour);
    void setInnerLook(int appearance, int border);
    void setInnerBackground(quint32 colour);
    void setInnerAlignment(int alignment);
    void setInnerMaxLength(int maxLength);
    void setInnerPasswordChar(const QString &mask);
    void setInnerBold(bool bold);
    void applyInnerStyleSheet();

    QLineEdit *m_text1;
    TextOrvFrame m_frame;
    TextOrvRules m_rules;
    QString m_errorFlag;
    QString m_passwordChar;
    int m_maxLength = 0;
    int m_alignment = 0;
    int m_style = 0;
    int m_innerBorder = 0;
    int m_innerAppearance = 0;
    quint32 m_innerBackground;
    quint32 m_borderColor;
    quint32 m_borderColorFocus;
    quint32 m_fillColor = 0;
    // Whether the focus has entered Text1 and not yet left it; window activation does neither.
    bool m_entered = false;
};
