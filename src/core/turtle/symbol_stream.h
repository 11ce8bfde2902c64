#pragma once
// One pass over a string file: opens it, reads its header, then hands every
// symbol to the pass while polling the stop request and reporting progress.

#include <cstdint>
#include <string>

#include "core/lsystem/lsystem.h"
#include "core/turtle/symbol_reader.h"
#include "platform/byte_file.h"
#include "platform/job.h"

namespace sprig {

// Progress of the interpretation bar over one call: at most one report per
// 100 symbols.
class PassProgress {
public:
    PassProgress(Job& job, std::int64_t total) : job_(job), total_(total > 0 ? total : 1) {}

    void tick()
    {
        ++read_;
        if (++sinceReport_ == 100) {
            sinceReport_ = 0;
            report();
        }
    }
    void complete() { job_.showProgress(ProgressBar::Interpretation, 100); }

private:
    void report();

    Job& job_;
    std::int64_t total_;
    std::int64_t read_ = 0;
    int sinceReport_ = 0;
};

class SymbolStream {
public:
    // kDone, or kIoError when the file cannot be opened or its header cannot be read.
    Result open(const std::string& fileName, float defaultAngle);
    // The default turning angle in degrees: the file's, or the default.
    float angle() const { return angle_; }

    // Calls apply(symbol, params) for every symbol until the end of the
    // file; stops at the first result other than kDone, a stop request (kStopped) or
    // an unreadable symbol (kIoError). The file is closed at the end.
    template <class Apply>
    Result run(const Job& job, PassProgress& progress, Apply&& apply)
    {
        const int result = loop(job, progress, apply);
        file_.close();
        return ioResult(result == kDone && file_.failed() ? kIoError : result);
    }

private:
    // A kIoError comes with the file's failure when reading it failed, and is
    // otherwise put down to what the file holds.
    Result ioResult(int code) const
    {
        return code == kIoError ? unreadableString({code, file_.failure()}, fileName_) : Result(code);
    }

    template <class Apply>
    [[nodiscard]] int loop(const Job& job, PassProgress& progress, Apply& apply)
    {
        SymbolParams params;
        int symbol = kEof;
        bool last = false;
        while (!last) {
            if (job.stopRequested()) return kStopped;
            progress.tick();
            if (int result = reader_.next(symbol, params, last)) return result;
            if (int result = apply(symbol, params)) return result;
        }
        return kDone;
    }

    std::string fileName_;
    InFile file_;
    SymbolReader reader_{file_};
    float angle_ = 0.0f;
};

}  // namespace sprig
