#pragma once
// A folder of the fuzz run's own for the files each input is written to.

#include <stdlib.h>

#include <string>

inline const std::string& workDir()
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/sprig-fuzz-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}
