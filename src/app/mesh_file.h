#pragma once
// A mesh file being written, and the job its pass runs under: a file that
// has failed (a full disk) ends the pass at once, as Stop does, rather than
// after the rest of the string.

#include <optional>
#include <string_view>

#include "core/mesh/segment_mesh.h"
#include "platform/job.h"
#include "platform/result.h"

namespace sprig {

class MeshFile : public MeshSink {
public:
    // Why the file could not be made or written, once it could not.
    virtual const std::optional<FileFailure>& failure() const = 0;
    bool failed() const { return failure().has_value(); }
};

// Passes progress and log lines on to the job that runs the export, and
// stops the pass, at the next progress report (every 100 symbols), when
// that job is stopped or the file has failed.
class MeshFileJob final : public Job {
public:
    MeshFileJob(Job& outer, const MeshFile& file) : outer_(outer), file_(file) {}

    void showProgress(ProgressBar bar, int percent) override
    {
        outer_.showProgress(bar, percent);
        if (outer_.stopRequested() || file_.failed()) requestStop();
    }
    void appendLog(std::string_view line) override { outer_.appendLog(line); }

private:
    Job& outer_;
    const MeshFile& file_;
};

}  // namespace sprig
