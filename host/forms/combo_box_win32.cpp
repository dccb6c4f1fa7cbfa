#include "host/forms/combo_box_win32.h"

#include <commctrl.h>

namespace Forms {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kVisibleEntries = 8;

}  // namespace

ComboBox::~ComboBox() {
  if (window_) DestroyWindow(window_);
}

bool ComboBox::Create(HWND parent, int left, int top, int width, HFONT font) {
  if (window_) return false;
  window_ = CreateWindowExW(0, L"COMBOBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_DROPDOWN |
                                CBS_AUTOHSCROLL,
                            left, top, width, 200, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  white_ = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  // The colour requests of its text field and list come to the box itself.
  SetWindowSubclass(window_, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  if (font) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  FitHeight();
  return true;
}

void ComboBox::FitHeight() {
  const LRESULT field = SendMessageW(window_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const LRESULT entry = SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0);
  if (field == CB_ERR || entry == CB_ERR) return;
  RECT r{};
  GetWindowRect(window_, &r);
  // For a drop-down box the window's height is the field and its open list.
  SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, static_cast<int>(field + 6 + kVisibleEntries * entry + 2),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::AddItems(const std::vector<std::wstring>& items) {
  if (!window_) return;
  for (const std::wstring& item : items) {
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
}

std::wstring ComboBox::Text() const {
  if (!window_) return std::wstring();
  const int length = GetWindowTextLengthW(window_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window_, text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

void ComboBox::SetText(const std::wstring& text) {
  if (window_) SetWindowTextW(window_, text.c_str());
}

void ComboBox::SetEnabled(bool enabled) {
  if (window_) EnableWindow(window_, enabled);
}

bool ComboBox::Enabled() const { return window_ && IsWindowEnabled(window_); }

bool ComboBox::Dropped() const { return window_ && SendMessageW(window_, CB_GETDROPPEDSTATE, 0, 0); }

LRESULT CALLBACK ComboBox::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR ref) {
  auto* self = reinterpret_cast<ComboBox*>(ref);
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      SetTextColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(reinterpret_cast<HDC>(wparam), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(self->white_);
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, Proc, kSubclassId);
      self->window_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace Forms
