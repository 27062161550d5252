#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

#include "controls/display/cmd.h"

namespace
{

// Each button stands alone in its own shown window, so a repaint is the button's
// own drawing and its copy to the window's backing store.
template <typename Button> struct Shown {
    explicit Shown(QSize size)
    {
        window.resize(size);
        button = new Button(&window);
        button->setGeometry(QRect(QPoint(0, 0), size));
        window.show();
        QApplication::processEvents();
    }
    QWidget window;
    Button *button;
};

QSize sizeOf(const benchmark::State &state)
{
    return QSize(int(state.range(0)), int(state.range(1)));
}

// The full drawing of the look and its copy to the screen.
void cmdRepaint(benchmark::State &state)
{
    Shown<cmd> shown(sizeOf(state));
    shown.button->letCaption(QStringLiteral("&Apply"));
    for (auto _ : state) {
        shown.button->Redraw(Cmd::DrawState::Up, true);
        shown.button->repaint();
    }
}
BENCHMARK(cmdRepaint)->Args({75, 23})->Args({200, 60});

void pushButtonRepaint(benchmark::State &state)
{
    Shown<QPushButton> shown(sizeOf(state));
    shown.button->setText(QStringLiteral("&Apply"));
    for (auto _ : state)
        shown.button->repaint();
}
BENCHMARK(pushButtonRepaint)->Args({75, 23})->Args({200, 60});

// A press and a release as the space key makes them: two state changes, each drawn
// and shown.
void cmdStateChange(benchmark::State &state)
{
    Shown<cmd> shown(sizeOf(state));
    shown.button->letCaption(QStringLiteral("&Apply"));
    for (auto _ : state) {
        shown.button->Redraw(Cmd::DrawState::Down, false);
        shown.button->repaint();
        shown.button->Redraw(Cmd::DrawState::Up, false);
        shown.button->repaint();
    }
}
BENCHMARK(cmdStateChange)->Args({75, 23})->Args({200, 60});

// A pointer move over a button already hovered: no drawing at all.
void cmdHoverMoveWithoutChange(benchmark::State &state)
{
    Shown<cmd> shown(sizeOf(state));
    const QPointF centre(state.range(0) / 2, state.range(1) / 2);
    QMouseEvent move(QEvent::MouseMove, centre, centre, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shown.button, &move);
    for (auto _ : state)
        QApplication::sendEvent(shown.button, &move);
}
BENCHMARK(cmdHoverMoveWithoutChange)->Args({75, 23});

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
