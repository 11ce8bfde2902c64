#include "core/derive/derive_strings.h"

#include <new>

#include "core/derive/cut_pass.h"
#include "core/derive/rewriting_pass.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "core/lsystem/definition_parser.h"
#include "platform/byte_file.h"
#include "platform/job.h"
#include "platform/random_source.h"

namespace sprig {

namespace {

// The cut file lives only for its step, whatever ends the step.
struct RemovedOnExit {
    const std::string& path;
    ~RemovedOnExit() { removeFile(path); }
};

class Derivation {
public:
    Derivation(const DeriveRequest& request, const LSystem& system, DeriveServices& services,
               std::vector<std::string>& createdFiles, std::optional<WrittenString>& written)
        : request_(request), system_(system), services_(services), createdFiles_(createdFiles), written_(written),
          base_(basePath(request.definitionPath))
    {
    }

    Result writeStepZero();
    Result rewriteStep(int step);
    Result homomorphismOf(int step);

private:
    bool openUncut(const std::string& input, const std::string& output, InFile& in, OutFile& out);
    Result rewrite(const std::string& input, const std::string& output, InFile& in, OutFile& out);
    void log(const std::string& line) { services_.job.appendLog(line); }

    const DeriveRequest& request_;
    const LSystem& system_;
    DeriveServices& services_;
    std::vector<std::string>& createdFiles_;
    std::optional<WrittenString>& written_;
    std::string base_;
};

Result Derivation::writeStepZero()
{
    const std::string name = StringFileName(base_, 0, kStepExt);
    if (Result result = WriteAxiomFile(system_, name); result.failed()) return result;
    createdFiles_.push_back(name);
    log("Step 0");
    log("String rewriting");
    log("Output file: " + name);
    return kDone;
}

// Writes the output file whole or not at all: a pass that fails or is
// stopped leaves no partial string under the output's name.
// A failure that no file operation explains lies in what the input holds.
Result Derivation::rewrite(const std::string& input, const std::string& output, InFile& in, OutFile& out)
{
    written_.reset();
    if (!readHeader(in)) return unreadableString(ioError(in, out), input);
    writeHeader(out, system_);
    RewritingPass pass(system_, services_.random, services_.job);
    const int result = pass.run(in, out, request_.symbolCount);
    if (result == kDone && !out.close()) return ioError(in, out);
    if (result == kIoError) return unreadableString(ioError(in, out), input);
    const std::optional<std::int64_t> symbols = pass.symbolsWritten();
    if (result == kDone && symbols) written_ = WrittenString{output, {*symbols, system_.parametric}};
    return result;
}

// A string without "%" is its own cut, so the step file is read in place
// of a cut file. Whatever else happens, or fails, here sends the step the
// way of the cut file, which meets any failure where it always did.
bool Derivation::openUncut(const std::string& input, const std::string& output, InFile& in, OutFile& out)
{
    const bool uncut =
        in.open(input) && readHeader(in) && !holdsCuts(in, services_.job) && in.seek(0) && out.open(output);
    if (!uncut) in.close();
    return uncut;
}

Result Derivation::rewriteStep(int step)
{
    const std::string input = StringFileName(base_, step, kStepExt);
    const std::string cut = StringFileName(base_, step, kCutExt);
    const std::string output = StringFileName(base_, step + 1, kStepExt);
    InFile in;
    OutFile out;
    const bool uncut = openUncut(input, output, in, out);
    const RemovedOnExit cutFile{cut};
    if (!uncut) {
        if (Result result = CutBranches(input, cut, system_, services_.job); result.failed()) return result;
    }
    log("Step " + std::to_string(step + 1));
    log("String rewriting");
    log("Input file: " + input);
    log("Output file: " + output);
    if (!uncut && (!in.open(cut) || !out.open(output))) return ioError(in, out);
    Result result = rewrite(input, output, in, out);
    if (result == kDone) createdFiles_.push_back(output);
    return result;
}

Result Derivation::homomorphismOf(int step)
{
    const std::string input = StringFileName(base_, step, kStepExt);
    const std::string output = StringFileName(base_, step, kHomomorphismExt);
    log("Homomorhism");
    log("Input file: " + input);
    InFile in;
    OutFile out;
    if (!in.open(input)) return ioError(in, out);
    log("Output file: " + output);
    if (!out.open(output)) return ioError(in, out);
    // The file to draw of a pass that failed is no file to draw.
    Result result = rewrite(input, output, in, out);
    if (result != kDone) removeFile(output);
    return result;
}

Result derive(const DeriveRequest& request, const Settings& settings, DeriveServices& services, ParseReport& report,
              std::vector<std::string>& createdFiles, std::optional<WrittenString>& written)
{
    Job& job = services.job;
    job.showProgress(ProgressBar::Rewriting, 0);
    LSystem system;
    const ParseMode mode = request.homomorphism ? ParseMode::Homomorphism : ParseMode::Rules;
    if (const int parsed = ParseLSystem(*request.definitionLines, mode, settings, services.random, system, report);
        parsed != kDone)
        return explained(parsed, request.definitionPath, "a line cannot be read");
    job.showProgress(ProgressBar::Rewriting, 50);
    Derivation derivation(request, system, services, createdFiles, written);
    if (request.stepsDone == 0 && !request.homomorphism) {
        if (Result result = derivation.writeStepZero(); result.failed()) return result;
    }
    const int first = std::max(request.stepsDone - 1, 0);
    const int count = request.homomorphism ? std::max(request.stepsToRun, 1) : request.stepsToRun;
    services.random.seed(services.seedFor(first));
    for (int step = first; step < first + count; ++step) {
        Result result = request.homomorphism ? derivation.homomorphismOf(step) : derivation.rewriteStep(step);
        if (result.failed()) return result;
    }
    job.showProgress(ProgressBar::Rewriting, 100);
    return kDone;
}

}  // namespace

Result DeriveStrings(const DeriveRequest& request, const Settings& settings, DeriveServices& services,
                     ParseReport& report, std::vector<std::string>& createdFiles, std::optional<WrittenString>& written)
{
    written.reset();
    try {
        return derive(request, settings, services, report, createdFiles, written);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

}  // namespace sprig
