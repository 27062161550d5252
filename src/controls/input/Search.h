#pragma once

#include <QFont>

#include "InputField.h"
#include "controls/core/ControlProperties.h"
#include "controls/core/OrvEnums.h"

class QLabel;
class QMouseEvent;

// A search field for a window's lists: a borderless text box with a magnifier at its right
// end, inside a frame. It filters and checks nothing; every event of its box goes to the
// form, which filters its list on Change or on the keys.
class Search : public InputField
{
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE letBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE letForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ Font WRITE letFont NOTIFY FontChanged)
    Q_PROPERTY(short BackStyle READ BackStyle WRITE letBackStyle NOTIFY BackStyleChanged)
    Q_PROPERTY(Orv::BorderStyle BorderStyle READ BorderStyle WRITE letBorderStyle NOTIFY
                   BorderStyleChanged)
    Q_PROPERTY(Orv::Alignment Alignment READ Alignment WRITE letAlignment NOTIFY AlignmentChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE letFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE letFontItalic NOTIFY FontItalicChanged)
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontNameChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE letMaxLength NOTIFY MaxLengthChanged)
    Q_PROPERTY(QString Text READ Text WRITE letText NOTIFY TextChanged)

public:
    explicit Search(QWidget *parent = nullptr);

    quint32 BackColor() const { return innerBackground(); }
    void letBackColor(quint32 value);
    quint32 ForeColor() const { return innerForeground(); }
    void letForeColor(quint32 value);
    void letEnabled(bool value);
    QFont Font() const { return Text1()->font(); }
    void letFont(const QFont &value);
    // Kept and saved; it changes nothing on screen.
    short BackStyle() const { return m_backStyle; }
    void letBackStyle(short value);
    Orv::BorderStyle BorderStyle() const;
    void letBorderStyle(Orv::BorderStyle value);
    Orv::Alignment Alignment() const { return m_alignment; }
    void letAlignment(Orv::Alignment value);
    bool FontBold() const { return Text1()->font().bold(); }
    void letFontBold(bool value);
    bool FontItalic() const { return Text1()->font().italic(); }
    void letFontItalic(bool value);
    void letFontName(const QString &value);
    void letFontSize(float value);
    void letMaxLength(int value);
    void letText(const QString &value);

    Q_INVOKABLE void Refresh();

    // Design-time persistence in the form's property store.
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    QLabel *Image1() const { return m_image1; }
    // The frame element along the control's edges.
    const TextOrvFrame &Shape1() const { return frame(); }

signals:
    void Click();
    void DblClick();
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);

    void BackColorChanged();
    void ForeColorChanged();
    void FontChanged();
    void BackStyleChanged();
    void BorderStyleChanged();
    void AlignmentChanged();
    void FontBoldChanged();
    void FontItalicChanged();

protected:
    bool innerEvent(QEvent &event) override;
    void layoutChildren() override;

private:
    static const ControlProperties<Search> &properties();

    // The font as saved: empty while it is the form's own font, else its description.
    QString savedFont() const;
    void applyFont(const QString &description);
    void storeBackStyle(short value);
    void applyBorderStyle(Orv::BorderStyle value);
    void applyAlignment(Orv::Alignment value);
    void forwardMouse(const QMouseEvent &event,
                      void (Search::*signal)(short &, short &, float &, float &));

    QLabel *m_image1;
    short m_backStyle = 0;
    Orv::Alignment m_alignment = Orv::Alignment::Left;
};
