// A label: a line (or a wrapped block) of text on a transparent background,
// optionally sized to its text, centred, or framed by a single sunken line.
// Presses of any mouse button are reported; the label takes no focus.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace Forms {

struct LabelLook {
  HFONT font = nullptr;  // not owned; must outlive the label
  COLORREF fore = 0x000000;
  bool auto_size = false;  // the label takes the size of its text
  bool centred = false;
  bool border = false;  // a single sunken line around it
};

class Label {
 public:
  Label() = default;
  ~Label();
  Label(const Label&) = delete;
  Label& operator=(const Label&) = delete;

  // bounds in the parent's client pixels; with auto_size only its corner counts.
  bool Create(HWND parent, const RECT& bounds, const LabelLook& look, const std::wstring& text);

  // The window's text too, so that others can read what the label shows.
  void SetText(const std::wstring& text);
  const std::wstring& Text() const { return text_; }
  HWND hwnd() const { return window_; }

  std::function<void(int button)> MouseDown;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void FitToText();
  void Paint(HDC target) const;
  UINT TextFormat() const;

  HWND window_ = nullptr;
  LabelLook look_;
  std::wstring text_;
};

}  // namespace Forms
