// Repainting the 3D window after a camera press, beside drawing the same
// frame off-screen: a bundled example's scene in the real 3D window (its
// OpenGL surface composed by the window system; run under a virtual X
// display), each press timed until the new frame is swapped, alternating
// with frames of the same scene and camera drawn by Mesa off-screen in a
// helper process at the view's size. Reported as median milliseconds and
// the window's median as a multiple of the off-screen one.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "example_scene.h"
#include "ui/picture_3d_view.h"
#include "ui/picture_window.h"
#include "views/camera_moves.h"

namespace {

using namespace sprig;

constexpr int kFrames = 15;
constexpr int kAnswerMs = 60000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The 3D window as the program makes it, showing the example's scene.
struct SceneWindow {
    ExampleScene example;
    std::uint32_t background = 0;
    PictureWindow window{kPicture3dLook,
                         new Picture3dView(SceneSource{example.view, example.scene, example.settings, background})};

    Picture3dView& view() { return *static_cast<Picture3dView*>(window.centralWidget()); }

    // Runs the press and waits until the frame it asked for is swapped.
    double repaintSeconds(const std::function<void()>& press)
    {
        QEventLoop loop;
        QObject::connect(&view(), &QOpenGLWidget::frameSwapped, &loop, &QEventLoop::quit);
        QTimer::singleShot(kAnswerMs, &loop, &QEventLoop::quit);
        const auto start = std::chrono::steady_clock::now();
        press();
        loop.exec();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    // A press of the camera window's "Vľavo", as the program handles it.
    void pressLeft()
    {
        CameraEdits edits;
        pressCameraButton(CameraButton::Left, edits, example.view.camera, 3, true);
        view().update();
    }
};

// The helper process's frame with the window's camera, in seconds.
double offscreenSeconds(QProcess& frames, const CameraState& camera)
{
    const std::string request = std::to_string(camera.azimuth) + " " + std::to_string(camera.elevation) + " " +
                                std::to_string(camera.distance) + "\n";
    frames.write(request.c_str());
    if (!frames.waitForReadyRead(kAnswerMs)) return 0.0;
    return std::stod(frames.readLine().toStdString());
}

void repaintAfterPress(benchmark::State& state, const char* name, int step)
{
    auto scene = std::make_unique<SceneWindow>();
    if (!recordExampleScene(name, step, scene->example)) return state.SkipWithError("example not recorded");
    scene->window.show();
    scene->repaintSeconds([&] { scene->view().update(); });
    const double ratio = scene->view().devicePixelRatioF();
    QProcess frames;
    frames.start(OFFSCREEN_FRAMES, {name, QString::number(step), QString::number(scene->view().width() * ratio),
                                    QString::number(scene->view().height() * ratio)});
    if (!frames.waitForReadyRead(kAnswerMs) || !frames.readLine().startsWith("ready"))
        return state.SkipWithError("no off-screen frames");
    // One frame of each first: it compiles Mesa's shaders.
    offscreenSeconds(frames, scene->example.view.camera);
    std::vector<double> window, offscreen;
    for (auto _ : state) {
        for (int i = 0; i < kFrames; ++i) {
            window.push_back(scene->repaintSeconds([&] { scene->pressLeft(); }));
            offscreen.push_back(offscreenSeconds(frames, scene->example.view.camera));
        }
    }
    frames.closeWriteChannel();
    frames.waitForFinished(kAnswerMs);
    const std::string figure = std::string(name) + "_step" + std::to_string(step);
    const double windowMs = median(window) * 1e3;
    const double offscreenMs = median(offscreen) * 1e3;
    std::printf("window_repaint_%s median: %.2f ms\n", figure.c_str(), windowMs);
    std::printf("offscreen_frame_%s median: %.2f ms\n", figure.c_str(), offscreenMs);
    std::printf("window_over_offscreen_%s ratio: %.2f x\n", figure.c_str(), windowMs / offscreenMs);
    std::printf("window_repaint_%s elements: %d\n", figure.c_str(), scene->example.scene.elementCount());
    std::fflush(stdout);
}

void BM_RepaintLeafyBush(benchmark::State& state) { repaintAfterPress(state, "leafy_bush", 7); }
void BM_RepaintPlant3d(benchmark::State& state) { repaintAfterPress(state, "plant_3d", 5); }

BENCHMARK(BM_RepaintLeafyBush)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintPlant3d)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
