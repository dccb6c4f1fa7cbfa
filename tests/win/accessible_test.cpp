// The events a screen reader follows the runtime's controls by, in-process:
// each names the control that changed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "host/forms/combo_box_win32.h"
#include "host/forms/label_win32.h"
#include "host/widgets/cc_xp_button_win32.h"
#include "test_form_win32.h"

namespace {

using testing_support::Pump;
using testing_support::TestForm;
using Event = std::pair<DWORD, HWND>;

std::vector<Event>* g_events = nullptr;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (g_events && object == OBJID_CLIENT && child == CHILDID_SELF) g_events->push_back({event, window});
}

class Reader : public testing::Test {
 protected:
  Reader() : site(form.Site(L"Cmd_Set")), button(site, form.hWnd(), RECT{40, 40, 153, 73}, Ondrel_B::TextsFor(Ondrel_B::Language::Japanese)) {
    button.ReadProperties(Forms::PropertyBag{});  // "&OK", enabled
    label.Create(form.hWnd(), RECT{40, 100, 0, 0}, Forms::LabelLook{}, L"なし");
    combo.Create(form.hWnd(), 40, 130, 60, nullptr);
    Pump();
  }

  // The events raised while `change` runs, once they are delivered.
  template <typename Change>
  std::vector<Event> EventsOf(Change change) {
    std::vector<Event> events;
    g_events = &events;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Record,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    change();
    Pump();
    UnhookWinEvent(hook);
    g_events = nullptr;
    return events;
  }

  TestForm form;
  Forms::WidgetSite site;
  Widgets::ccXPButton button;
  Forms::Label label;
  Forms::ComboBox combo;
};

TEST_F(Reader, FocusStateNameAndValueChangesAreAnnouncedForTheControlThatChanged) {
  const HWND b = button.hWnd();
  struct Case {
    const char* what;
    std::function<void()> change;
    DWORD event;
    HWND window;
  };
  const Case cases[] = {
      {"focus moves to the button (the system tells of it)", [&] { SetFocus(b); }, EVENT_OBJECT_FOCUS, b},
      {"the button is disabled", [&] { button.SetEnabled(false); }, EVENT_OBJECT_STATECHANGE, b},
      {"the button's caption changes", [&] { button.SetCaption(L"&Other"); }, EVENT_OBJECT_NAMECHANGE, b},
      {"the label's text changes", [&] { label.SetText(L"音楽CD"); }, EVENT_OBJECT_NAMECHANGE, label.hWnd()},
      {"the combo box's text changes", [&] { combo.SetText(L"7"); }, EVENT_OBJECT_VALUECHANGE, combo.hWnd()},
  };
  for (const Case& c : cases) {
    const std::vector<Event> seen = EventsOf(c.change);
    EXPECT_NE(std::find(seen.begin(), seen.end(), Event{c.event, c.window}), seen.end()) << c.what;
  }
}

}  // namespace
