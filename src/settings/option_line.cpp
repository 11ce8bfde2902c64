#include "settings/option_line.h"

#include <array>

#include "platform/fixed_format.h"
#include "platform/text_lines.h"

namespace sprig {

namespace {

struct SwitchKey {
    std::string_view key;
    bool OptionValues::*field;
};

constexpr std::array<SwitchKey, 8> kSwitches{{
    {"segment_active_width=", &OptionValues::segmentActiveWidth},
    {"width_in_pixels=", &OptionValues::widthInPixels},
    {"segment_begin_sphere=", &OptionValues::segmentBeginSphere},
    {"segment_end_sphere=", &OptionValues::segmentEndSphere},
    {"draw_ground=", &OptionValues::drawGround},
    {"interpret_EF=", &OptionValues::interpretEF},
    {"differentiate_EF_width=", &OptionValues::differentiateEFWidth},
    {"differentiate_EF_color=", &OptionValues::differentiateEFColor},
}};

constexpr std::string_view kDimensionKey = "draw_dimensions=";

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

class LineInspector {
public:
    explicit LineInspector(std::string_view written) : writtenSize_(written.size()), line_(withoutSpaces(written)) {}

    OptionLine inspect()
    {
        const std::string_view text = line_.text;
        if (text.starts_with("//")) part(OptionPart::Comment, 0, text.size());
        else if (!text.empty() && !readSwitch(text) && !readDimension(text) && !readNumber(text)) {
            part(OptionPart::Error, 0, text.size());
            result_.problem = "unknown key";
        }
        // The reader looks at the first kMaxLineLength characters only.
        if (writtenSize_ > kMaxLineLength)
            result_.parts.push_back({OptionPart::Ignored, kMaxLineLength, writtenSize_ - kMaxLineLength});
        return std::move(result_);
    }

private:
    void part(OptionPart kind, std::size_t from, std::size_t to) { addPart(result_.parts, line_, kind, from, to); }

    // Key and value when the value is one of the key's choices; else the
    // value is marked and the problem names the choices.
    bool keyWithChoice(std::string_view text, std::string_view key, bool accepted, const char* choices)
    {
        // With no value at all, the key itself is marked.
        const std::size_t valueStart = key.size() < text.size() ? key.size() : 0;
        part(OptionPart::Key, 0, valueStart);
        part(accepted ? OptionPart::Value : OptionPart::Error, valueStart, text.size());
        if (!accepted) result_.problem = std::string(choices) + " expected after " + std::string(key);
        return true;
    }

    bool readSwitch(std::string_view text)
    {
        for (const SwitchKey& s : kSwitches) {
            if (!text.starts_with(s.key)) continue;
            const std::string_view value = text.substr(s.key.size());
            const bool accepted = value == "on" || value == "off";
            if (accepted)
                result_.apply = [field = s.field, on = value == "on"](Settings& settings) {
                    settings.effective.*field = on;
                };
            return keyWithChoice(text, s.key, accepted, "on or off");
        }
        return false;
    }

    bool readDimension(std::string_view text)
    {
        if (!text.starts_with(kDimensionKey)) return false;
        const std::string_view value = text.substr(kDimensionKey.size());
        const bool accepted = value == "2" || value == "3";
        if (accepted)
            result_.apply = [dimensions = value[0] - '0'](Settings& settings) {
                settings.effective.drawDimensions = dimensions;
            };
        return keyWithChoice(text, kDimensionKey, accepted, "2 or 3");
    }

    bool readNumber(std::string_view text)
    {
        for (const NumberKey& n : kNumbers) {
            if (!text.starts_with(n.key)) continue;
            float value = 0.0f;
            if (!readLeadingNumber(text.substr(n.key.size()), value, true))
                return keyWithChoice(text, n.key, false, "a number");
            const std::size_t end = n.key.size() + leadingNumberLength(text.substr(n.key.size()), true);
            part(OptionPart::Key, 0, n.key.size());
            part(OptionPart::Value, n.key.size(), end);
            part(OptionPart::Ignored, end, text.size());
            result_.apply = [n, value](Settings& settings) {
                settings.*n.value = value;
                if (n.given) settings.*n.given = true;
            };
            return true;
        }
        return false;
    }

    std::size_t writtenSize_;
    SpacelessLine line_;
    OptionLine result_;
};

}  // namespace

OptionLine inspectOptionLine(std::string_view written) { return LineInspector(written).inspect(); }

}  // namespace sprig
