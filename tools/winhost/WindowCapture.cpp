#include "tools/winhost/WindowCapture.h"

#include "windows/system/Utf16.h"

#include <gdiplus.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace karusello::hostsim {
namespace {

namespace gdip = Gdiplus::DllExports;

// GDI+'s PNG encoder (image/png); every GDI+ has it under this id.
constexpr CLSID pngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

constexpr int gap = 10;

class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) {
            throw std::runtime_error("GDI+ does not start");
        }
    }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) {
        const HDC screen = ::GetDC(nullptr);
        dc_ = ::CreateCompatibleDC(screen);
        bitmap_ = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        if (dc_ == nullptr || bitmap_ == nullptr) {
            Free();
            throw std::runtime_error("no memory for the screenshot");
        }
        old_ = ::SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width, height};
        ::FillRect(dc_, &all, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
    }
    ~MemoryCanvas() { Free(); }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC Dc() const { return dc_; }
    // The bitmap, no longer selected, for reading.
    HBITMAP Finish() {
        ::SelectObject(dc_, old_);
        old_ = nullptr;
        return bitmap_;
    }

private:
    void Free() {
        if (old_ != nullptr) {
            ::SelectObject(dc_, old_);
        }
        if (bitmap_ != nullptr) {
            ::DeleteObject(bitmap_);
        }
        if (dc_ != nullptr) {
            ::DeleteDC(dc_);
        }
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

SIZE SizeOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void SavePng(HBITMAP bitmap, const std::filesystem::path& file) {
    const GdiplusSession session;
    Gdiplus::GpBitmap* image = nullptr;
    if (gdip::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) != Gdiplus::Ok) {
        throw std::runtime_error("GDI+ takes no bitmap");
    }
    const Gdiplus::GpStatus saved =
        gdip::GdipSaveImageToFile(image, file.wstring().c_str(), &pngEncoder, nullptr);
    gdip::GdipDisposeImage(image);
    if (saved != Gdiplus::Ok) {
        throw std::runtime_error("cannot write " + win32::Utf8FromWide(file.wstring()));
    }
}

} // namespace

void CaptureWindows(const std::vector<HWND>& windows, const std::filesystem::path& file) {
    if (windows.empty()) {
        throw std::runtime_error("no window to grab");
    }
    int width = 0;
    int height = 0;
    for (const HWND window : windows) {
        const SIZE size = SizeOf(window);
        width += (width == 0 ? 0 : gap) + size.cx;
        height = std::max<int>(height, size.cy);
    }
    MemoryCanvas canvas(width, height);
    int x = 0;
    for (const HWND window : windows) {
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const SIZE size = SizeOf(window);
        // The window's own drawing, frame and children included, whatever lies above it.
        const HDC source = ::GetWindowDC(window);
        ::BitBlt(canvas.Dc(), x, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        ::ReleaseDC(window, source);
        x += size.cx + gap;
    }
    SavePng(canvas.Finish(), file);
}

} // namespace karusello::hostsim
