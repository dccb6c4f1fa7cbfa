// A label: a line (or a wrapped block) of text on a transparent background,
// optionally sized to its text, centred, or framed by a single sunken line.
#pragma once

#include <windows.h>

#include <string>

#include "host/forms/backdrop_control_win32.h"

namespace Forms {

struct LabelLook {
  HFONT font = nullptr;  // not owned; must outlive the label
  COLORREF fore = 0x000000;
  bool auto_size = false;  // the label takes the size of its text
  bool centred = false;
  bool border = false;  // a single sunken line around it
};

class Label : public BackdropControl {
 public:
  Label() = default;

  // bounds in the parent's client pixels; with auto_size only its corner counts.
  bool Create(HWND parent, const RECT& bounds, const LabelLook& look, const std::wstring& text);

  // The window's text too, so that others can read what the label shows.
  void SetText(const std::wstring& text);
  const std::wstring& Text() const { return text_; }

 private:
  // Static text, its text as its name.
  std::optional<AccessibleFacts> KindFacts() const override;
  void PaintOver(HDC dc, const RECT& area) const override;
  void FitToText();
  UINT TextFormat() const;

  LabelLook look_;
  std::wstring text_;
};

}  // namespace Forms
