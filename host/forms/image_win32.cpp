#include "host/forms/image_win32.h"

#include "desk/system/gdi_win32.h"

namespace Forms {

void Image::SetPicture(HBITMAP picture) {
  picture_ = picture;
  if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
}

void Image::PaintOver(HDC dc, const RECT&) const {
  BITMAP info{};
  if (!picture_ || !GetObjectW(picture_, sizeof info, &info)) return;
  Desk::MemoryDc source;
  Desk::ScopedSelect picture(source.get(), picture_);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
}

}  // namespace Forms
