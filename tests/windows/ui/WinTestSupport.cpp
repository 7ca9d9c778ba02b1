#include "WinTestSupport.h"

#include "core/os/Utf8Path.h"
#include "windows/system/WindowDc.h"
#include "windows/ui/GdiObjects.h"
#include "windows/ui/Win32EventPump.h"

#include <gdiplus.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace karusello::test {

bool PumpUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        PumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PressKey(HWND form, UINT key) {
    for (const UINT kind : {WM_KEYDOWN, WM_KEYUP}) {
        MSG message{};
        message.hwnd = GetFocus();
        message.message = kind;
        message.wParam = key;
        message.lParam = kind == WM_KEYDOWN ? 1 : (1 | (1u << 30) | (1u << 31));
        DispatchWindowMessage(form, message);
    }
}

Screenshot::Screenshot(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const WindowDc source(window);
    const HDC memory = CreateCompatibleDC(source.Get());
    void* bits = nullptr;
    const BitmapHandle bitmap(CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const Selection selected(memory, bitmap.Get());
        BitBlt(memory, 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
        GdiFlush();
        const auto* from = static_cast<const DWORD*>(bits);
        std::copy(from, from + pixels_.size(), pixels_.begin());
    }
    DeleteDC(memory);
}

COLORREF Screenshot::At(int x, int y) const {
    const DWORD pixel = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                static_cast<std::size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Screenshot::Save(const std::string& name) const {
    const std::filesystem::path folder = KARUSELLO_TEST_ARTIFACTS;
    std::filesystem::create_directories(folder);
    Gdiplus::Bitmap image(width_, height_, width_ * 4, PixelFormat32bppRGB,
                          reinterpret_cast<BYTE*>(const_cast<DWORD*>(pixels_.data())));
    // GDI+'s PNG encoder.
    const CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    image.Save((folder / Utf8Path(name)).wstring().c_str(), &png, nullptr);
}

} // namespace karusello::test
