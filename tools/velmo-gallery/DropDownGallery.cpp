#include "DropDownGallery.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>

#include "controls/display/DropDownButton.h"

namespace
{

constexpr QSize dropDownSize(120, 23);

} // namespace

QImage renderOpenDropDown()
{
    QWidget window;
    window.setAutoFillBackground(true);
    window.resize(dropDownSize);
    auto *button = new DropDownButton(&window);
    button->setGeometry(QRect(QPoint(0, 0), dropDownSize));
    button->letReset(true);
    button->letCaption(QStringLiteral("Sign in"));
    button->AddItem(QStringLiteral("Sign up"));
    button->AddItem(QStringLiteral("Forgot password"));
    window.show();
    QApplication::processEvents();

    // The arrow's click opens the list in a window of its own.
    auto *combo = button->findChild<QComboBox *>();
    combo->showPopup();
    QApplication::processEvents();
    QWidget *list = combo->view()->window();

    const QImage face = button->grab().toImage();
    const QImage open = list->grab().toImage();
    // The list's left edge as placed on screen, its top just under the button.
    const QPoint listAt(list->geometry().left() - button->mapToGlobal(QPoint(0, 0)).x(),
                        face.height());
    const QRect bounds = QRect(QPoint(0, 0), face.size()) | QRect(listAt, open.size());
    QImage picture(bounds.size(), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.drawImage(-bounds.topLeft(), face);
        painter.drawImage(listAt - bounds.topLeft(), open);
    }
    combo->hidePopup();
    return picture;
}
