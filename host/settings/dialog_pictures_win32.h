// The settings dialog's pictures from the host's resources: the two choice
// marks (Img_Ra), the banner frames (Pic_t), the banner's pointer and the icon.
#pragma once

#include <windows.h>

#include <array>

#include "desk/system/gdi_win32.h"
#include "host/settings/banner_counter.h"

namespace Ondrel_B {

struct DialogPictures {
  // A picture that cannot be loaded stays null and shows nothing.
  void Load();

  std::array<Desk::GdiObject<HBITMAP>, 2> marks;  // 0 not chosen, 1 chosen
  std::array<Desk::GdiObject<HBITMAP>, kBannerFrames> banner;  // frame n at n - 1
  HCURSOR hand = nullptr;  // shared resource cursors and icons: never destroyed
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
};

}  // namespace Ondrel_B
