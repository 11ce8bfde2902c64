// The off-screen half of the window repaint benchmark: a bundled example's
// scene drawn by Mesa in one off-screen context, a frame per request. It
// runs as a process of its own because Mesa's off-screen library and the
// window system's GL cannot both serve the renderer's calls in one program.
//
//   offscreen_frames NAME STEP WIDTH HEIGHT
//
// prints "ready ELEMENTS" once the scene is recorded, then reads lines
// "AZIMUTH ELEVATION DISTANCE" and answers each with the seconds its frame
// took, read back into memory as the batch command's pictures are.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "example_scene.h"
#include "views/offscreen/offscreen_picture.h"

int main(int argc, char** argv)
{
    using namespace sprig;
    if (argc != 5) return 64;
    auto example = std::make_unique<ExampleScene>();
    if (!recordExampleScene(argv[1], std::atoi(argv[2]), *example)) return 2;
    const auto offscreen = OffscreenPicture::create(std::atoi(argv[3]), std::atoi(argv[4]));
    if (!offscreen) return 3;
    std::printf("ready %d\n", example->scene.elementCount());
    std::fflush(stdout);
    CameraState& camera = example->view.camera;
    RgbImage picture;
    double distance = 0.0;
    while (std::scanf("%f %f %lf", &camera.azimuth, &camera.elevation, &distance) == 3) {
        camera.distance = distance;
        const auto start = std::chrono::steady_clock::now();
        offscreen->paint(example->view, example->scene, example->settings.effective, 0u, picture);
        std::printf("%.6f\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::fflush(stdout);
    }
    return 0;
}
