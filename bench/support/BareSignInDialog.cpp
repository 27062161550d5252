#include "BareSignInDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <type_traits>

namespace
{

// Places the controls two to a row, as the sign-in panels roughly do.
class ControlGrid
{
public:
    explicit ControlGrid(QFrame *frame) : m_layout(new QGridLayout(frame)) {}

    template <typename Control> void add(int count, const QString &text)
    {
        for (int i = 0; i < count; ++i) {
            auto *control = new Control;
            if constexpr (!std::is_same_v<Control, QLineEdit>)
                control->setText(text.arg(i + 1));
            m_layout->addWidget(control, m_placed / 2, m_placed % 2);
            ++m_placed;
        }
    }

private:
    QGridLayout *m_layout;
    int m_placed = 0;
};

} // namespace

BareSignInDialog::BareSignInDialog(const QList<PanelCensus> &panels, const QSize &size)
{
    setWindowTitle(QStringLiteral("Sign In"));
    resize(size);
    const QRect area = rect().adjusted(8, 8, -8, -8);
    for (const PanelCensus &panel : panels) {
        auto *frame = new QFrame(this);
        frame->setGeometry(area);
        ControlGrid grid(frame);
        grid.add<QLabel>(panel.labels, QStringLiteral("Enter field %1 *"));
        grid.add<QLineEdit>(panel.lineEdits, QString());
        grid.add<QPushButton>(panel.pushButtons, QStringLiteral("BUTTON %1"));
        grid.add<QToolButton>(panel.toolButtons, QStringLiteral("%1"));
        grid.add<QCheckBox>(panel.checkBoxes, QStringLiteral("Option %1"));
        grid.add<QRadioButton>(panel.radioButtons, QStringLiteral("Choice %1"));
        frame->setVisible(panel.visible);
    }
}
