#include "windows/ui/GdiObjects.h"

namespace karusello {

OffscreenBuffer::OffscreenBuffer(HDC target, SIZE size)
    : size_(size), dc_(CreateCompatibleDC(target)),
      bitmap_(
          CreateCompatibleBitmap(target, size.cx > 0 ? size.cx : 1, size.cy > 0 ? size.cy : 1)) {
    previous_ = SelectObject(dc_, bitmap_.Get());
}

OffscreenBuffer::~OffscreenBuffer() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

void OffscreenBuffer::CopyTo(HDC target, POINT at) const {
    BitBlt(target, at.x, at.y, size_.cx, size_.cy, dc_, 0, 0, SRCCOPY);
}

} // namespace karusello
