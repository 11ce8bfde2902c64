#pragma once
// A folder of the fuzz run's own for the files each input is written to.

#include <stdlib.h>

#include <cstdio>
#include <string>
#include <string_view>

inline const std::string& workDir()
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/sprig-fuzz-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}

// Writes bytes as the file name in the work folder; returns its path.
inline std::string writeWorkFile(const std::string& name, std::string_view bytes)
{
    const std::string path = workDir() + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}
