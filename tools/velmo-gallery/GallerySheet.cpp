#include "GallerySheet.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

#include "GalleryRegistry.h"

QImage renderGallerySheet()
{
    QWidget page;
    page.setObjectName(QStringLiteral("Sheet"));
    page.setStyleSheet(QStringLiteral("#Sheet { background: #ececec; }"));
    auto *grid = new QGridLayout(&page);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);

    QWidget *focused = nullptr;
    QString lastControl;
    int row = 0;
    for (const GalleryState &state : galleryStates()) {
        if (state.control != lastControl) {
            auto *heading = new QLabel(QStringLiteral("<b>%1</b>").arg(state.control), &page);
            grid->addWidget(heading, row, 0);
            lastControl = state.control;
        }
        grid->addWidget(new QLabel(state.name, &page), row, 1);
        // Each control sits in a holder of its own size, so a layout does not resize it.
        auto *holder = new QWidget(&page);
        QWidget *control = state.setUp(holder);
        holder->setFixedSize(control->size());
        grid->addWidget(holder, row, 2, Qt::AlignLeft);
        if (state.focused)
            focused = control;
        ++row;
    }
    grid->setColumnStretch(3, 1);

    page.show();
    page.activateWindow();
    QApplication::setActiveWindow(&page);
    if (focused)
        focused->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    return page.grab().toImage();
}
