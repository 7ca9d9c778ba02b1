#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace karusello::test {

// Handles the thread's pending messages until the condition holds or a generous deadline
// passes; returns whether it holds. For what takes a moment under Wine, not for timing.
bool PumpUntil(const std::function<bool()>& condition);

// Handles the thread's pending messages once.
void PumpMessages();

// A key pressed and released on the window with the focus, as the event loop gets it.
void PressKey(HWND form, UINT key);

// The client area of a shown window as it is on the screen.
class Screenshot {
public:
    explicit Screenshot(HWND window);
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;
    // Saves the picture as a PNG file in the build's artifacts folder.
    void Save(const std::string& name) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_; // top-down, 0x00RRGGBB
};

} // namespace karusello::test
