#pragma once

#include <QString>

#include "OrvDisplayEnums.h"
#include "controls/core/ControlProperties.h"
#include "controls/core/OrvEnums.h"
#include "controls/core/UserControl.h"

class QLabel;

// A caption whose disabled look is engraved: `Label1` shows the caption, and `Label2`, a
// white copy one pixel right of and below it, shows only while the control is disabled.
// The control can take the size of its text and aligns the text left, right or centred.
//
// Properties follow the form code's get/let pairs; BackColor, BackStyle and ForeColor are
// announced but not saved with the form.
class OrvLabel : public UserControl
{
    Q_OBJECT
    Q_PROPERTY(Orv::Alignment Alignment READ Alignment WRITE letAlignment NOTIFY AlignmentChanged)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE letAutoSize NOTIFY AutoSizeChanged)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE letBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(
        OrvDisplay::BackStyle BackStyle READ BackStyle WRITE letBackStyle NOTIFY BackStyleChanged)
    Q_PROPERTY(Orv::BorderStyle BorderStyle READ BorderStyle WRITE letBorderStyle NOTIFY
                   BorderStyleChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE letCaption NOTIFY CaptionChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE letFontBold NOTIFY FontBoldChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontNameChanged)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE letForeColor NOTIFY ForeColorChanged)

public:
    explicit OrvLabel(QWidget *parent = nullptr);

    Orv::Alignment Alignment() const { return m_alignment; }
    void letAlignment(Orv::Alignment value);
    bool AutoSize() const { return m_autoSize; }
    void letAutoSize(bool value);
    quint32 BackColor() const { return m_backColor; }
    void letBackColor(quint32 value);
    OrvDisplay::BackStyle BackStyle() const { return m_backStyle; }
    void letBackStyle(OrvDisplay::BackStyle value);
    Orv::BorderStyle BorderStyle() const { return m_borderStyle; }
    void letBorderStyle(Orv::BorderStyle value);
    QString Caption() const;
    void letCaption(const QString &value);
    // The control's own switch; a disabled form disables it without changing this.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void letEnabled(bool value);
    bool FontBold() const;
    void letFontBold(bool value);
    float FontSize() const;
    void letFontSize(float value);
    QString FontName() const;
    void letFontName(const QString &value);
    quint32 ForeColor() const { return m_foreColor; }
    void letForeColor(quint32 value);

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    QLabel *Label1() const { return m_label1; }
    QLabel *Label2() const { return m_label2; }

signals:
    void Click();
    // Sent at the end of every resize of the control.
    void Resize();

    void AlignmentChanged();
    void AutoSizeChanged();
    void BackColorChanged();
    void BackStyleChanged();
    void BorderStyleChanged();
    void CaptionChanged();
    void EnabledChanged();
    void FontBoldChanged();
    void FontSizeChanged();
    void FontNameChanged();
    void ForeColorChanged();

protected:
    void changeEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static const ControlProperties<OrvLabel> &table();

    void applyAlignment(Orv::Alignment value);
    void applyAutoSize(bool value);
    void applyBackColor(quint32 value);
    void applyBackStyle(OrvDisplay::BackStyle value);
    void applyBorderStyle(Orv::BorderStyle value);
    void applyCaption(const QString &value);
    void applyEnabled(bool value);
    void applyFontBold(bool value);
    short savedFontBold() const;
    void loadFontBold(short saved);
    void applyFontSize(float value);
    void applyFontName(const QString &value);
    void applyForeColor(quint32 value);
    template <typename Change> void changeFonts(Change change);
    void fitLabels();
    void reposition();
    void layoutLabels();
    void showBackground();
    int onePixel() const;

    // The engraved copy lies under the caption, so it is made first.
    QLabel *m_label2;
    QLabel *m_label1;
    Orv::Alignment m_alignment = Orv::Alignment::Left;
    bool m_autoSize = true;
    quint32 m_backColor;
    // Transparent, so that the engraved copy shows beside the caption.
    OrvDisplay::BackStyle m_backStyle = OrvDisplay::BackStyle::Transparent;
    Orv::BorderStyle m_borderStyle = Orv::BorderStyle::None;
    quint32 m_foreColor = 0;
};
