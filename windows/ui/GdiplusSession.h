#pragma once

#include <windows.h>

namespace karusello {

// GDI+ started for as long as the object lives; the skin's drawing needs one. Sessions nest.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

} // namespace karusello
