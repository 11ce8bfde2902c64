#include "views/fit_view.h"

#include <algorithm>

namespace sprig {

namespace {

struct Box {
    Vec3 min;
    Vec3 max;

    void extend(const Vec3& p)
    {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
};

// The turtle's start point, then every element's start point.
Box startPointBox(const SceneRecord& scene)
{
    Box box;
    for (int i = 0; i < scene.elementCount(); ++i) box.extend(scene.element(i).start);
    return box;
}

float centreOrGiven(bool given, float value, float min, float max) { return given ? value : (max + min) * 0.5f; }

void placeTranslation(CameraState& camera, const Box& box, const Settings& settings)
{
    if (settings.placeAtBottom) {
        camera.translationX = camera.translationY = camera.translationZ = 0.0f;
        return;
    }
    camera.translationX = centreOrGiven(settings.translationXGiven, settings.translationX, box.min.x, box.max.x);
    camera.translationY = centreOrGiven(settings.translationYGiven, settings.translationY, box.min.y, box.max.y);
    camera.translationZ = centreOrGiven(settings.translationZGiven, settings.translationZ, box.min.z, box.max.z);
}

}  // namespace

void fitCamera(CameraState& camera, const SceneRecord& scene, const Settings& settings)
{
    const Box box = startPointBox(scene);
    const float ex = box.max.x - box.min.x;
    const float ey = box.max.y - box.min.y;
    const float ez = box.max.z - box.min.z;
    float largest = ex;
    if (ey > largest) largest = ey;
    if (ez > largest) largest = ez;
    if (largest == 0.0f) largest = 1.0f;

    placeTranslation(camera, box, settings);
    camera.groundHalfSize = std::max({ex * 0.5f, ey * 0.5f, ez * 0.5f});
    if (!settings.fixedSegmentLength) camera.distance = static_cast<double>(largest) * 2.5;
    if (settings.cameraDistanceGiven) camera.distance = static_cast<double>(settings.cameraDistance);
}

void fitView(SceneView& view, const SceneRecord& scene, const Settings& settings)
{
    fitCamera(view.camera, scene, settings);
    view.cylinders.build(scene, settings.effective.segmentActiveWidth);
    view.sceneReady.store(true, std::memory_order_release);
}

}  // namespace sprig
