#include "GallerySheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

#include "GalleryRegistry.h"
#include "GalleryStateImage.h"

QImage renderGallerySheet()
{
    QWidget page;
    QPalette grey = page.palette();
    grey.setColor(QPalette::Window, QColor::fromRgb(galleryFormGrey));
    page.setPalette(grey);
    page.setAutoFillBackground(true);
    auto *grid = new QGridLayout(&page);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);

    QString lastControl;
    int row = 0;
    for (const GalleryState &state : galleryStates()) {
        if (state.control != lastControl) {
            auto *heading = new QLabel(QStringLiteral("<b>%1</b>").arg(state.control), &page);
            grid->addWidget(heading, row, 0);
            lastControl = state.control;
        }
        grid->addWidget(new QLabel(state.name, &page), row, 1);
        // Each state is rendered on its own form, so every focused state shows its focus.
        auto *picture = new QLabel(&page);
        picture->setPixmap(QPixmap::fromImage(renderGalleryState(state)));
        grid->addWidget(picture, row, 2, Qt::AlignLeft);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    page.adjustSize();
    return page.grab().toImage();
}
