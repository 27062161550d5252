#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>

#include "FramedInput.h"
#include "OrvInputEnums.h"
#include "TextOrvBox.h"
#include "TextOrvNormaliser.h"
#include "controls/core/ControlProperties.h"
#include "controls/core/OrvEnums.h"

// The library's single-line input. It wraps one text box, `Text1`, inside a frame
// element, filters keystrokes by text type (free text, decimal number, integer, date,
// digit string), normalises the text when the box is left, and reports key and mouse
// events to its form with arguments by reference, delivered synchronously, so that a
// form can change or cancel a key before the filter sees it (KeyedControl).
//
// Properties follow the form code's get/let pairs: `TextType()` reads and
// `letTextType()` assigns. The let prefix keeps QWidget's own setEnabled() as the
// widget-level switch that `Locked` uses.
class TextOrv : public FramedInput
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE letText NOTIFY TextChanged)
    Q_PROPERTY(
        QString PasswordChar READ PasswordChar WRITE letPasswordChar NOTIFY PasswordCharChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE letMaxLength NOTIFY MaxLengthChanged)
    Q_PROPERTY(bool Locked READ Locked WRITE letLocked NOTIFY LockedChanged)
    Q_PROPERTY(bool Border READ Border WRITE letBorder NOTIFY BorderChanged)
    Q_PROPERTY(Orv::Alignment Alignment READ Alignment WRITE letAlignment NOTIFY AlignmentChanged)
    Q_PROPERTY(OrvInput::Appearance Appearance READ Appearance WRITE letAppearance NOTIFY
                   AppearanceChanged)
    Q_PROPERTY(OrvInput::TextType TextType READ TextType WRITE letTextType NOTIFY TextTypeChanged)
    Q_PROPERTY(QString TextLimit READ TextLimit WRITE letTextLimit NOTIFY TextLimitChanged)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE letBorderColor NOTIFY BorderColorChanged)
    Q_PROPERTY(quint32 BorderColorFocus READ BorderColorFocus WRITE letBorderColorFocus NOTIFY
                   BorderColorFocusChanged)
    Q_PROPERTY(OrvInput::Style Style READ Style WRITE letStyle NOTIFY StyleChanged)
    Q_PROPERTY(short DigitAfterDecimal READ DigitAfterDecimal WRITE letDigitAfterDecimal NOTIFY
                   DigitAfterDecimalChanged)
    Q_PROPERTY(OrvInput::TextCase TextCase READ TextCase WRITE letTextCase NOTIFY TextCaseChanged)
    Q_PROPERTY(quint32 FillColor READ FillColor WRITE letFillColor NOTIFY FillColorChanged)
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontNameChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(QString ErrorFlag READ ErrorFlag WRITE letErrorFlag NOTIFY ErrorFlagChanged)

public:
    static constexpr quint32 defaultBorderColor = 12164479;      // RGB(127, 157, 185)
    static constexpr quint32 defaultBorderColorFocus = 15782064; // RGB(176, 208, 240)

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
    bool Border() const { return m_innerBorder; }
    void letBorder(bool value);
    Orv::Alignment Alignment() const { return m_alignment; }
    void letAlignment(Orv::Alignment value);
    OrvInput::Appearance Appearance() const { return m_innerAppearance; }
    void letAppearance(OrvInput::Appearance value);
    QString TextLimit() const { return m_rules.textLimit; }
    void letTextLimit(const QString &value);
    OrvInput::TextType TextType() const { return OrvInput::TextType(m_rules.textType); }
    void letTextType(OrvInput::TextType value);
    // The form code's own integers.
    void letTextType(int value) { letTextType(OrvInput::TextType(value)); }
    short DigitAfterDecimal() const { return short(m_rules.digitAfterDecimal); }
    void letDigitAfterDecimal(short value);
    OrvInput::TextCase TextCase() const { return OrvInput::TextCase(m_rules.textCase); }
    void letTextCase(OrvInput::TextCase value);
    void letTextCase(int value) { letTextCase(OrvInput::TextCase(value)); }
    quint32 BorderColor() const { return m_borderColor; }
    void letBorderColor(quint32 value);
    quint32 BorderColorFocus() const { return m_borderColorFocus; }
    void letBorderColorFocus(quint32 value);
    OrvInput::Style Style() const { return m_style; }
    void letStyle(OrvInput::Style value);
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
    const TextOrvFrame &Shape() const { return frame(); }
    quint32 innerBackground() const { return m_innerBackground; }

    QSize sizeHint() const override;

signals:
    void MouseDown(short &Button, short &Shift, float &X, float &Y);

    void TextChanged();
    void PasswordCharChanged();
    void EnabledChanged();
    void MaxLengthChanged();
    void LockedChanged();
    void BorderChanged();
    void AlignmentChanged();
    void AppearanceChanged();
    void TextTypeChanged();
    void TextLimitChanged();
    void BorderColorChanged();
    void BorderColorFocusChanged();
    void StyleChanged();
    void DigitAfterDecimalChanged();
    void TextCaseChanged();
    void FillColorChanged();
    void FontNameChanged();
    void FontSizeChanged();
    void ErrorFlagChanged();

protected:
    bool keyPressed(QKeyEvent &event, short keyCode) override;
    void keyReleased(short keyCode, short shift) override;
    bool innerEvent(QEvent &event) override;
    void entered() override;
    void left() override;

private:
    // The property table: saved keys, their order and defaults, and the announcements.
    static const ControlProperties<TextOrv> &properties();

    // What an assignment does besides storing, and how a saved value arrives instead.
    void applyText(const QString &value);
    void applyEnabled(bool value);
    void loadEnabled(bool value);
    void applyLocked(bool value);
    void loadLocked(bool value);
    void applyBorder(bool value);
    void applyAppearance(OrvInput::Appearance value);
    void applyTextType(OrvInput::TextType value);
    void loadTextType(OrvInput::TextType value);
    void applyTextLimit(const QString &value);
    void loadTextLimit(const QString &value);
    void applyBorderColor(quint32 value);
    void storeBorderColor(quint32 value);
    void storeBorderColorFocus(quint32 value);
    void applyStyle(OrvInput::Style value);
    void loadStyle(OrvInput::Style value);
    void storeDigitAfterDecimal(short value);
    void storeTextCase(OrvInput::TextCase value);
    void storeFillColor(quint32 value);
    void applyErrorFlag(const QString &value);

    // Every way text enters the box (keys, input methods, pastes) runs through the form's
    // KeyPress and the filter of the text type.
    void typeText(const QString &text);
    int filterTyped(int typed);
    void applyCharacter(int code, const QString &character);
    void insertTyped(const QString &text);
    void pasteAsCtrlV(QClipboard::Mode mode);
    void normalisePaste();
    void showContextMenu(const QContextMenuEvent &event);
    void handleMousePress(QMouseEvent &event);
    void normaliseText(TextOrvNormaliser::Occasion occasion);
    void paintFlat(quint32 surface);
    void recolourFlat(quint32 colour);
    void setInnerLook(OrvInput::Appearance appearance, bool border);
    void setInnerBackground(quint32 colour);
    void setInnerAlignment(Orv::Alignment alignment);
    void setInnerMaxLength(int maxLength);
    void setInnerPasswordChar(const QString &mask);
    void applyInnerColours();

    TextOrvBox *m_text1;
    TextOrvRules m_rules;
    QString m_errorFlag;
    QString m_passwordChar;
    int m_maxLength = 0;
    Orv::Alignment m_alignment = Orv::Alignment::Left;
    OrvInput::Style m_style = OrvInput::Style::Standard;
    bool m_innerBorder = false;
    OrvInput::Appearance m_innerAppearance = OrvInput::Appearance::Flat;
    quint32 m_innerBackground;
    quint32 m_borderColor = defaultBorderColor;
    quint32 m_borderColorFocus = defaultBorderColorFocus;
    quint32 m_fillColor = 0;
};
