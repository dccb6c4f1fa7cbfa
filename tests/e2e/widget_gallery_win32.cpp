// Widget gallery: the dialog's frame and push buttons in every visual state,
// on one borderless window at a fixed place, for looking at and for the
// screenshot regression scenario. Closes on WM_CLOSE or Escape.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/forms/access_keys_win32.h"
#include "host/forms/widget_site.h"
#include "host/widgets/cc_xp_button_win32.h"
#include "host/widgets/gfx_frame_x_win32.h"

namespace {

using Widgets::ccXPButton;
using Widgets::GFXFrameX;

constexpr COLORREF kDialogGrey = 0xE0E0E0;
constexpr int kLeft = 40, kTop = 40, kWidth = 540, kHeight = 330;

LRESULT CALLBACK GalleryProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_ACTIVATE:
      return 0;  // the pressed button keeps the focus
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

HWND CreateGalleryWindow() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = CreateSolidBrush(kDialogGrey);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"VelnoraGallery";
  RegisterClassExW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"Velnora widget gallery", WS_POPUP | WS_CLIPCHILDREN, kLeft, kTop,
                         kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
}

Forms::PropertyBag ButtonBag(const std::wstring& caption) {
  Forms::PropertyBag bag;
  bag.Write(L"Caption", caption, std::wstring(L"&OK"));
  bag.Write(L"Font", Forms::FontDesc{L"ＭＳ Ｐゴシック", 9.75f, 400, 128}, std::wstring(L"Verdana"));
  return bag;
}

struct Gallery {
  explicit Gallery(HWND form) : form(form) {}

  Forms::WidgetSite& NewSite(const wchar_t* name) {
    sites.push_back(std::make_unique<Forms::WidgetSite>(name, Forms::ParentForm{form, false, &controls},
                                                        Forms::Ambient{kDialogGrey, false, true}));
    return *sites.back();
  }
  ccXPButton& NewButton(const wchar_t* name, HWND container, RECT bounds, const std::wstring& caption) {
    buttons.push_back(std::make_unique<ccXPButton>(NewSite(name), container, bounds, Ondrel_B::TextsFor(Ondrel_B::Language::Japanese)));
    buttons.back()->ReadProperties(ButtonBag(caption));
    controls.Add(buttons.back().get());
    return *buttons.back();
  }

  HWND form;
  Forms::ControlList controls;
  std::vector<std::unique_ptr<Forms::WidgetSite>> sites;
  std::vector<std::unique_ptr<GFXFrameX>> frames;
  std::vector<std::unique_ptr<ccXPButton>> buttons;
};

void Build(Gallery& g) {
  // The settings dialog's panel: square, shadow depth 7.
  Forms::PropertyBag panel_bag;
  panel_bag.Write(L"ShadowDepth", int16_t{7}, int16_t{5});
  g.frames.push_back(std::make_unique<GFXFrameX>(g.NewSite(L"GFXFrameX1"), g.form, RECT{12, 12, 513, 185}));
  g.frames.back()->ReadProperties(panel_bag);
  HWND panel = g.frames.back()->hWnd();

  // A rounded frame with its smoothed shadow.
  Forms::PropertyBag round_bag;
  round_bag.Write(L"FrameStyle", int32_t{0}, int32_t{1});
  round_bag.Write(L"FillColour", int32_t{0xFFFFFF}, int32_t{kDialogGrey});
  round_bag.Write(L"CornerDepth", int16_t{20}, int16_t{10});
  g.frames.push_back(std::make_unique<GFXFrameX>(g.NewSite(L"GFXFrameX2"), g.form, RECT{12, 200, 262, 310}));
  g.frames.back()->ReadProperties(round_bag);

  ccXPButton& disabled = g.NewButton(L"Cmd_Disabled", panel, RECT{24, 24, 137, 57}, L"無効");
  g.NewButton(L"Cmd_Normal", panel, RECT{150, 24, 263, 57}, L"&Normal");
  ccXPButton& hot = g.NewButton(L"Cmd_Hot", panel, RECT{276, 24, 389, 57}, L"ﾎｯﾄ");
  ccXPButton& pressed = g.NewButton(L"Cmd_File", panel, RECT{24, 84, 69, 109}, L"...");
  ccXPButton& set = g.NewButton(L"Cmd_Set", g.form, RECT{280, 240, 393, 273}, L"設定");
  Forms::WidgetSite& default_site = *g.sites.back();  // the dialog's default button
  Forms::SetDefaultWidget(set.hWnd(), true);
  g.NewButton(L"Cmd_Can", g.form, RECT{400, 240, 513, 273}, L"ｷｬﾝｾﾙ");

  ShowWindow(g.form, SW_SHOW);
  SetForegroundWindow(g.form);
  SendMessageW(g.form, WM_ACTIVATE, WA_ACTIVE, 0);

  disabled.SetEnabled(false);
  default_site.SetDisplayAsDefault(true);
  hot.SnapMouseTo();
  SendMessageW(hot.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(56, 16));
  // Pressed with the focus: its focus rectangle shows.
  SendMessageW(pressed.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 12));
  ReleaseCapture();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HWND form = CreateGalleryWindow();
  if (!form) return 1;
  Gallery gallery(form);
  Build(gallery);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) DestroyWindow(form);
    if (Forms::RouteAccessKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
