#include <QApplication>
#include <QImage>
#include <QTextStream>

#include "TextOrvGallery.h"

// Renders the library's controls offscreen to PNG pictures for the documentation:
//   velmo-gallery <output.png>
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: velmo-gallery <output.png>\n";
        return 2;
    }
    const QImage picture = renderTextOrvStates();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "velmo-gallery: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
