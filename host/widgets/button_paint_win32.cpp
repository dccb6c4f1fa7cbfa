#include "host/widgets/button_paint_win32.h"

#include "desk/system/gdi_win32.h"
#include "host/widgets/button_look.h"

namespace Widgets {

using Desk::GdiObject;
using Desk::ScopedSelect;

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
  Desk::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
  if (!pen) return;
  Desk::ScopedSelect use(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  Desk::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  if (brush) FillRect(dc, &rect, brush.get());
}

void FillGradient(HDC dc, const RECT& rect, COLORREF a, COLORREF b) {
  const int n = rect.bottom - rect.top;
  if (n <= 0) return;
  for (int i = 0; i <= n; ++i) {
    const int y = rect.bottom - i;
    DrawLine(dc, rect.left, y, rect.right, y, GradientRow(a, b, n, i));
  }
}

namespace {

void PaintCorners(HDC dc, const RECT& area, const ButtonColours& c) {
  const int l = area.left, t = area.top, r = area.right - 1, b = area.bottom - 1;
  const struct {
    int x, y;
    uint32_t colour;
  } pixels[] = {
      {l, t + 1, c.cornerSide}, {l, t + 2, c.cornerEnd}, {l + 1, t, c.cornerSide}, {l + 1, t + 1, c.cornerInner},
      {l + 2, t, c.cornerEnd},  {r, t + 1, c.cornerSide}, {r, t + 2, c.cornerEnd}, {r - 1, t, c.cornerSide},
      {r - 1, t + 1, c.cornerInner}, {r - 2, t, c.cornerEnd}, {l, b - 1, c.cornerSide}, {l, b - 2, c.cornerEnd},
      {l + 1, b, c.cornerSide}, {l + 1, b - 1, c.cornerInner}, {l + 2, b, c.cornerEnd}, {r, b - 1, c.cornerSide},
      {r, b - 2, c.cornerEnd}, {r - 1, b, c.cornerSide}, {r - 1, b - 1, c.cornerInner}, {r - 2, b, c.cornerEnd},
  };
  for (const auto& p : pixels) SetPixelV(dc, p.x, p.y, p.colour);
}

}  // namespace

void PaintButtonBody(HDC dc, const RECT& area, int state, COLORREF clear) {
  const ButtonColours& c = ButtonColoursOf(state);
  const int l = area.left, t = area.top, w = area.right - area.left, h = area.bottom - area.top;
  FillSolid(dc, area, clear);

  DrawLine(dc, l + 3, t, l + w - 3, t, c.border);
  DrawLine(dc, l, t + 3, l, t + h - 3, c.border);
  DrawLine(dc, l + 3, t + h - 1, l + w - 3, t + h - 1, c.border);
  DrawLine(dc, l + w - 1, t + 3, l + w - 1, t + h - 3, c.border);

  if (state == kDisabled || state == kPressed) {
    FillSolid(dc, RECT{l + 1, t + 1, l + w - 1, t + h - 1}, state == kDisabled ? kDisabledFace : kPressedFace);
  } else {
    FillGradient(dc, RECT{l + 1, t + 3, l + w - 1, t + h - 2}, c.rimTop, c.rimBottom);
    FillGradient(dc, RECT{l + 3, t + 3, l + w - 3, t + h - 3}, kFaceTop, kFaceBottom);
    DrawLine(dc, l + 1, t + 1, l + w, t + 1, c.topLine1);
    DrawLine(dc, l + 1, t + 2, l + w, t + 2, c.topLine2);
    DrawLine(dc, l + 1, t + h - 3, l + w, t + h - 3, c.bottomLine1);
    DrawLine(dc, l + 2, t + h - 2, l + w - 1, t + h - 2, c.bottomLine2);
  }
  PaintCorners(dc, area, c);
}

void PaintButtonCaption(HDC dc, const RECT& area, const CaptionLook& look) {
  RECT inside{area.left + 3, area.top + 3, area.right - 3, area.bottom - 3};
  Desk::ScopedSelect font(dc, look.font);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, look.colour);
  DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &inside,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (look.focusRect) {
    SetTextColor(dc, 0);
    DrawFocusRect(dc, &inside);
  }
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

void ShapeButtonWindow(HWND window, int width, int height) {
  HRGN region = CreateRoundRectRgn(0, 0, width + 1, height + 1, 3, 3);
  if (region && !SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

}  // namespace Widgets
