// The push button on a real window, driven by synthesized window messages:
// pointer, keys, access key, parent activation and the leave notification.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/forms/access_keys_win32.h"
#include "host/widgets/cc_xp_button_win32.h"
#include "tests/win/test_form_win32.h"

namespace {

using namespace Widgets;
using testing_support::TestForm;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class ButtonWindow : public testing::Test {
 protected:
  ButtonWindow() : site(form.Site(L"Cmd_Set")), button(site, form.hWnd(), RECT{40, 40, 40 + 113, 40 + 33}, Ondrel_B::TextsFor(Ondrel_B::Language::Japanese)) {
    button.Click = [this] { events.push_back("Click"); };
    button.DblClick = [this] { events.push_back("DblClick"); };
    button.MouseMove = [this](int16_t, int16_t, float, float) { ++moves; };
    button.FormActivate = [this](int32_t& state) { events.push_back("FormActivate" + std::to_string(state)); };
    button.ReadProperties(Forms::PropertyBag{});  // caption "&OK"
    button.SnapMouseTo();  // keep the real pointer where the messages say it is
    Send(form.hWnd(), WM_ACTIVATE, WA_ACTIVE);
    events.clear();
  }
  void Send(HWND to, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { SendMessageW(to, msg, wp, lp); }
  void ToButton(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { Send(button.hWnd(), msg, wp, lp); }
  int Shown() const { return button.state().VisualState(); }

  TestForm form;
  Forms::WidgetSite site;
  ccXPButton button;
  std::vector<std::string> events;
  int moves = 0;
};

using Events = std::vector<std::string>;

TEST_F(ButtonWindow, PressDragOutReleaseOutsideThenReenterReleaseInside) {
  ToButton(WM_MOUSEMOVE, 0, At(50, 16));
  EXPECT_EQ(Shown(), kHot);
  ToButton(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 16));
  EXPECT_EQ(Shown(), kPressed);
  EXPECT_EQ(GetFocus(), button.hWnd());
  EXPECT_EQ(GetCapture(), button.hWnd());
  ToButton(WM_MOUSEMOVE, MK_LBUTTON, At(200, 16));
  EXPECT_EQ(Shown(), kFocused);
  ToButton(WM_LBUTTONUP, 0, At(200, 16));
  EXPECT_EQ(Shown(), kFocused);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(GetCapture(), nullptr);

  ToButton(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 16));
  ToButton(WM_MOUSEMOVE, MK_LBUTTON, At(-20, 16));
  ToButton(WM_MOUSEMOVE, MK_LBUTTON, At(60, 16));
  EXPECT_EQ(Shown(), kPressed);
  ToButton(WM_LBUTTONUP, 0, At(60, 16));
  EXPECT_EQ(Shown(), kHot);
  EXPECT_EQ(events, Events{"Click"});
  EXPECT_EQ(moves, 4);
}

TEST_F(ButtonWindow, DoubleClickRaisesClickOnceThenDblClick) {
  ToButton(WM_MOUSEMOVE, 0, At(50, 16));
  ToButton(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 16));
  ToButton(WM_LBUTTONUP, 0, At(50, 16));
  ToButton(WM_LBUTTONDBLCLK, MK_LBUTTON, At(50, 16));
  EXPECT_EQ(Shown(), kPressed);
  ToButton(WM_LBUTTONUP, 0, At(50, 16));
  EXPECT_EQ(Shown(), kHot);
  EXPECT_EQ(events, (Events{"Click", "DblClick"}));
}

TEST_F(ButtonWindow, AccessKeyWhileSpaceIsHeldCancelsThePress) {
  SetFocus(button.hWnd());
  ToButton(WM_KEYDOWN, VK_SPACE);
  EXPECT_EQ(Shown(), kPressed);
  EXPECT_TRUE(Forms::RouteAccessKey(MSG{form.hWnd(), WM_SYSCHAR, L'O', 0, 0, {}}));
  EXPECT_EQ(Shown(), kFocused);
  ToButton(WM_KEYUP, VK_SPACE);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(Shown(), kFocused);

  EXPECT_TRUE(Forms::RouteAccessKey(MSG{form.hWnd(), WM_SYSCHAR, L'o', 0, 0, {}}));
  EXPECT_FALSE(Forms::RouteAccessKey(MSG{form.hWnd(), WM_SYSCHAR, L'k', 0, 0, {}}));
  EXPECT_EQ(events, Events{"Click"});
}

TEST_F(ButtonWindow, ParentDeactivationWhilePressedThenHoverIsIgnored) {
  ToButton(WM_MOUSEMOVE, 0, At(50, 16));
  ToButton(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 16));
  Send(form.hWnd(), WM_ACTIVATE, WA_INACTIVE);
  EXPECT_EQ(Shown(), kNormal);
  ToButton(WM_LBUTTONUP, 0, At(50, 16));
  EXPECT_EQ(events, Events{"FormActivate0"});
  const int moves_before = moves;
  ToButton(WM_MOUSEMOVE, 0, At(70, 10));
  EXPECT_EQ(Shown(), kNormal);
  EXPECT_EQ(moves, moves_before);
  Send(form.hWnd(), WM_ACTIVATE, WA_ACTIVE);
  EXPECT_EQ(Shown(), kHot);
  EXPECT_EQ(events.back(), "FormActivate1");
}

TEST_F(ButtonWindow, EnterClicksWithoutAPressedLookAndLeavingUnhovers) {
  SetFocus(button.hWnd());
  ASSERT_EQ(Shown(), kFocused);
  ToButton(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Shown(), kFocused);
  EXPECT_EQ(events, Events{"Click"});
  ToButton(WM_MOUSEMOVE, 0, At(50, 16));
  EXPECT_EQ(Shown(), kHot);
  ToButton(WM_MOUSELEAVE);
  EXPECT_FALSE(button.state().IsMouseOver());
  EXPECT_EQ(Shown(), kFocused);
}

TEST_F(ButtonWindow, NewInstanceTakesTheNextFreeCaption) {
  form.controls.Add(&button);
  Forms::WidgetSite second_site = form.Site(L"ccXPButton2");
  ccXPButton second(second_site, form.hWnd(), RECT{200, 40, 313, 73}, Ondrel_B::TextsFor(Ondrel_B::Language::Japanese));
  second.InitProperties();
  EXPECT_EQ(second.Caption(), L"&Cancel");
  EXPECT_EQ(second_site.AccessKey(), L'c');
  form.controls.Remove(&button);
}

TEST_F(ButtonWindow, DisabledWindowAndEnabledRules) {
  button.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button.hWnd()));
  EXPECT_EQ(Shown(), kDisabled);
  EXPECT_FALSE(Forms::RouteAccessKey(MSG{form.hWnd(), WM_SYSCHAR, L'o', 0, 0, {}}));
  button.SetEnabled(true);
  EXPECT_EQ(Shown(), kNormal);
}

}  // namespace
