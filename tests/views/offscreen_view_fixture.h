#pragma once
// A 200 x 200 off-screen view, 10 units from the scene, looking along -x
// with the world's y to the right and z up (the start-up angles).

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/gl/osmesa_context.h"
#include "views/scene_renderer.h"

namespace sprig::testing {

constexpr int kViewSize = 200;

class OffscreenViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        context_ = OsMesaContext::create(kViewSize, kViewSize);
        ASSERT_NE(context_, nullptr);
        renderer_.initialise();
        renderer_.resize(kViewSize, kViewSize);
        view_.camera.distance = 10.0;
    }

    // The cylinder table as fitView builds it, with the camera left as set.
    void makeReady()
    {
        view_.cylinders.build(scene_, options_.segmentActiveWidth);
        view_.sceneReady = true;
    }

    RgbImage paint(std::uint32_t background = 0)
    {
        EXPECT_EQ(renderer_.paint(view_, scene_, options_, background), Painted::kPicture);
        context_->swapBuffers();
        return context_->readPixels();
    }

    std::unique_ptr<OsMesaContext> context_;
    SceneRenderer renderer_;
    SceneView view_;
    SceneRecord scene_;
    OptionValues options_;
};

}  // namespace sprig::testing
