#include "host/widgets/frame_paint_win32.h"

#include "desk/system/gdi_win32.h"
#include "host/forms/surface_win32.h"

namespace Widgets {

namespace {

using Desk::GdiObject;
using Desk::ScopedSelect;

// The area of a DC as the smoothing pass sees it.
class DcPixels : public PixelSurface {
 public:
  DcPixels(HDC dc, const RECT& area) : dc_(dc), area_(area) {}
  int Width() const override { return area_.right - area_.left; }
  int Height() const override { return area_.bottom - area_.top; }
  uint32_t Get(int x, int y) const override { return GetPixel(dc_, area_.left + x, area_.top + y); }
  void Set(int x, int y, uint32_t c) override { SetPixelV(dc_, area_.left + x, area_.top + y, c); }

 private:
  HDC dc_;
  RECT area_;
};

void DrawShape(HDC dc, const RECT& area, const FramePaint& plan, const Box& box) {
  const int l = area.left + box.left, t = area.top + box.top, r = area.left + box.right, b = area.top + box.bottom;
  if (plan.rounded) {
    RoundRect(dc, l, t, r, b, plan.corner, plan.corner);
  } else {
    Rectangle(dc, l, t, r, b);
  }
}

}  // namespace

bool PaintFrame(HDC dc, const RECT& area, const FrameProperties& raw, DWORD back) {
  FrameProperties props = raw;
  props.FillColour = Forms::ResolveColour(raw.FillColour);
  props.BorderColour = Forms::ResolveColour(raw.BorderColour);
  const COLORREF bg = Forms::ResolveColour(back);
  const FramePaint plan = PlanFramePaint(props, area.right - area.left, area.bottom - area.top, bg);

  {
    Desk::GdiObject<HBRUSH> brush(CreateSolidBrush(bg));
    if (brush) FillRect(dc, &area, brush.get());
  }
  if (!plan.drawsShape) return plan.complete;

  if (!plan.shadow.empty()) {
    Desk::ScopedSelect hollow(dc, GetStockObject(NULL_BRUSH));
    for (const Box& outline : plan.shadow) {
      Desk::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, outline.colour));
      Desk::ScopedSelect use(dc, pen.get());
      DrawShape(dc, area, plan, outline);
    }
  }
  if (plan.smooth) {
    DcPixels pixels(dc, area);
    SmoothShadowEdge(pixels, plan.depth, plan.corner, back);
  }
  Desk::GdiObject<HBRUSH> fill(CreateSolidBrush(plan.fill));
  Desk::GdiObject<HPEN> border(CreatePen(PS_SOLID, 1, plan.frame.colour));
  Desk::ScopedSelect useFill(dc, fill.get());
  Desk::ScopedSelect useBorder(dc, border.get());
  DrawShape(dc, area, plan, plan.frame);
  return true;
}

}  // namespace Widgets
