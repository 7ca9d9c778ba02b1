// The skin file format: an INI-style text with the sections [Skin], [Colors], [Frame],
// [Buttons] and [Background] (docs/skin-format.md).
#include "core/skin/SkinFile.h"

#include "core/config/ProgramLocation.h"
#include "core/text/Cp1252.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace karusello {

namespace {

enum class Section { None, Unknown, Skin, Colors, Frame, Buttons, Background };

constexpr int MaxFrameWidth = 16;
constexpr int MaxButtonRadius = 12;

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r';
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string AsUtf8(std::string_view bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom) {
        bytes.remove_prefix(bom.size());
    }
    return utf8::IsValid(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

std::optional<SkinColor> ParseColor(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    unsigned value = 0;
    const char* first = text.data() + 1;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value, 16);
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return SkinColor{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                     static_cast<std::uint8_t>(value)};
}

std::optional<int> ParseNumber(std::string_view text, int low, int high) {
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc{} || end != last || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ParseFlag(std::string_view text) {
    const std::string lower = Lower(text);
    if (lower == "yes" || lower == "true" || lower == "1") {
        return true;
    }
    if (lower == "no" || lower == "false" || lower == "0") {
        return false;
    }
    return std::nullopt;
}

// The image must lie beside the skin file: a bare file name, no folder part.
bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

template <typename T> void SetIf(T& target, const std::optional<T>& value) {
    if (value) {
        target = *value;
    }
}

class SkinParser {
public:
    explicit SkinParser(std::string folder) : folder_(std::move(folder)) {}

    void Line(std::string_view line);
    SkinSettings Result() const { return settings_; }

private:
    void Header(std::string_view name);
    void Value(const std::string& key, std::string_view value);
    void SkinValue(const std::string& key, std::string_view value);
    void ColorValue(const std::string& key, std::string_view value);
    void ButtonValue(const std::string& key, std::string_view value);
    void BackgroundValue(const std::string& key, std::string_view value);

    std::string folder_;
    SkinSettings settings_;
    Section section_ = Section::None;
};

void SkinParser::Line(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') {
        return;
    }
    if (line.front() == '[' && line.back() == ']') {
        Header(Trim(line.substr(1, line.size() - 2)));
        return;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    Value(Lower(Trim(line.substr(0, equals))), Trim(line.substr(equals + 1)));
}

void SkinParser::Header(std::string_view name) {
    const std::string lower = Lower(name);
    section_ = lower == "skin"         ? Section::Skin
               : lower == "colors"     ? Section::Colors
               : lower == "frame"      ? Section::Frame
               : lower == "buttons"    ? Section::Buttons
               : lower == "background" ? Section::Background
                                       : Section::Unknown;
    if (section_ != Section::Unknown) {
        settings_.recognised = true;
    }
}

void SkinParser::Value(const std::string& key, std::string_view value) {
    switch (section_) {
    case Section::Skin:
        SkinValue(key, value);
        break;
    case Section::Colors:
        ColorValue(key, value);
        break;
    case Section::Frame:
        if (key == "width") {
            SetIf(settings_.frameWidth, ParseNumber(value, 0, MaxFrameWidth));
        }
        break;
    case Section::Buttons:
        ButtonValue(key, value);
        break;
    case Section::Background:
        BackgroundValue(key, value);
        break;
    case Section::None:
    case Section::Unknown:
        break;
    }
}

void SkinParser::SkinValue(const std::string& key, std::string_view value) {
    if (key == "name") {
        settings_.m_bstrName = value;
    } else if (key == "author") {
        settings_.m_bstrAuthor = value;
    } else if (key == "description") {
        settings_.m_bstrDescription = value;
    } else if (key == "application") {
        settings_.m_bstrApplication = value;
    } else if (key == "tag") {
        settings_.m_bstrTag = value;
    } else if (key == "skinclientarea") {
        SetIf(settings_.m_bSkinClientArea, ParseFlag(value));
    }
}

void SkinParser::ColorValue(const std::string& key, std::string_view value) {
    const std::optional<SkinColor> color = ParseColor(value);
    if (key == "clientarea") {
        SetIf(settings_.m_BackColor, color);
    } else if (key == "text") {
        SetIf(settings_.m_ForeColor, color);
    } else if (key == "panel") {
        SetIf(settings_.m_PanelColor, color);
    } else if (key == "paneltext") {
        SetIf(settings_.m_PanelTextColor, color);
    } else if (key == "frame") {
        SetIf(settings_.frameColor, color);
    }
}

void SkinParser::ButtonValue(const std::string& key, std::string_view value) {
    if (key == "style") {
        const std::string lower = Lower(value);
        if (lower == "flat") {
            settings_.buttonStyle = ButtonStyle::Flat;
        } else if (lower == "raised") {
            settings_.buttonStyle = ButtonStyle::Raised;
        }
    } else if (key == "border") {
        if (const auto color = ParseColor(value)) {
            settings_.buttonBorder = *color;
            settings_.hasButtonBorder = true;
        }
    } else if (key == "radius") {
        SetIf(settings_.buttonRadius, ParseNumber(value, 0, MaxButtonRadius));
    }
}

void SkinParser::BackgroundValue(const std::string& key, std::string_view value) {
    if (key == "image" && IsPlainFileName(value)) {
        settings_.backgroundImage = JoinPath(folder_, value);
    } else if (key == "mode") {
        const std::string lower = Lower(value);
        if (lower == "tile") {
            settings_.backgroundMode = BackgroundMode::Tile;
        } else if (lower == "stretch") {
            settings_.backgroundMode = BackgroundMode::Stretch;
        }
    }
}

} // namespace

SkinSettings ParseSkin(std::string_view bytes, const std::string& folder) {
    const std::string text = AsUtf8(bytes);
    SkinParser parser(folder);
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        parser.Line(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return parser.Result();
}

} // namespace karusello
