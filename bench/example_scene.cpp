#include "example_scene.h"

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "core/derive/derive_strings.h"
#include "core/derive/string_file_name.h"
#include "core/turtle/interpret_string.h"
#include "platform/job.h"
#include "platform/random_source.h"
#include "platform/result_codes.h"
#include "platform/text_lines.h"
#include "settings/options_file.h"
#include "views/fit_view.h"

namespace sprig {

namespace {

bool deriveAndRecord(const std::string& folder, const std::string& name, int step, ExampleScene& example)
{
    const std::string source = std::string(SPRIG_EXAMPLES_DIR) + "/" + name;
    std::vector<std::string> lines, optionLines, created;
    SilentJob job;
    int errorRow = 0;
    if (readTextLines(source + ".ls", lines).failed() || readTextLines(source + ".op", optionLines).failed() ||
        ReadOptions(lines, optionLines, example.settings, errorRow, job) != kDone)
        return false;
    const DeriveRequest request{&lines, folder + "/" + name + ".ls", 0, step};
    LcgRandom random;
    DeriveServices services{job, random, [](int) { return 1u; }};
    ParseReport report;
    std::optional<WrittenString> written;
    if (DeriveStrings(request, example.settings, services, report, created, written) != kDone) return false;
    InterpretRequest drawing(example.settings, job, StringFileName(basePath(request.definitionPath), step, kStepExt));
    drawing.scene = &example.scene;
    if (interpretString(drawing).code != kDone) return false;
    fitView(example.view, example.scene, example.settings);
    return true;
}

}  // namespace

bool recordExampleScene(const std::string& name, int step, ExampleScene& example)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "sprig-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return false;
    const bool recorded = deriveAndRecord(pattern, name, step, example);
    std::error_code ec;
    std::filesystem::remove_all(pattern, ec);
    return recorded;
}

}  // namespace sprig
