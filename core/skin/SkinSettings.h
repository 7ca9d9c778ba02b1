#pragma once

#include <cstdint>
#include <string>

namespace karusello {

struct SkinColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const SkinColor&, const SkinColor&) = default;
};

enum class ButtonStyle { Raised, Flat };
enum class BackgroundMode { Tile, Stretch };

// What a skin file says. Every value starts as the window's stored skin settings; a file sets
// only what it names. The colours are used as they are: the skin never shifts the hue of the
// window's controls.
struct SkinSettings {
    // False until the file shows a section of our format: a file of another skin engine or a
    // garbage file leaves the window plain.
    bool recognised = false;

    std::string m_bstrName;
    std::string m_bstrAuthor;
    std::string m_bstrDescription;
    std::string m_bstrApplication;
    std::string m_bstrTag;

    bool m_bSkinClientArea = true;
    bool m_bApplyColors = false; // fixed: no recolouring
    int m_nHue = 0;              // fixed: no hue shift
    SkinColor m_BackColor{255, 255, 255};
    SkinColor m_ForeColor{0, 0, 0};
    SkinColor m_PanelColor{200, 208, 212};
    SkinColor m_PanelTextColor{0, 0, 0};

    SkinColor frameColor{0, 0, 0};
    int frameWidth = 0;

    ButtonStyle buttonStyle = ButtonStyle::Raised;
    bool hasButtonBorder = false;
    SkinColor buttonBorder{0, 0, 0};
    int buttonRadius = 0;

    // Full path of the background image (a file beside the skin file); empty for none.
    std::string backgroundImage;
    BackgroundMode backgroundMode = BackgroundMode::Tile;
};

} // namespace karusello
