// Ondrel_R: a borderless black form made a child of the display settings'
// preview window, showing the preview picture at the preview's size. The
// host ends when the display settings destroy that window, and with it ours.
#include "host/preview/preview_form_win32.h"

#include <windows.h>

#include "host/forms/form_win32.h"
#include "host/forms/picture_box_win32.h"
#include "host/preview/preview_picture_win32.h"

namespace Ondrel_B {
namespace {

class Ondrel_R final : public Forms::Form {
 public:
  Ondrel_R() : Form({L"Preview Window", WS_POPUP | WS_CLIPCHILDREN, 0, RGB(0, 0, 0)}) { SetEndsApplication(true); }

  // Image control: shows the preview picture at its own size.
  void ShowPicture(int width, int height) {
    if (!Img_Prev.Create(hWnd(), width, height)) return;
    DrawPreviewPicture(Img_Prev.Image());
    Img_Prev.ShowAt(0, 0);
  }

 private:
  Forms::PictureBox Img_Prev;
};

// Window handles are 32-bit values that 64-bit Windows sign-extends.
HWND HandleFromValue(uint32_t value) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}

}  // namespace

bool ShowPreview(uint32_t parentValue) {
  const HWND parent = HandleFromValue(parentValue);
  RECT area{};
  // Not a window (no number, 0, a handle gone stale): nothing to embed into.
  if (!parent || !IsWindow(parent) || !GetWindowRect(parent, &area)) return false;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;

  static Ondrel_R form;
  if (!form.Load()) return false;
  form.EmbedIn(parent);
  MoveWindow(form.hWnd(), 0, 0, width, height, FALSE);
  form.ShowPicture(width, height);
  form.Show();
  return true;
}

}  // namespace Ondrel_B
