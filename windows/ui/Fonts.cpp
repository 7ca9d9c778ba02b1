#include "windows/ui/Fonts.h"

#include <cmath>
#include <cwchar>

namespace karusello {

FontHandle CreatePointFont(const wchar_t* family, double points, int weight, int dpiY) {
    LOGFONTW font{};
    // A negative height asks for the character height without the internal leading, which is
    // how a point size is meant.
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpiY / 72.0));
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    std::wcsncpy(font.lfFaceName, family, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&font));
}

} // namespace karusello
