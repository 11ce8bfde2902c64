#pragma once
// Runs derivation calls on a definition written into a fresh folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file_name.h"
#include "platform/text_lines.h"
#include "settings/settings.h"
#include "support/scripted_random.h"
#include "support/temp_dir.h"
#include "support/test_job.h"

namespace sprig::testing {

class DeriveFixture : public ::testing::Test {
protected:
    void define(const std::string& text)
    {
        lines = splitLines(text);
        path = dir.write("plant.ls", text);
    }

    // Derives step 0 and then `steps` further steps, as that many forward
    // presses would; returns the result of the last call.
    int derive(int steps)
    {
        int result = call(0, false);
        for (int i = 0; result == 0 && i < steps; ++i) result = call(i + 1, false);
        return result;
    }

    int call(int stepsDone, bool homomorphism)
    {
        DeriveRequest request;
        request.definitionLines = &lines;
        request.definitionPath = path;
        request.stepsDone = stepsDone;
        request.stepsToRun = stepsDone == 0 ? 0 : 1;
        request.homomorphism = homomorphism;
        DeriveServices services{job, random, [](int) { return 7u; }};
        return DeriveStrings(request, settings, services, report, created, written).code;
    }

    std::string step(int n, std::string_view ext = kStepExt) const
    {
        return TempDir::read(StringFileName(basePath(path), n, ext));
    }

    TempDir dir;
    std::vector<std::string> lines;
    std::string path;
    Settings settings;
    TestJob job;
    ScriptedRandom random;
    ParseReport report;
    std::vector<std::string> created;
    std::optional<WrittenString> written;
};

}  // namespace sprig::testing
