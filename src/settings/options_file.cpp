#include "settings/options_file.h"

#include "platform/job.h"
#include "platform/text_lines.h"
#include "settings/option_line.h"

namespace sprig {

std::string optionsPathFor(const std::string& definitionPath)
{
    std::string path = definitionPath.substr(0, definitionPath.size() >= 2 ? definitionPath.size() - 2 : 0);
    return path + "op";
}

int ReadOptions(const std::vector<std::string>& definitionLines, const std::vector<std::string>& optionsLines,
                Settings& settings, int& errorRow, Job& job)
{
    settings.hasHomomorphism = false;
    settings.effective = settings.chosen;
    settings.widthDecrement = settings.widthIncrement = 1.0f;
    settings.cameraDistanceGiven = settings.translationXGiven = false;
    settings.translationYGiven = settings.translationZGiven = false;
    job.appendLog("----------");

    for (const std::string& line : definitionLines)
        if (prepareLine(line) == "homomorphism") settings.hasHomomorphism = true;

    for (std::size_t row = 0; row < optionsLines.size(); ++row) {
        const OptionLine line = inspectOptionLine(optionsLines[row]);
        if (!line.problem.empty()) {
            errorRow = static_cast<int>(row + 1);
            return kOptionsSyntaxError;
        }
        if (line.apply) line.apply(settings);
    }
    return 0;
}

}  // namespace sprig
