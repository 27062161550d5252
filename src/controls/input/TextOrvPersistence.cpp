#include "TextOrvPersistence.h"

#include "TextOrv.h"
#include "TextOrvLimit.h"
#include "platform/HostColor.h"
#include "platform/PropertyBag.h"

namespace
{

constexpr quint32 lockedBackground = HostColor::rgb(245, 245, 245);
constexpr float defaultFontSize = 8;

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

quint32 readColour(const PropertyBag &bag, const char *name, quint32 defaultValue)
{
    return quint32(bag.ReadProperty(key(name), qint32(defaultValue)).toInt());
}

} // namespace

void TextOrvPersistence::init(TextOrv &control)
{
    control.m_rules.textType = 0;
    control.m_rules.textLimit = TextOrvLimit::defaultLimit;
    control.layoutChildren();
    control.m_borderColor = defaultBorderColor;
    control.m_borderColorFocus = defaultBorderColorFocus;
    control.m_fillColor = 0;
}

void TextOrvPersistence::read(TextOrv &control, const PropertyBag &bag)
{
    QLineEdit &text1 = *control.m_text1;
    text1.setText(bag.ReadProperty(key("Text"), QString()).toString());
    control.setInnerPasswordChar(bag.ReadProperty(key("PasswordChar"), QString()).toString());
    text1.setEnabled(bag.ReadProperty(key("Enabled"), true).toBool());
    control.setInnerMaxLength(bag.ReadProperty(key("MaxLength"), 0).toInt());
    text1.setReadOnly(bag.ReadProperty(key("Locked"), false).toBool());
    control.setInnerAlignment(bag.ReadProperty(key("Alignment"), short(0)).toInt());
    control.m_rules.textType = bag.ReadProperty(key("TTYPE"), 0).toInt();
    control.m_rules.textLimit =
        bag.ReadProperty(key("TLimit"), TextOrvLimit::defaultLimit).toString();
    control.setEnabled(text1.isEnabledTo(&control));
    control.m_borderColor = readColour(bag, "BorderColor", defaultBorderColor);
    control.m_borderColorFocus = readColour(bag, "BorderColorOver", defaultBorderColorFocus);
    control.m_style = bag.ReadProperty(key("Style"), 0).toInt();
    if (control.m_style != 0) {
        control.layoutChildren();
        control.paintFlat(HostColor::rgb(255, 255, 255));
    } else {
        control.setInnerBackground(text1.isReadOnly() ? lockedBackground : HostColor::window);
    }
    // The inner box's border and look are settings of its own design: a saved "Border"
    // or "Appearance" does not reach it, and a standard control comes back with its
    // designed single, three-dimensional border.
    if (control.m_style == 0)
        control.setInnerLook(1, 1);
    control.m_rules.digitAfterDecimal =
        bag.ReadProperty(key("DigitAfterDecimal"), short(2)).toInt();
    control.m_rules.textCase = bag.ReadProperty(key("TextCase"), 2).toInt();
    control.m_fillColor = readColour(bag, "FillColor", 0);
    QFont font = text1.font();
    font.setFamily(bag.ReadProperty(key("FontName"), key("Arial")).toString());
    const float size = bag.ReadProperty(key("FontSize"), defaultFontSize).toFloat();
    if (size > 0)
        font.setPointSizeF(size);
    text1.setFont(font);
}

void TextOrvPersistence::write(const TextOrv &control, PropertyBag &bag)
{
    const QLineEdit &text1 = *control.m_text1;
    bag.WriteProperty(key("Text"), text1.text(), QString());
    bag.WriteProperty(key("PasswordChar"), control.m_passwordChar, QString());
    bag.WriteProperty(key("Enabled"), text1.isEnabledTo(&control), true);
    bag.WriteProperty(key("MaxLength"), control.m_maxLength, 0);
    bag.WriteProperty(key("Locked"), text1.isReadOnly(), false);
    bag.WriteProperty(key("Border"), short(control.m_innerBorder), short(1));
    bag.WriteProperty(key("Alignment"), short(control.m_alignment), short(0));
    bag.WriteProperty(key("Appearance"), short(control.m_innerAppearance), short(1));
    bag.WriteProperty(key("TTYPE"), control.m_rules.textType);
    bag.WriteProperty(key("TLimit"), control.m_rules.textLimit);
    bag.WriteProperty(key("BorderColor"), qint32(control.m_borderColor),
                      qint32(defaultBorderColor));
    bag.WriteProperty(key("BorderColorOver"), qint32(control.m_borderColorFocus),
                      qint32(defaultBorderColorFocus));
    bag.WriteProperty(key("Style"), control.m_style, 0);
    bag.WriteProperty(key("DigitAfterDecimal"), short(control.m_rules.digitAfterDecimal), short(2));
    bag.WriteProperty(key("TextCase"), control.m_rules.textCase, 2);
    bag.WriteProperty(key("FillColor"), qint32(control.m_fillColor), qint32(0));
    bag.WriteProperty(key("FontName"), text1.font().family(), key("Arial"));
    bag.WriteProperty(key("FontSize"), float(text1.font().pointSizeF()), defaultFontSize);
}
