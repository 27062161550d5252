#pragma once

#include "InputField.h"
#include "controls/core/ControlProperties.h"

// A small input for non-negative whole numbers: only digits and Backspace can be typed,
// Enter moves on as Tab does, a box left empty shows 0 and a lone 0 is cleared on entry.
// It highlights itself while it has the focus and can be marked as in error.
class NumInt : public InputField
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE letText NOTIFY TextChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QString ToolTipText READ ToolTipText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE letMaxLength NOTIFY MaxLengthChanged)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE letBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(bool Locked READ Locked WRITE letLocked NOTIFY LockedChanged)
    Q_PROPERTY(QString ErrorFlag READ ErrorFlag WRITE letErrorFlag NOTIFY ErrorFlagChanged)
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontNameChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontSizeChanged)

public:
    explicit NumInt(QWidget *parent = nullptr);

    void letText(const QString &value);
    void letEnabled(bool value);
    QString ToolTipText() const { return Text1()->toolTip(); }
    void letMaxLength(int value);
    quint32 BackColor() const { return innerBackground(); }
    void letBackColor(quint32 value);
    bool Locked() const { return Text1()->isReadOnly(); }
    void letLocked(bool value);
    QString ErrorFlag() const { return errorFlag(); }
    void letErrorFlag(const QString &value);
    void letFontName(const QString &value);
    void letFontSize(float value);

    // Design-time persistence in the form's property store.
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // The frame element around the box.
    const TextOrvFrame &Shape() const { return frame(); }

signals:
    void BackColorChanged();
    void LockedChanged();
    void ErrorFlagChanged();

protected:
    int filterCharacter(int code) override;
    void entered() override;
    void left() override;

private:
    static const ControlProperties<NumInt> &properties();

    void applyEnabled(bool value);
    void loadMaxLength(int value);
};
