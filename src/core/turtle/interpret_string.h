#pragma once
// Interpreting a string file with the turtle: in 2D it measures the
// picture, fits it to the drawable area and draws it onto a canvas; in 3D it
// fills the scene record.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/turtle/scene_record.h"
#include "core/turtle/scene_stream.h"
#include "core/turtle/turtle.h"
#include "platform/canvas.h"
#include "platform/job.h"
#include "platform/result.h"
#include "settings/settings.h"

namespace sprig {

struct InterpretRequest {
    InterpretRequest(Settings& effective, Job& running, std::string file)
        : settings(effective), job(running), fileName(std::move(file))
    {
    }

    // Effective options and dialog settings; when the segment length is not
    // fixed, its text is set back to "1" for the next drawing.
    Settings& settings;
    // Stop request, the interpretation progress bar and the log.
    Job& job;
    std::string fileName;
    // Set only for a file this program wrote for this drawing (a
    // homomorphism file, ".sth"): it is deleted when the call ends, however
    // it ends. Any other file is never deleted.
    bool isTemporary = false;
    // Symbols in the string (its statistics): paces progress and colour effect.
    std::int64_t symbolCount = 0;
    std::uint32_t penColour = colourTable[kStartColourIndex];
    // 2D: the canvas, filled with this colour first when one is given, and
    // the drawable area in pixels that the picture is fitted into.
    Canvas* canvas = nullptr;
    std::optional<std::uint32_t> backgroundColour;
    int areaWidth = 0;
    int areaHeight = 0;
    // 3D: the scene record; in 2D it is emptied when one is given.
    SceneRecord* scene = nullptr;
    // 3D, in place of the record: every segment and polygon handed on as
    // the pass goes, with no cap.
    SceneSink* sceneSink = nullptr;
};

struct InterpretResult {
    // kDone, kOutOfMemory, kIoError, kGraphicsError (nothing to draw on) or kStopped.
    int code = kDone;
    // For kIoError, the file that could not be read and why.
    std::optional<FileFailure> failure;
    std::int64_t segmentTotal = 0;
    std::int64_t polygonTotal = 0;
};

// Runs the measuring pass (2D, unless the picture is both placed at the
// bottom and of fixed segment length) and the drawing pass. A 3D pass that
// completes marks the scene complete unless it filled up, and logs how many
// elements the record had no room for; fitting the camera and repainting are
// left to the caller.
InterpretResult interpretString(const InterpretRequest& request);

// Whether a file is one the interpretation may delete: a homomorphism file.
bool isTemporaryStringFile(const std::string& fileName);

}  // namespace sprig
