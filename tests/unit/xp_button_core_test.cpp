// The push button's state machine: what it shows and raises for each
// notification, through a port that records instead of painting.
#include "host/widgets/xp_button_core.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Widgets;

class RecordingPort : public ButtonPort {
 public:
  void PaintBody(int state) override { painted.push_back(state); }
  void PaintCaption(bool focusRect) override { focus_rects.push_back(focusRect); }
  void NameWindow(const std::wstring&) override {}
  void ApplyFont(const Forms::FontDesc& f) override { font = f; }
  void EnableWindow(bool e) override { window_enabled = e; }
  int WidthPixels() const override { return width; }
  int HeightPixels() const override { return height; }
  void SetSizePixels(int w, int h) override {
    width = w;
    height = h;
    ++resized;
  }
  double TwipsPerPixel() const override { return 15; }
  void RequestLeaveNotification() override { ++leave_requests; }
  void StartWatching(Forms::WindowHandle p, bool mdi) override {
    watched_parent = p;
    watched_mdi = mdi;
    watching = true;
  }
  void StopWatching() override { watching = false; }
  void SendKeys(const wchar_t* keys) override { sent.push_back(keys); }
  void DoEvents() override { events.push_back("DoEvents"); }
  void RaiseClick() override { events.push_back("Click"); }
  void RaiseDblClick() override { events.push_back("DblClick"); }
  void RaiseMouseMove(int16_t, int16_t, float, float) override { events.push_back("MouseMove"); }
  void RaiseFormActivate(int32_t& state) override { events.push_back("FormActivate" + std::to_string(state)); }

  std::vector<int> painted;
  std::vector<bool> focus_rects;
  std::vector<std::string> events;
  std::vector<std::wstring> sent;
  Forms::FontDesc font;
  bool window_enabled = false, watching = false, watched_mdi = false;
  Forms::WindowHandle watched_parent = nullptr;
  int width = 113, height = 33, resized = 0, leave_requests = 0;
};

int g_form_window;

class Button : public testing::Test {
 protected:
  Button() : site(L"ccXPButton1", {&g_form_window, false, &controls}), core(site, port) { core.Initialize(); }

  // A stored instance on an active form: shows 1.
  void Load() {
    core.ReadProperties(Forms::PropertyBag{});
    core.ParentActivation(true);
    Clear();
  }
  void Clear() {
    port.painted.clear();
    port.events.clear();
    port.focus_rects.clear();
  }
  void MoveIn() { core.MouseMove(0, 0, 50, 16); }
  void MoveOut() { core.MouseMove(1, 0, 150, 16); }

  Forms::ControlList controls;
  Forms::WidgetSite site;
  RecordingPort port;
  XPButtonCore core;
};

using Events = std::vector<std::string>;
using States = std::vector<int>;

TEST_F(Button, PaintsNothingUntilEnabledIsFirstSet) {
  core.Redraw(3);
  EXPECT_TRUE(port.painted.empty());
  EXPECT_EQ(core.VisualState(), 0);
  core.ReadProperties(Forms::PropertyBag{});
  EXPECT_EQ(core.VisualState(), kNormal);
  EXPECT_TRUE(port.window_enabled);
  EXPECT_TRUE(port.watching);
  EXPECT_EQ(port.watched_parent, &g_form_window);
}

TEST_F(Button, SuppressedRedrawKeepsTheOldState) {
  Load();
  core.SetPaintSuppressed(true);
  core.Redraw(3);
  EXPECT_TRUE(port.painted.empty());
  EXPECT_EQ(core.VisualState(), kNormal);
}

TEST_F(Button, PressDragOutReleaseOutsideThenReenterAndReleaseInside) {
  Load();
  MoveIn();
  core.MouseDown(1, 0, 50, 16);
  MoveOut();
  core.MouseUp(1, 0, 150, 16);
  EXPECT_EQ(port.painted, (States{kHot, kPressed, kFocused, kFocused}));
  EXPECT_EQ(port.events, (Events{"MouseMove", "MouseMove"}));

  Clear();
  core.MouseDown(1, 0, 50, 16);
  MoveOut();
  MoveIn();
  core.MouseUp(1, 0, 50, 16);
  EXPECT_EQ(port.painted, (States{kPressed, kFocused, kPressed, kHot}));
  EXPECT_EQ(port.events, (Events{"MouseMove", "MouseMove", "Click"}));
}

TEST_F(Button, DoubleClickRaisesClickOnceThenDblClick) {
  Load();
  MoveIn();
  core.MouseDown(1, 0, 50, 16);
  core.MouseUp(1, 0, 50, 16);
  core.DblClick();
  core.MouseUp(1, 0, 50, 16);
  EXPECT_EQ(port.painted, (States{kHot, kPressed, kHot, kPressed, kHot}));
  EXPECT_EQ(port.events, (Events{"MouseMove", "Click", "DblClick"}));
}

TEST_F(Button, RightButtonNeitherPressesNorDoubleClicks) {
  Load();
  MoveIn();
  core.MouseDown(2, 0, 50, 16);
  core.MouseUp(2, 0, 50, 16);
  core.DblClick();
  EXPECT_EQ(port.painted, (States{kHot}));
  EXPECT_EQ(port.events, (Events{"MouseMove"}));
}

TEST_F(Button, AccessKeyWhileSpaceIsHeldCancelsTheSpacePress) {
  Load();
  core.GotFocus();
  core.KeyDown(32, 0);
  core.AccessKeyPress(L'o');
  core.KeyUp(32, 0);
  EXPECT_EQ(port.painted, (States{kFocused, kPressed, kFocused, kFocused}));
  EXPECT_TRUE(port.events.empty());

  Clear();
  MoveIn();
  core.KeyDown(32, 0);
  core.AccessKeyPress(L'o');
  EXPECT_EQ(port.painted, (States{kHot, kPressed, kHot}));
}

TEST_F(Button, SpaceReleaseAndAccessKeyClick) {
  Load();
  core.GotFocus();
  core.KeyDown(32, 0);
  core.KeyUp(32, 0);
  core.AccessKeyPress(L'o');
  EXPECT_EQ(port.painted, (States{kFocused, kPressed, kFocused}));
  EXPECT_EQ(port.events, (Events{"Click", "DoEvents", "Click"}));
}

TEST_F(Button, EnterClicksWithoutAPressedLook) {
  Load();
  core.GotFocus();
  Clear();
  core.KeyDown(13, 0);
  EXPECT_TRUE(port.painted.empty());
  EXPECT_EQ(port.events, (Events{"Click"}));
}

TEST_F(Button, ArrowsMoveTheFocusByTab) {
  Load();
  for (int16_t key : {37, 38, 39, 40}) core.KeyDown(key, 0);
  EXPECT_EQ(port.sent, (std::vector<std::wstring>{L"+{TAB}", L"+{TAB}", L"{TAB}", L"{TAB}"}));
}

TEST_F(Button, ParentDeactivationWhilePressedClearsThePress) {
  Load();
  MoveIn();
  core.MouseDown(1, 0, 50, 16);
  core.ParentActivation(false);
  core.MouseUp(1, 0, 50, 16);
  EXPECT_EQ(port.painted, (States{kHot, kPressed, kNormal}));
  EXPECT_EQ(port.events, (Events{"MouseMove", "FormActivate0"}));
  core.ParentActivation(true);
  EXPECT_EQ(port.painted.back(), kHot);
  EXPECT_EQ(port.events.back(), "FormActivate1");
}

TEST_F(Button, InactiveParentIgnoresHover) {
  core.ReadProperties(Forms::PropertyBag{});
  Clear();
  MoveIn();
  EXPECT_TRUE(port.painted.empty());
  EXPECT_TRUE(port.events.empty());
  EXPECT_TRUE(core.IsMouseOver());
  EXPECT_EQ(port.leave_requests, 1);
}

TEST_F(Button, PointerInsideIncludesTheRightAndBottomEdges) {
  Load();
  core.MouseMove(0, 0, 113, 33);
  EXPECT_TRUE(core.IsMouseOver());
  core.MouseMove(0, 0, 113.5f, 33);
  EXPECT_FALSE(core.IsMouseOver());
  core.MouseMove(0, 0, -0.5f, 0);
  EXPECT_FALSE(core.IsMouseOver());
}

TEST_F(Button, FocusRectangleOnlyInFocusedHotAndPressedWithTheFocus) {
  Load();
  core.Redraw(kFocused);  // the default look without the focus
  core.GotFocus();        // 2 with focus
  core.Redraw(kNormal);
  MoveIn();                     // 3
  core.MouseDown(1, 0, 50, 16);  // 4
  EXPECT_EQ(port.painted, (States{kFocused, kFocused, kNormal, kHot, kPressed}));
  EXPECT_EQ(port.focus_rects, (std::vector<bool>{false, true, false, true, true}));
  Clear();
  core.SetFocusRect(false);
  core.Redraw(kFocused);
  EXPECT_EQ(port.focus_rects, (std::vector<bool>{false, false}));
}

TEST_F(Button, EnabledRules) {
  Load();
  MoveIn();
  core.SetEnabled(false);
  EXPECT_FALSE(port.window_enabled);
  core.SetEnabled(false);  // shown already
  core.SetEnabled(true);   // the pointer is still over it
  EXPECT_EQ(port.painted, (States{kHot, kDisabled, kHot}));
  core.MouseLeft();
  site.SetDisplayAsDefault(true);  // the widget is not attached: call the notification itself
  core.AmbientChanged(Forms::kAmbientDisplayAsDefault);
  core.SetEnabled(true);
  EXPECT_EQ(port.painted, (States{kHot, kDisabled, kHot, kNormal, kFocused, kFocused}));
}

TEST_F(Button, DisplayAsDefaultShowsTheFocusedLook) {
  Load();
  site.SetDisplayAsDefault(true);
  core.AmbientChanged(L"BackColor");  // any name updates IsDefault, only this one repaints
  EXPECT_TRUE(core.IsDefault());
  EXPECT_TRUE(port.painted.empty());
  core.AmbientChanged(Forms::kAmbientDisplayAsDefault);
  site.SetDisplayAsDefault(false);
  core.AmbientChanged(Forms::kAmbientDisplayAsDefault);
  EXPECT_EQ(port.painted, (States{kFocused, kNormal}));
}

TEST_F(Button, LostFocusFallsBackByPointerAndDefault) {
  Load();
  core.GotFocus();
  core.LostFocus();
  MoveIn();
  core.GotFocus();
  core.LostFocus();
  core.MouseLeft();
  site.SetDisplayAsDefault(true);
  core.AmbientChanged(L"x");
  core.LostFocus();
  EXPECT_EQ(port.painted, (States{kFocused, kNormal, kHot, kNormal, kFocused}));
}

TEST_F(Button, MouseLeaveTable) {
  Load();
  MoveIn();
  core.MouseLeft();  // no focus, not default: 1
  MoveIn();
  core.MouseDown(1, 0, 50, 16);
  core.MouseLeft();  // pressed: 2
  core.MouseUp(1, 0, 150, 16);
  core.KeyDown(32, 0);
  core.MouseLeft();  // Space held: nothing
  EXPECT_EQ(port.painted, (States{kHot, kNormal, kHot, kPressed, kFocused, kFocused, kPressed}));
}

TEST_F(Button, ResizeHoldsAtLeast100Twips) {
  Load();
  port.width = 5;
  port.height = 40;
  core.Resize();
  EXPECT_EQ(port.width, 7);  // 100 twips at 15 twips per pixel
  EXPECT_EQ(port.height, 40);
  EXPECT_EQ(port.painted, (States{kNormal}));
}

TEST_F(Button, NewInstanceCaptionFromItsSiblings) {
  struct Sibling : Forms::Control {
    Sibling(std::wstring c, std::wstring k) : caption(std::move(c)), kind(std::move(k)) {}
    std::wstring ClassName() const override { return kind; }
    std::wstring Caption() const override { return caption; }
    std::wstring caption, kind;
  };
  Sibling ok(L"&OK", kXPButtonClass), cancel(L"&Cancel", kXPButtonClass), apply(L"&Apply", L"Label");
  controls.Add(&ok);
  controls.Add(&cancel);
  controls.Add(&apply);
  core.InitProperties();
  EXPECT_EQ(core.Caption(), L"&Apply");  // the label does not count
  EXPECT_EQ(site.AccessKey(), L'a');
  EXPECT_TRUE(core.Enabled());
  EXPECT_TRUE(core.FocusRect());
  EXPECT_EQ(core.VisualState(), kNormal);
  apply.kind = kXPButtonClass;
  core.InitProperties();
  EXPECT_EQ(core.Caption(), L"ccXPButton1");
}

TEST_F(Button, PersistsWithDefaultsAndSignalsEveryChange) {
  std::vector<std::wstring> changed;
  site.PropertyChanged = [&](const std::wstring& name) { changed.push_back(name); };
  Forms::PropertyBag stored;
  Forms::FontDesc gothic{L"ＭＳ Ｐゴシック", 9.75f, 400, 128};
  stored.Write(L"Caption", std::wstring(L"設定"), std::wstring(L"&OK"));
  stored.Write(L"Font", gothic, std::wstring(L"Verdana"));
  core.ReadProperties(stored);
  EXPECT_EQ(changed, (std::vector<std::wstring>{L"Caption", L"ForeColor", L"Font", L"FocusRect", L"Enabled"}));
  EXPECT_EQ(port.font, gothic);
  Forms::PropertyBag saved;
  core.WriteProperties(saved);
  EXPECT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved.Read<std::wstring>(L"Caption", L""), L"設定");
  EXPECT_EQ(saved.Read<Forms::FontDesc>(L"Font", {}), gothic);

  // A font left out reads back as the current one, and is stored all the same.
  XPButtonCore fresh(site, port);
  fresh.Initialize();
  fresh.ReadProperties(Forms::PropertyBag{});
  EXPECT_EQ(fresh.Font(), DesignFont());
  Forms::PropertyBag again;
  fresh.WriteProperties(again);
  EXPECT_EQ(again.size(), 1u);
  EXPECT_TRUE(again.Contains(L"Font"));
}

TEST_F(Button, TerminateStopsWatching) {
  Load();
  core.Terminate();
  EXPECT_FALSE(port.watching);
  XPButtonCore designed(site, port);
  site.SetUserMode(false);
  designed.Initialize();
  designed.ReadProperties(Forms::PropertyBag{});
  EXPECT_FALSE(port.watching);  // nothing is watched at design time
}

}  // namespace
