#pragma once
// The picture the batch command writes of the string it drew last: the 2D
// bitmap at the size asked for, or the 3D scene drawn off-screen.

#include <memory>
#include <string>

#include "cli/drawing_arguments.h"
#include "platform/picture_format.h"
#include "platform/result.h"

namespace sprig {

class Canvas;
class Job;
class SceneRecord;
struct Settings;

class BatchPicture {
public:
    explicit BatchPicture(const DrawingArguments& arguments);
    ~BatchPicture();
    BatchPicture(const BatchPicture&) = delete;
    BatchPicture& operator=(const BatchPicture&) = delete;

    // The 2D bitmap, which the interpretation draws on.
    Canvas& canvas();

    // Writes the picture of the drawing dimension in force as a .bmp or
    // .png file. Returns kDone, kStopped (nothing written), or the drawing
    // result of the failure, with the file failure that explains it.
    Result write(const std::string& path, PictureFormat format, const SceneRecord& scene, const Settings& settings,
                 const Job& job);

private:
    Result writeScene(const std::string& path, PictureFormat format, const SceneRecord& scene, const Settings& settings,
                      const Job& job);

    const DrawingArguments& arguments_;
    struct Bitmap;
    std::unique_ptr<Bitmap> bitmap_;
};

}  // namespace sprig
