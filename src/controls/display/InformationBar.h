#pragma once

#include <QString>

#include "controls/core/ControlProperties.h"
#include "controls/core/UserControl.h"

class QLabel;

// A cream strip showing one line of text, centred vertically, with the label's left margin
// repeated on the right. Loading a form always shows the text in Arial 10.
class InformationBar : public UserControl
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE letText NOTIFY TextChanged)

public:
    explicit InformationBar(QWidget *parent = nullptr);

    QString Text() const { return m_text; }
    void letText(const QString &value);

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    QLabel *Label1() const { return m_label1; }

signals:
    void TextChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    static const ControlProperties<InformationBar> &table();

    void applyText(const QString &value);
    // The label's look, saved with the form but never read back.
    QString savedFont() const;
    float savedFontSize() const;
    quint32 savedForeColor() const;
    void ignoreFont(const QString &) {}
    void ignoreFontSize(float) {}
    void ignoreForeColor(quint32) {}
    void showInArial10();
    void centreLabel();

    QLabel *m_label1;
    QString m_text;
};
