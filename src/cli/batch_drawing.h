#pragma once
// Drawing in the batch command: interprets a string file as the step driver
// does, adds the statistics to the log and writes the 2D picture as a .bmp.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/result_messages.h"
#include "cli/drawing_arguments.h"
#include "core/result_codes.h"
#include "core/turtle/interpret_string.h"

namespace sprig {

struct BatchOutcome;
class Job;
struct Settings;

// The message of an exit status that stands for a failed drawing.
std::optional<ResultMessage> drawingFailureMessage(int exitCode);

// The "Statistics" block; the segment and polygon lines only for a drawing.
void appendStatistics(Job& job, std::int64_t lengthKB, std::int64_t symbolCount, const InterpretResult* drawn);

struct ShownString {
    std::string fileName;  // the file to interpret
    std::string lengthFile;  // the file whose length is shown
    bool isTemporary = false;  // a homomorphism file, deleted after drawing
};

class BatchDrawing {
public:
    BatchDrawing(const DrawingArguments& arguments, Job& job);
    ~BatchDrawing();
    BatchDrawing(const BatchDrawing&) = delete;
    BatchDrawing& operator=(const BatchDrawing&) = delete;

    // Counts and interprets the string, logs its statistics and, with a
    // picture path, writes the picture. Returns 0, 20 (stopped), or 100 +
    // the drawing result.
    int show(const ShownString& shown, Settings& settings, const std::string& picturePath);

private:
    int writePicture(const std::string& picturePath, const Settings& settings);
    // Built without OpenGL, no 3D picture can be written: a graphics error.
    int writeScenePicture(const std::string& picturePath, const Settings& settings);

    const DrawingArguments& arguments_;
    Job& job_;
    struct Targets;
    std::unique_ptr<Targets> targets_;
};

// --draw: what opening a saved string in run mode LSDr does.
BatchOutcome drawSavedString(const DrawingArguments& arguments, Job& job);

}  // namespace sprig
