#include <QApplication>
#include <QImage>
#include <QTextStream>

#include "CmdGallery.h"
#include "GallerySheet.h"
#include "TextOrvGallery.h"

// Renders the library's controls offscreen to PNG pictures for the documentation:
//   velmo-gallery <output.png>        TextOrv in its looks
//   velmo-gallery cmd ...             the command button (see its usage)
//   velmo-gallery --sheet <out.png>   every control of the library in its states
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool commandButton = argc > 1 && qstrcmp(argv[1], "cmd") == 0;
    // The command button's renders are pixel-exact at one device pixel per pixel.
    if (!commandButton)
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    if (commandButton)
        return runCmdGallery(QApplication::arguments().mid(2));
    const bool sheet = argc == 3 && qstrcmp(argv[1], "--sheet") == 0;
    if (argc != 2 && !sheet) {
        QTextStream(stderr) << "usage: velmo-gallery <output.png>\n"
                               "       velmo-gallery --sheet <output.png>\n"
                               "       velmo-gallery cmd ...\n";
        return 2;
    }
    const QImage picture = sheet ? renderGallerySheet() : renderTextOrvStates();
    const char *output = argv[argc - 1];
    if (!picture.save(QString::fromLocal8Bit(output))) {
        QTextStream(stderr) << "velmo-gallery: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
