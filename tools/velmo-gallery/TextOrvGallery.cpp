#include "TextOrvGallery.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

#include "controls/input/TextOrv.h"
#include "platform/PropertyBag.h"

namespace
{

// A control as a form loads it from its saved properties.
TextOrv *loadedControl(QWidget *parent, const QString &text, int style)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Text"), text);
    bag.WriteProperty(QStringLiteral("Style"), style);
    auto *control = new TextOrv(parent);
    control->ReadProperties(bag);
    control->setFixedSize(180, 24);
    return control;
}

} // namespace

QImage renderTextOrvStates()
{
    QWidget window;
    window.setObjectName(QStringLiteral("Gallery"));
    window.setStyleSheet(QStringLiteral("#Gallery { background: white; }"));
    auto *grid = new QGridLayout(&window);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);

    TextOrv *standard = loadedControl(&window, QStringLiteral("Standard style"), 0);
    TextOrv *flat = loadedControl(&window, QStringLiteral("Flat style"), 1);
    TextOrv *focused = loadedControl(&window, QStringLiteral("Focused, text selected"), 1);
    TextOrv *error = loadedControl(&window, QStringLiteral("98765"), 0);
    error->letTextType(4);
    error->letErrorFlag(QStringLiteral("Enter a ten-digit mobile number"));
    TextOrv *locked = loadedControl(&window, QStringLiteral("Locked: read only"), 0);
    locked->letLocked(true);
    TextOrv *disabled = loadedControl(&window, QStringLiteral("Disabled"), 1);
    disabled->letEnabled(false);

    const QList<QPair<QString, TextOrv *>> rows = {
        {QStringLiteral("standard"), standard}, {QStringLiteral("flat"), flat},
        {QStringLiteral("focused"), focused},   {QStringLiteral("error"), error},
        {QStringLiteral("locked"), locked},     {QStringLiteral("disabled"), disabled},
    };
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(new QLabel(rows[row].first, &window), row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }

    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    focused->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    return window.grab().toImage();
}
