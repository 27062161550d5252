#pragma once

#include <QImage>

#include "controls/core/ControlProperties.h"
#include "controls/core/UserControl.h"

class QLabel;
class QPainter;

// A bar showing where `Value` lies between `Min` and `Max`, with the percentage printed
// in the middle, drawn into the picture `picStatus` one pixel inside a light-blue frame.
// A value outside the range, or a range turned inside out, is refused with a message and
// changes nothing. Colour changes show from the next update of the bar.
class OrvProgress : public UserControl
{
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE letValue NOTIFY ValueChanged)
    Q_PROPERTY(double Min READ Min WRITE letMin NOTIFY MinChanged)
    Q_PROPERTY(double Max READ Max WRITE letMax NOTIFY MaxChanged)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE letBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE letForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(quint32 OutColor READ OutColor WRITE letOutColor NOTIFY OutColorChanged)

public:
    explicit OrvProgress(QWidget *parent = nullptr);

    double Value() const { return m_value; }
    void letValue(double value);
    double Min() const { return m_min; }
    void letMin(double value);
    double Max() const { return m_max; }
    void letMax(double value);
    quint32 BackColor() const { return m_backColor; }
    void letBackColor(quint32 value);
    quint32 ForeColor() const { return m_foreColor; }
    void letForeColor(quint32 value);
    quint32 OutColor() const { return m_outColor; }
    void letOutColor(quint32 value);

    // The bar's shading, for the form's own drawings: from the colour (red, green, blue) at
    // y1 to OutColor at y2, or the other way round with `reverse`.
    void DrawGradient(QPainter &target, short red, short green, short blue, bool reverse, int x1,
                      int y1, int x2, int y2) const;

    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // What picStatus shows.
    const QImage &picture() const { return m_picture; }
    QLabel *picStatus() const { return m_picStatus; }

signals:
    void ValueChanged();
    void MinChanged();
    void MaxChanged();
    void BackColorChanged();
    void ForeColorChanged();
    void OutColorChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static const ControlProperties<OrvProgress> &table();

    // False, after telling the user, when the write would break the range.
    bool accepts(bool inRange);
    void applyValue(double value);
    template <auto Field>
    void store(std::remove_cvref_t<decltype(std::declval<OrvProgress &>().*Field)> value)
    {
        this->*Field = value;
    }
    void UpdateBar();

    QLabel *m_picStatus;
    QImage m_picture;
    double m_value = 0;
    double m_min = 0;
    double m_max = 100;
    quint32 m_backColor = 0xFFFFFF;
    quint32 m_foreColor = 0x00FF00;
    quint32 m_outColor = 0x008000;
};
