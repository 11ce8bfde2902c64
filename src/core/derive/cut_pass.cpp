#include "core/derive/cut_pass.h"

#include "core/derive/string_file.h"
#include "platform/byte_file.h"
#include "platform/job.h"

namespace sprig {

Result CutBranches(const std::string& from, const std::string& to, const LSystem& system, const Job& job)
{
    InFile in;
    OutFile out;
    if (!in.open(from) || !out.open(to)) return ioError(in, out);
    if (!readHeader(in)) return unreadableString(ioError(in, out), from);
    writeHeader(out, system);
    int depth = 0;
    for (int c = in.get(); c != kEof && c != '\n'; c = in.get()) {
        if (job.stopRequested()) return kStopped;
        if (depth == 0) {
            if (c == '%') depth = 1;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']') {
            --depth;
        }
        if (depth == 0) out.put(static_cast<char>(c));
    }
    return !in.failed() && out.close() ? Result() : ioError(in, out);
}

bool holdsCuts(InFile& in, const Job& job)
{
    for (std::string_view chunk = in.readChunk(); !chunk.empty(); chunk = in.readChunk()) {
        if (job.stopRequested()) return true;
        const std::string_view string = chunk.substr(0, chunk.find('\n'));
        if (string.find('%') != std::string_view::npos) return true;
        if (string.size() < chunk.size()) break;
    }
    return in.failed();
}

}  // namespace sprig
