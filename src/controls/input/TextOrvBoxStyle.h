#pragma once

#include <QProxyStyle>

// The style of every TextOrv inner box (TextOrvBox): the application's style, but with the
// box's own mask character and no panel, which the box paints itself. One instance serves
// every box, where a style sheet per box costs a parse and a re-polish on every change.
class TextOrvBoxStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // The shared instance, made on first use and owned by the application.
    static TextOrvBoxStyle &shared();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

private:
    explicit TextOrvBoxStyle(QStyle *base);
};
