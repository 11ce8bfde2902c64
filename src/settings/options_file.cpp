#include "settings/options_file.h"

#include <array>
#include <string_view>

#include "platform/fixed_format.h"
#include "platform/job.h"
#include "platform/text_lines.h"

namespace sprig {

std::string optionsPathFor(const std::string& definitionPath)
{
    std::string path = definitionPath.substr(0, definitionPath.size() >= 2 ? definitionPath.size() - 2 : 0);
    return path + "op";
}

namespace {

struct SwitchKey {
    std::string_view key;
    bool OptionValues::*field;
};

constexpr std::array<SwitchKey, 8> kSwitches{{
    {"segment_active_width", &OptionValues::segmentActiveWidth},
    {"width_in_pixels", &OptionValues::widthInPixels},
    {"segment_begin_sphere", &OptionValues::segmentBeginSphere},
    {"segment_end_sphere", &OptionValues::segmentEndSphere},
    {"draw_ground", &OptionValues::drawGround},
    {"interpret_EF", &OptionValues::interpretEF},
    {"differentiate_EF_width", &OptionValues::differentiateEFWidth},
    {"differentiate_EF_color", &OptionValues::differentiateEFColor},
}};

struct NumberKey {
    std::string_view key;
    float Settings::*value;
    bool Settings::*given;  // null where the key has no "given" flag
};

constexpr std::array<NumberKey, 6> kNumbers{{
    {"width_decrement=", &Settings::widthDecrement, nullptr},
    {"width_increment=", &Settings::widthIncrement, nullptr},
    {"distance=", &Settings::cameraDistance, &Settings::cameraDistanceGiven},
    {"translation_x=", &Settings::translationX, &Settings::translationXGiven},
    {"translation_y=", &Settings::translationY, &Settings::translationYGiven},
    {"translation_z=", &Settings::translationZ, &Settings::translationZGiven},
}};

bool applySwitch(const std::string& line, Settings& settings)
{
    for (const SwitchKey& s : kSwitches) {
        const std::string key(s.key);
        if (line == key + "=on" || line == key + "=off") {
            settings.effective.*s.field = line.back() == 'n';
            return true;
        }
    }
    if (line == "draw_dimensions=2" || line == "draw_dimensions=3") {
        settings.effective.drawDimensions = line.back() - '0';
        return true;
    }
    return false;
}

bool applyNumber(const std::string& line, Settings& settings)
{
    for (const NumberKey& n : kNumbers) {
        if (!line.starts_with(n.key)) continue;
        float value = 0.0f;
        if (!readLeadingNumber(std::string_view(line).substr(n.key.size()), value, true)) return false;
        settings.*n.value = value;
        if (n.given) settings.*n.given = true;
        return true;
    }
    return false;
}

bool applyOptionLine(const std::string& line, Settings& settings)
{
    if (line.empty() || line.starts_with("//")) return true;
    return applySwitch(line, settings) || applyNumber(line, settings);
}

}  // namespace

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
        if (!applyOptionLine(prepareLine(optionsLines[row]), settings)) {
            errorRow = static_cast<int>(row + 1);
            return kOptionsSyntaxError;
        }
    }
    return 0;
}

}  // namespace sprig
