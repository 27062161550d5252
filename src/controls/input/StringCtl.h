#pragma once

#include "InputField.h"
#include "controls/core/ControlProperties.h"

// A text input for names and descriptions that end up between single quotes in SQL: a
// typed apostrophe is refused (a pasted one stays), Enter moves on as Tab does, and the
// words are capitalised when the box is left. It highlights itself while it has the focus
// and can be marked as in error.
class StringCtl : public InputField
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE letText NOTIFY TextChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE letMaxLength NOTIFY MaxLengthChanged)
    Q_PROPERTY(bool MultiLine READ MultiLine)
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontNameChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE letFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool Locked READ Locked WRITE letLocked NOTIFY LockedChanged)
    Q_PROPERTY(QString ErrorFlag READ ErrorFlag WRITE letErrorFlag NOTIFY ErrorFlagChanged)

public:
    explicit StringCtl(QWidget *parent = nullptr);

    void letText(const QString &value);
    void letEnabled(bool value);
    void letMaxLength(int value);
    // The box is a single line by design.
    bool MultiLine() const { return false; }
    qint32 hwnd() const { return qint32(Text1()->winId()); }
    void letFontName(const QString &value);
    void letFontSize(float value);
    bool FontBold() const { return Text1()->font().bold(); }
    void letFontBold(bool value);
    bool Locked() const { return Text1()->isReadOnly(); }
    void letLocked(bool value);
    QString ErrorFlag() const { return errorFlag(); }
    void letErrorFlag(const QString &value);

    // Design-time persistence in the form's property store.
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // The frame element around the box.
    const TextOrvFrame &Shape() const { return frame(); }

signals:
    void FontBoldChanged();
    void LockedChanged();
    void ErrorFlagChanged();

protected:
    int filterCharacter(int code) override;
    void entered() override;
    void left() override;

private:
    static const ControlProperties<StringCtl> &properties();
};
