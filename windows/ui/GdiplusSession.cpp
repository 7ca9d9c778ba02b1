#include "windows/ui/GdiplusSession.h"

#include "core/errors/RuntimeError.h"

#include <gdiplus.h>

namespace karusello {

GdiplusSession::GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) {
        throw RuntimeError(errnum::InternalError,
                           StandardErrorText(errnum::InternalError) + ": GDI+ nicht verfügbar");
    }
}

GdiplusSession::~GdiplusSession() {
    Gdiplus::GdiplusShutdown(token_);
}

} // namespace karusello
