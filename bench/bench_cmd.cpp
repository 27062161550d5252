#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

#include "controls/display/CmdPictureRender.h"
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
    shown.button->setPointerCheck([](const cmd &) { return true; });
    QApplication::sendEvent(shown.button, &move);
    for (auto _ : state)
        QApplication::sendEvent(shown.button, &move);
}
BENCHMARK(cmdHoverMoveWithoutChange)->Args({75, 23});

// A picture of `size` in four colours, one of them the mask colour.
QImage quarteredPicture(int size)
{
    QImage picture(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            picture.setPixel(x, y, (x + y) % 4 == 0 ? qRgb(0xC0, 0xC0, 0xC0)
                                                    : qRgb(x * 8 % 256, y * 8 % 256, 90));
    return picture;
}

// A hovered 32 x 32 button drawn and shown, without (0) and with (1) a 16 x 16 picture
// and a shadow behind it.
void cmdHoveredPaint(benchmark::State &state)
{
    Shown<cmd> shown(QSize(32, 32));
    if (state.range(0) != 0) {
        shown.button->letPictureNormal(CmdPicture::bitmap(quarteredPicture(16)));
        shown.button->letSpecialEffect(Cmd::SpecialEffect::Shadow);
    }
    shown.button->setPointerCheck([](const cmd &) { return true; });
    QMouseEvent move(QEvent::MouseMove, QPointF(16, 16), QPointF(16, 16), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shown.button, &move);
    for (auto _ : state) {
        shown.button->Redraw(Cmd::DrawState::Up, true);
        shown.button->repaint();
    }
}
BENCHMARK(cmdHoveredPaint)->Arg(0)->Arg(1);

// One picture laid with the mask colour left out, per pixel of the picture.
void drawPicturePerPixel(benchmark::State &state)
{
    const int size = int(state.range(0));
    const QImage picture = quarteredPicture(size);
    QImage surface(size, size, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::gray);
    CmdPictureBlit blit;
    blit.box = QRect(0, 0, size, size);
    blit.transparent = 0xC0C0C0;
    blit.greyscale = state.range(1) != 0;
    for (auto _ : state) {
        DrawPicture(surface, picture, blit);
        benchmark::DoNotOptimize(surface.constBits());
    }
    state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(drawPicturePerPixel)->Args({16, 0})->Args({256, 0})->Args({256, 1});

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
