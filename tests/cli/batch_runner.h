#pragma once
// Runs the batch command as a user would and keeps what it printed.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace sprig::testing {

struct BatchResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `prefix` may wrap the command, as `timeout` does.
inline BatchResult runBatch(const TempDir& dir, const std::string& arguments, const std::string& prefix = "")
{
    const std::string out = dir.file("stdout.txt");
    const std::string err = dir.file("stderr.txt");
    const std::string command = prefix + " " + SPRIG_BATCH + " " + arguments + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    BatchResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = TempDir::read(out);
    result.err = TempDir::read(err);
    return result;
}

}  // namespace sprig::testing
