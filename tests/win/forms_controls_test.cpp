// The forms runtime's small controls on real windows: labels and images
// show their parent's picture around what they draw, a shape is only its
// outline, the combo box stays white, the tab order skips what cannot take
// the focus, the application-wide pointer wins over a control's own, and a
// picture box clicks only on a release over it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "desk/system/gdi_win32.h"
#include "host/forms/app_pointer_win32.h"
#include "host/forms/combo_box_win32.h"
#include "host/forms/form_win32.h"
#include "host/forms/image_win32.h"
#include "host/forms/label_win32.h"
#include "host/forms/picture_box_win32.h"
#include "host/forms/property_bag.h"
#include "host/forms/shape_win32.h"
#include "host/forms/tab_order_win32.h"
#include "host/widgets/cc_xp_button_win32.h"
#include "host/widgets/gfx_frame_x_win32.h"
#include "test_form_win32.h"

namespace {

using testing_support::MemorySurface;
using testing_support::TestForm;

constexpr COLORREF kRed = RGB(255, 0, 0);

// What a control paints, as its parent would have it printed.
COLORREF PrintedPixel(HWND control, int x, int y) {
  RECT r{};
  GetClientRect(control, &r);
  MemorySurface surface(r.right, r.bottom);
  SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT);
  return GetPixel(surface.dc(), x, y);
}

// A plain red picture, as a resource bitmap would be.
Desk::GdiObject<HBITMAP> RedPicture(int width, int height) {
  Desk::GdiObject<HBITMAP> picture(CreateBitmap(width, height, 1, 32, nullptr));
  Desk::MemoryDc dc;
  Desk::ScopedSelect selected(dc.get(), picture.get());
  Desk::GdiObject<HBRUSH> red(CreateSolidBrush(kRed));
  RECT all{0, 0, width, height};
  FillRect(dc.get(), &all, red.get());
  return picture;
}

// A square frame panel (black border at its edge) to put controls on.
struct Panel {
  explicit Panel(TestForm& form) : site(form.Site(L"GFXFrameX1")), frame(site, form.hWnd(), RECT{10, 10, 310, 210}) {
    Forms::PropertyBag bag;
    bag.Write(L"ShowShadow", false, true);
    frame.ReadProperties(bag);
  }
  COLORREF At(int x, int y) { return GetPixel(frame.SurfaceDc(), x, y); }
  Forms::WidgetSite site;
  Widgets::GFXFrameX frame;
};

TEST(Label, SizedToItsTextOverItsParentsPictureWithAnOptionalSunkenLine) {
  TestForm form;
  Panel panel(form);
  const auto font_at = [](float scale) {
    return Desk::GdiObject<HFONT>(Widgets::CreateFontFor(Forms::FontDesc{L"ＭＳ Ｐゴシック", 9.75f * scale, 400, 128}));
  };
  Desk::GdiObject<HFONT> font = font_at(1);
  Forms::Label sized;
  ASSERT_TRUE(sized.Create(panel.frame.hWnd(), RECT{0, 0, 0, 0}, {font.get(), 0, true}, L"音楽CD"));
  const auto extent_in = [&sized](HFONT f) {
    SIZE extent{};
    HDC dc = GetDC(sized.hWnd());
    Desk::ScopedSelect selected(dc, f);
    GetTextExtentPoint32W(dc, L"音楽CD", 4, &extent);
    ReleaseDC(sized.hWnd(), dc);
    return extent;
  };
  // It holds its text at 100 % and where GDI scaling draws it at 150 or
  // 200 %, whose hinting may widen the text; it is one line high.
  RECT r{};
  GetClientRect(sized.hWnd(), &r);
  for (float scale : {1.0f, 1.5f, 2.0f}) EXPECT_GE(r.right * scale, extent_in(font_at(scale).get()).cx) << scale;
  EXPECT_EQ(r.bottom, extent_in(font.get()).cy);
  wchar_t text[16] = {};
  GetWindowTextW(sized.hWnd(), text, 16);
  EXPECT_STREQ(text, L"音楽CD") << "others read the label through its window text";
  // Placed on the panel's corner: its pixel there is the panel's black border.
  EXPECT_EQ(PrintedPixel(sized.hWnd(), 0, 0), panel.At(0, 0));
  EXPECT_EQ(panel.At(0, 0), RGB(0, 0, 0));

  Forms::Label framed;
  ASSERT_TRUE(framed.Create(panel.frame.hWnd(), RECT{40, 40, 140, 73}, {font.get(), 0, false, false, true}, L""));
  EXPECT_EQ(PrintedPixel(framed.hWnd(), 0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PrintedPixel(framed.hWnd(), 99, 32), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(PrintedPixel(framed.hWnd(), 50, 16), panel.At(90, 56)) << "inside the line, the parent shows through";
}

TEST(Image, ShowsItsPictureAtTheCornerAndTheParentAroundIt) {
  TestForm form;
  Panel panel(form);
  const Desk::GdiObject<HBITMAP> picture = RedPicture(12, 12);
  Forms::Image image;
  ASSERT_TRUE(image.Create(panel.frame.hWnd(), RECT{0, 20, 13, 33}));
  image.SetPicture(picture.get());
  EXPECT_EQ(PrintedPixel(image.hWnd(), 0, 0), kRed);
  EXPECT_EQ(PrintedPixel(image.hWnd(), 11, 11), kRed);
  EXPECT_EQ(PrintedPixel(image.hWnd(), 12, 5), panel.At(12, 25));
  EXPECT_EQ(PrintedPixel(image.hWnd(), 0, 12), RGB(0, 0, 0)) << "the panel's border under the last row";
}

TEST(Shape, IsOnlyItsOutlineAndLetsPressesThrough) {
  TestForm form;
  Forms::Shape plate;
  ASSERT_TRUE(plate.Create(form.hWnd(), RECT{20, 16, 133, 37}, RGB(0, 0, 0)));
  plate.Move(21, 17);
  const RECT at = plate.Bounds();
  EXPECT_EQ(at.left, 21);
  EXPECT_EQ(at.top, 17);
  EXPECT_EQ(at.right - at.left, 113);
  Desk::GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(plate.hWnd(), region.get()), ERROR);
  EXPECT_TRUE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 112, 20));
  EXPECT_TRUE(PtInRegion(region.get(), 56, 0));
  EXPECT_FALSE(PtInRegion(region.get(), 1, 1));
  EXPECT_FALSE(PtInRegion(region.get(), 56, 10));
  EXPECT_EQ(SendMessageW(plate.hWnd(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

TEST(ComboBox, KeepsItsTextWhenTheListIsFilledAndAnswersWhite) {
  TestForm form;
  Forms::ComboBox box;
  ASSERT_TRUE(box.Create(form.hWnd(), 10, 10, 41, nullptr));
  box.SetText(L"45");
  box.AddItems({L"", L"1", L"2"});
  EXPECT_EQ(box.Text(), L"45");
  EXPECT_EQ(SendMessageW(box.hWnd(), CB_GETCOUNT, 0, 0), 3);
  HWND field = GetWindow(box.hWnd(), GW_CHILD);
  ASSERT_NE(field, nullptr);
  HDC dc = GetDC(field);
  const LRESULT brush = SendMessageW(box.hWnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(field));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  ReleaseDC(field, dc);
  box.SetEnabled(false);
  EXPECT_FALSE(box.Enabled());
  EXPECT_FALSE(box.Dropped());
}

TEST(TabOrder, MovesAlongTheOrderSkippingWhatCannotTakeTheFocusAndComesBackOnActivation) {
  TestForm form;
  Forms::ComboBox box;
  ASSERT_TRUE(box.Create(form.hWnd(), 10, 10, 41, nullptr));
  HWND a = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 50, 50, 20, form.hWnd(), nullptr, nullptr, nullptr);
  HWND off = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 80, 50, 20, form.hWnd(), nullptr,
                             nullptr, nullptr);
  HWND b = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 110, 50, 20, form.hWnd(), nullptr, nullptr, nullptr);
  Forms::TabOrder order;
  for (HWND control : {box.hWnd(), a, off, b}) order.Add(control);

  order.FocusFirst();
  EXPECT_EQ(order.Current(), box.hWnd()) << "the focus sits in the box's text field, which counts as the box";
  EXPECT_NE(GetFocus(), box.hWnd());
  MSG tab{form.hWnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(order.PreTranslate(tab));
  EXPECT_EQ(GetFocus(), a);
  EXPECT_EQ(order.Next(false), b) << "the disabled one is skipped";
  EXPECT_EQ(order.Next(true), box.hWnd());
  SetFocus(b);
  EXPECT_EQ(order.Next(false), box.hWnd()) << "round again";
  MSG other{form.hWnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_FALSE(order.PreTranslate(other));

  order.Activated(false);
  SetFocus(a);
  order.Activated(true);
  EXPECT_EQ(GetFocus(), b) << "back to where the focus was";
  EnableWindow(b, FALSE);
  order.Activated(false);
  order.Activated(true);
  EXPECT_EQ(order.Current(), box.hWnd()) << "a control that cannot take it any more: the first one";
}

class PlainForm : public Forms::Form {
 public:
  PlainForm() : Form({L"pointer test", WS_POPUP | WS_VISIBLE, 0, RGB(224, 224, 224), 0, 0, 200, 100}) {}
};

TEST(MousePointer, TheApplicationWidePointerWinsOverTheFormsAndAPictureBoxsOwn) {
  PlainForm form;
  ASSERT_TRUE(form.Load());
  Forms::PictureBox box;
  ASSERT_TRUE(box.Create(form.hWnd(), 50, 40));
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  box.SetMousePointer(hand);
  const auto set_cursor = [](HWND w) {
    return SendMessageW(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  };
  HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);

  set_cursor(box.hWnd());
  EXPECT_EQ(GetCursor(), hand);
  Forms::SetAppMousePointer(Forms::MousePointer::Hourglass);
  EXPECT_EQ(Forms::AppMousePointer(), Forms::MousePointer::Hourglass);
  EXPECT_EQ(GetCursor(), wait) << "at once";
  set_cursor(box.hWnd());
  EXPECT_EQ(GetCursor(), wait);
  SetCursor(nullptr);
  EXPECT_TRUE(set_cursor(form.hWnd()));
  EXPECT_EQ(GetCursor(), wait);
  Forms::SetAppMousePointer(Forms::MousePointer::Default);
  set_cursor(box.hWnd());
  EXPECT_EQ(GetCursor(), hand);
}

TEST(PictureBox, ClicksOnlyOnAReleaseOverItAfterAPressOnIt) {
  TestForm form;
  Forms::PictureBox box;
  ASSERT_TRUE(box.Create(form.hWnd(), 123, 52));
  box.ShowAt(12, 192);
  box.SetTabStop(true);
  int clicks = 0;
  box.Click = [&] { ++clicks; };
  const auto press = [&](int x, int y) { SendMessageW(box.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); };
  const auto release = [&](int x, int y) { SendMessageW(box.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); };
  press(10, 10);
  EXPECT_EQ(GetFocus(), box.hWnd()) << "a tab stop takes the focus when pressed";
  release(20, 20);
  EXPECT_EQ(clicks, 1);
  press(10, 10);
  release(200, 20);
  EXPECT_EQ(clicks, 1) << "released outside";
  release(20, 20);
  EXPECT_EQ(clicks, 1) << "a release without a press";

  box.Clear(RGB(0, 0, 0));
  const Desk::GdiObject<HBITMAP> frame = RedPicture(120, 50);
  box.ShowPicture(frame.get());
  EXPECT_EQ(GetPixel(box.dc(), 0, 0), kRed);
  EXPECT_EQ(GetPixel(box.dc(), 119, 49), kRed);
  EXPECT_EQ(GetPixel(box.dc(), 120, 49), RGB(0, 0, 0)) << "the rest stays as it was";
}

}  // namespace
