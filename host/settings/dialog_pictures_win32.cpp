#include "host/settings/dialog_pictures_win32.h"

#include "assets/resource_ids.h"

namespace Ondrel_B {
namespace {

static_assert(IDB_BANNER_COUNT == kBannerFrames, "one resource per banner frame");

HBITMAP LoadPicture(int id) {
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HICON LoadIconSized(int systemMetric) {
  const int size = GetSystemMetrics(systemMetric);
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELNORA), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

void DialogPictures::Load() {
  marks[0].reset(LoadPicture(IDB_MARK_UNCHOSEN));
  marks[1].reset(LoadPicture(IDB_MARK_CHOSEN));
  for (int n = 1; n <= kBannerFrames; ++n) banner[n - 1].reset(LoadPicture(IDB_BANNER_FIRST + n - 1));
  hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_POINTING_HAND));
  icon = LoadIconSized(SM_CXICON);
  smallIcon = LoadIconSized(SM_CXSMICON);
}

}  // namespace Ondrel_B
