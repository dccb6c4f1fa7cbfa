#include "host/session/curtain_win32.h"

#include <algorithm>
#include <cwchar>

#include "desk/system/monitors_win32.h"
#include "host/base/names.h"
#include "host/forms/form_win32.h"
#include "host/session/session_rules.h"

namespace Ondrel_B {
namespace {

// Whether a WM_INPUT's data is the Escape key going down.
bool IsEscapeDown(LPARAM rawInput) {
  RAWINPUT input{};
  UINT size = sizeof input;
  if (GetRawInputData(reinterpret_cast<HRAWINPUT>(rawInput), RID_INPUT, &input, &size, sizeof(RAWINPUTHEADER)) ==
      static_cast<UINT>(-1)) {
    return false;
  }
  return input.header.dwType == RIM_TYPEKEYBOARD && input.data.keyboard.VKey == VK_ESCAPE &&
         !(input.data.keyboard.Flags & RI_KEY_BREAK);
}

}  // namespace

class CurtainPanel final : public Forms::Form {
 public:
  CurtainPanel(const MonitorRect& area, const std::function<void()>& onEscape)
      : Form({kCurtainTitle, WS_POPUP, WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, 0x000000, area.left,
              area.top, area.width, area.height}),
        area_(area),
        onEscape_(onEscape) {}
  const MonitorRect& area() const { return area_; }
  // Places the panel beneath that window (or at the top of the topmost band).
  void PlaceBelow(HWND window) {
    placing_ = true;
    SetWindowPos(hWnd(), window, area_.left, area_.top, area_.width, area_.height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    placing_ = false;
  }

 private:
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override {
    switch (message) {
      case WM_INPUT:
        if (IsEscapeDown(lparam)) onEscape_();
        result = CallDefault(message, wparam, lparam);
        return true;
      case WM_WINDOWPOSCHANGING:
        // Only the curtain itself places a panel: taking the keyboard never
        // lifts it over the renderer.
        if (!placing_) reinterpret_cast<WINDOWPOS*>(lparam)->flags |= SWP_NOZORDER;
        return false;
      case WM_MOUSEACTIVATE:
        result = MA_NOACTIVATE;
        return true;
      case WM_SETCURSOR:
        SetCursor(nullptr);
        result = TRUE;
        return true;
      default:
        return false;
    }
  }

  const MonitorRect area_;
  const std::function<void()>& onEscape_;
  bool placing_ = false;
};

namespace {

// The renderer's visible windows: the areas they lie over, and the lowest.
struct RendererViews {
  std::vector<MonitorRect> areas;
  HWND lowest = nullptr;
};

BOOL CALLBACK NoteRendererView(HWND window, LPARAM param) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if ((wcscmp(name, kRendererClass) == 0 || wcscmp(name, kRendererMonitorClass) == 0) && IsWindowVisible(window)) {
    auto& views = *reinterpret_cast<RendererViews*>(param);
    RECT r{};
    GetWindowRect(window, &r);
    views.areas.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
    views.lowest = window;  // the enumeration goes from the top down
  }
  return TRUE;
}

RendererViews FindRendererViews() {
  RendererViews views;
  EnumWindows(NoteRendererView, reinterpret_cast<LPARAM>(&views));
  return views;
}

}  // namespace

Curtain::Curtain(std::function<void()> onEscape) : onEscape_(std::move(onEscape)) {}
Curtain::~Curtain() = default;

void Curtain::Cover(const std::vector<MonitorRect>& areas) {
  for (const MonitorRect& area : areas) Open(area, HWND_TOPMOST);
  HearKeyboard();
}

void Curtain::Follow() {
  std::vector<MonitorRect> monitors;
  for (const DeskMonitor& m : Desk::MonitorsNow()) monitors.push_back(m.area);
  std::vector<MonitorRect> covered;
  for (const auto& panel : panels_) covered.push_back(panel->area());
  const RendererViews views = FindRendererViews();
  const std::vector<MonitorRect> wanted = CurtainAreas(covered, monitors, views.areas);
  if (wanted == covered) return;
  std::vector<std::unique_ptr<CurtainPanel>> kept;
  for (auto& panel : panels_) {
    if (std::find(wanted.begin(), wanted.end(), panel->area()) != wanted.end()) kept.push_back(std::move(panel));
  }
  panels_ = std::move(kept);
  for (const MonitorRect& area : wanted) {
    if (std::find(covered.begin(), covered.end(), area) != covered.end()) continue;
    // A new panel lies beneath every renderer window, never over one.
    Open(area, views.lowest ? views.lowest : HWND_BOTTOM);
  }
  HearKeyboard();
}

void Curtain::TakeKeyboard() {
  if (panels_.empty() || GetForegroundWindow() == panels_.front()->hWnd()) return;
  HWND panel = panels_.front()->hWnd();
  SetForegroundWindow(panel);
  SetFocus(panel);
}

void Curtain::Open(const MonitorRect& area, HWND below) {
  auto panel = std::make_unique<CurtainPanel>(area, onEscape_);
  if (!panel->Load()) return;
  panel->PlaceBelow(below);
  panels_.push_back(std::move(panel));
}

// Raw keyboard input for the first panel, also while another process has
// the foreground: the system delivers it whatever that process does.
void Curtain::HearKeyboard() {
  HWND first = panels_.empty() ? nullptr : panels_.front()->hWnd();
  if (first == hearing_) return;
  RAWINPUTDEVICE keyboard{};
  keyboard.usUsagePage = 0x01;  // generic desktop controls
  keyboard.usUsage = 0x06;      // keyboard
  keyboard.dwFlags = first ? RIDEV_INPUTSINK : RIDEV_REMOVE;
  keyboard.hwndTarget = first;
  if (RegisterRawInputDevices(&keyboard, 1, sizeof keyboard)) hearing_ = first;
}

}  // namespace Ondrel_B
