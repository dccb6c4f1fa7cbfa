// The forms runtime on real windows: the load / query-unload / unload
// events in their order, timers owned by the form, the message loop ending
// with the last form, modal display, embedding, and access keys reaching a
// widget through the loop (not through a call of the test's own).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/forms/access_keys_win32.h"
#include "host/forms/form_win32.h"
#include "host/forms/message_loop_win32.h"
#include "host/widgets/cc_xp_button_win32.h"

namespace {

class TestForm : public Forms::Form {
 public:
  explicit TestForm(DWORD style = WS_OVERLAPPEDWINDOW)
      : Form({L"form test", style, 0, RGB(224, 224, 224), 10, 10, 200, 120}) {}

  std::vector<std::string> events;
  bool refuse_close = false;
  Forms::Timer& ticker = AddTimer(10, [this] {
    events.push_back("tick");
    if (++ticks == 3) Close();
  });
  int ticks = 0;
  // Bounds a test that waits for input to arrive.
  Forms::Timer& guard = AddTimer(5000, [this] { Close(); });
  using Form::SetEndsApplication;

 private:
  void OnLoad() override { events.push_back(hWnd() ? "load(window)" : "load(none)"); }
  bool OnQueryUnload() override {
    events.push_back("query-unload");
    return !refuse_close;
  }
  void OnUnload() override { events.push_back(IsWindow(hWnd()) ? "unload(window)" : "unload(gone)"); }
};

using Events = std::vector<std::string>;

TEST(Form, LoadQueryUnloadUnloadInOrderAndARefusedCloseKeepsTheForm) {
  TestForm form;
  ASSERT_TRUE(form.Load());
  EXPECT_FALSE(IsWindowVisible(form.hWnd())) << "loading does not show";
  form.refuse_close = true;
  SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(form.hWnd()));
  form.refuse_close = false;
  const HWND window = form.hWnd();
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(form.events, (Events{"load(window)", "query-unload", "query-unload", "unload(window)"}));
  EXPECT_FALSE(form.ticker.Enabled());
}

TEST(Form, TimersTickUntilTheFormClosesAndTheLastFormEndsTheLoop) {
  TestForm form;
  form.SetEndsApplication(true);
  ASSERT_TRUE(form.Load());
  form.ticker.SetEnabled(true);
  EXPECT_EQ(Forms::RunMessageLoop(), 0);
  EXPECT_EQ(form.events, (Events{"load(window)", "tick", "tick", "tick", "query-unload", "unload(window)"}));
  EXPECT_EQ(form.hWnd(), nullptr);
}

TEST(Form, ModalDisplayReturnsWhenTheFormIsGoneAndKeepsAQuitForTheOuterLoop) {
  TestForm form;
  ASSERT_TRUE(form.Load());
  form.ticker.SetEnabled(true);
  form.ShowModal();  // the third tick closes it
  EXPECT_EQ(form.ticks, 3);

  TestForm second;
  ASSERT_TRUE(second.Load());
  PostQuitMessage(7);
  second.ShowModal();
  EXPECT_TRUE(IsWindow(second.hWnd())) << "a quit request ends the modal wait, not the form";
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request is kept";
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(Form, EmbeddingMakesAChildOfTheGivenWindowWithItsOtherStyleBitsKept) {
  TestForm parent;
  ASSERT_TRUE(parent.Load());
  TestForm child(WS_POPUP | WS_CLIPCHILDREN);
  ASSERT_TRUE(child.Load());
  child.EmbedIn(parent.hWnd());
  EXPECT_EQ(GetParent(child.hWnd()), parent.hWnd());
  const LONG style = GetWindowLongW(child.hWnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_FALSE(style & WS_POPUP);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
}

TEST(Form, TheMessageLoopRoutesAccessKeysAndEscapeToTheFormsButtons) {
  TestForm form;
  ASSERT_TRUE(form.Load());
  form.Show();
  Forms::ControlList controls;
  Forms::WidgetSite site(L"Cmd_Can", {form.hWnd(), false, &controls}, {0xE0E0E0, false, true});
  Widgets::ccXPButton button(site, form.hWnd(), RECT{10, 10, 110, 40}, Ondrel_B::TextsFor(Ondrel_B::Language::Japanese));
  button.ReadProperties(Forms::PropertyBag{});  // caption "&OK": access key o
  int clicks = 0;
  button.Click = [&] {
    if (++clicks == 1) PostMessageW(form.hWnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    if (clicks == 2) form.Close();
  };
  Forms::SetCancelWidget(button.hWnd(), true);
  SetFocus(form.hWnd());
  PostMessageW(form.hWnd(), WM_SYSCHAR, L'o', 0);
  form.guard.SetEnabled(true);
  form.ShowModal();
  EXPECT_EQ(clicks, 2);
}

}  // namespace
