// A label: a line (or a wrapped block) of text on a transparent background,
// optionally sized to its text, centred, framed by a single sunken line, or
// with its access key underlined.
#pragma once

#include <windows.h>

#include <string>

#include "host/forms/backdrop_control_win32.h"

namespace Forms {

struct LabelLook {
  HFONT font = nullptr;  // not owned; must outlive the label
  COLORREF fore = 0x000000;
  bool autoSize = false;  // the label takes the size of its text, at 100, 150 and 200 %
  bool centred = false;
  bool border = false;  // a single sunken line around it
  bool accessKey = false;  // "&" underlines the next letter (file names keep it off)
};

class Label : public BackdropControl {
 public:
  Label() = default;

  // bounds in the parent's client pixels; with autoSize only its corner counts.
  bool Create(HWND parent, const RECT& bounds, const LabelLook& look, const std::wstring& text);

  // The window's text too, so that others can read what the label shows.
  void SetText(const std::wstring& text);
  const std::wstring& Text() const { return text_; }

 private:
  // Static text, its text as it shows as its name.
  std::optional<AccessibleFacts> KindFacts() const override;
  void PaintOver(HDC dc, const RECT& area) const override;
  RECT ExtentIn(HDC dc, HFONT font) const;
  LONG WidthAtScale(HDC dc, int percent) const;
  void FitToText();
  UINT TextFormat() const;

  LabelLook look_;
  std::wstring text_;
};

}  // namespace Forms
