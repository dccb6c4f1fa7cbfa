#include "host/forms/combo_box_win32.h"

namespace Forms {
namespace {

constexpr int kVisibleEntries = 8;

}  // namespace

ComboBox::~ComboBox() {
  if (hWnd()) DestroyWindow(hWnd());
}

bool ComboBox::Create(HWND parent, int left, int top, int width, HFONT font) {
  if (hWnd()) return false;
  HWND box = CreateWindowExW(0, L"COMBOBOX", L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | CBS_DROPDOWN |
                                 CBS_AUTOHSCROLL,
                             left, top, width, 200, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  // The colour requests of its text field and list come to the box itself.
  if (!box || !Wrap(box)) {
    if (box) DestroyWindow(box);
    return false;
  }
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  // NOTE: a text field not wrapped keeps the system's colours.
  if (GetComboBoxInfo(hWnd(), &parts)) static_cast<void>(field_.Wrap(parts.hwndItem));
  white_ = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  if (font) SendMessageW(hWnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  FitHeight();
  return true;
}

void ComboBox::FitHeight() {
  const LRESULT field = SendMessageW(hWnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const LRESULT entry = SendMessageW(hWnd(), CB_GETITEMHEIGHT, 0, 0);
  if (field == CB_ERR || entry == CB_ERR) return;
  RECT r{};
  GetWindowRect(hWnd(), &r);
  // For a drop-down box the window's height is the field and its open list.
  SetWindowPos(hWnd(), nullptr, 0, 0, r.right - r.left, static_cast<int>(field + 6 + kVisibleEntries * entry + 2),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::AddItems(const std::vector<std::wstring>& items) {
  if (!hWnd()) return;
  for (const std::wstring& item : items) {
    SendMessageW(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
}

std::wstring ComboBox::Text() const {
  if (!hWnd()) return std::wstring();
  const int length = GetWindowTextLengthW(hWnd());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hWnd(), text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

void ComboBox::SetText(const std::wstring& text) {
  if (hWnd()) SetWindowTextW(hWnd(), text.c_str());
}

void ComboBox::SetEnabled(bool enabled) {
  if (hWnd()) EnableWindow(hWnd(), enabled);
}

bool ComboBox::Enabled() const { return hWnd() && IsWindowEnabled(hWnd()); }

bool ComboBox::Dropped() const { return hWnd() && SendMessageW(hWnd(), CB_GETDROPPEDSTATE, 0, 0); }

std::optional<AccessibleFacts> ComboBox::KindFacts() const {
  AccessibleFacts facts = FactsOfRole(ROLE_SYSTEM_COMBOBOX);
  // The focus is in its text field while the box has it.
  if (field_.hWnd() && GetFocus() == field_.hWnd()) facts.state = STATE_SYSTEM_FOCUSED;
  facts.value = Text();
  facts.textIsValue = true;
  return facts;
}

std::optional<AccessibleFacts> ComboBox::Field::KindFacts() const {
  AccessibleFacts facts = FactsOfRole(ROLE_SYSTEM_TEXT);
  if (const auto box = box_.Facts()) facts.name = box->name;
  facts.value = box_.Text();
  facts.textIsValue = true;
  // It takes the focus for the box, tab stop or not.
  if (IsWindowEnabled(hWnd())) facts.state = STATE_SYSTEM_FOCUSABLE;
  return facts;
}

LRESULT ComboBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      SetTextColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(reinterpret_cast<HDC>(wparam), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(white_);
    default:
      break;
  }
  return CallDefault(message, wparam, lparam);
}

}  // namespace Forms
