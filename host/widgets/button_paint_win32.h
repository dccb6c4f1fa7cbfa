// The push button's painter: each visual state drawn with GDI into a DC,
// within a rectangle (the button's client area on its surface, or any
// rectangle of a memory DC).
#pragma once

#include <windows.h>

#include <string>

namespace Widgets {

// One-pixel solid line, end point left out.
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);
// Covers left..right-1, top..bottom-1.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// bottom - top + 1 rows from top (colour a) to bottom (colour b), drawn
// upwards; nothing for a rectangle of no height.
void FillGradient(HDC dc, const RECT& rect, COLORREF a, COLORREF b);

// Clears to `clear`, then border, face and corners of a state.
void PaintButtonBody(HDC dc, const RECT& area, int state, COLORREF clear);

struct CaptionLook {
  const std::wstring& caption;
  HFONT font;
  COLORREF colour;
  bool focusRect;  // the inverting dotted rectangle inside the border
};
void PaintButtonCaption(HDC dc, const RECT& area, const CaptionLook& look);

// Gives the window its rounded shape and redraws it; the window owns the region.
void ShapeButtonWindow(HWND window, int width, int height);

}  // namespace Widgets
