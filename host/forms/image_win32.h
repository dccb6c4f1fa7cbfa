// An image control: shows a picture at its top left corner over the
// parent's own picture (no background of its own).
#pragma once

#include <windows.h>

#include "host/forms/backdrop_control_win32.h"

namespace Forms {

class Image : public BackdropControl {
 public:
  Image() = default;

  // bounds in the parent's client pixels.
  bool Create(HWND parent, const RECT& bounds) { return CreateWindowIn(L"VelnoraImage", parent, bounds); }

  // The picture is not owned and must outlive the control; null shows none.
  void SetPicture(HBITMAP picture);
  HBITMAP Picture() const { return picture_; }

 private:
  // A picture without a name: readers pass over it.
  std::optional<AccessibleFacts> KindFacts() const override { return FactsOfRole(ROLE_SYSTEM_GRAPHIC); }
  void PaintOver(HDC dc, const RECT& area) const override;

  HBITMAP picture_ = nullptr;
};

}  // namespace Forms
