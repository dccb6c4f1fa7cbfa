#include "host/app/startup.h"

#include <windows.h>

#include "desk/system/monitors_win32.h"
#include "host/app/command_line.h"
#include "host/base/names.h"
#include "host/base/ondrel_b.h"
#include "host/base/paths.h"
#include "host/base/ui_texts.h"
#include "host/preview/preview_form_win32.h"
#include "host/session/monitor_layout.h"
#include "host/session/session_form_win32.h"
#include "host/settings/bgm_settings.h"
#include "host/settings/ini.h"
#include "host/settings/number_text.h"
#include "host/settings/settings_dialog_win32.h"

namespace Ondrel_B {
namespace {

constexpr const wchar_t* kAppTitle = L"Velnora(ScreenSaver)";

// The one choice of language: Japanese where the user's Windows speaks it, else English.
const UiTexts& TextsOfUser() {
  const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
  return TextsFor(japanese ? Language::Japanese : Language::English);
}

bool AnotherInstanceIsOpen() {
  // By title alone; FindWindow also sees hidden windows.
  return FindWindowW(nullptr, kSessionTitle) != nullptr ||
         FindWindowW(nullptr, kDialogTitle) != nullptr;
}

void WriteScreenSize() {
  const int16_t width = static_cast<int16_t>(GetSystemMetrics(SM_CXSCREEN));
  const int16_t height = static_cast<int16_t>(GetSystemMetrics(SM_CYSCREEN));
  WriteIni(kScreenSection, kWidthKey, SignColumn(width), kSettingsFile);
  WriteIni(kScreenSection, kHeightKey, SignColumn(height), kSettingsFile);
}

// The monitors beyond the primary, for the renderer, written anew at every
// session; a desk of one monitor keeps no such section, and deleting one
// that is not there writes nothing.
void WriteMonitorList(const std::vector<MonitorRect>& further) {
  DeleteIniSection(kMonitorsSection, kSettingsFile);
  for (size_t i = 0; i < further.size(); ++i) {
    WriteIni(kMonitorsSection, Desk::MonitorKey<wchar_t>(i + 1), MonitorValue(further[i]), kSettingsFile);
  }
}

// The session works in physical pixels on every monitor, so that the
// recorded sizes, the snapshots and the renderer's windows all agree, also
// on a scaled further monitor: per-monitor aware (version 2, Windows 10 1703
// on), else system aware. The dialog and the preview keep the system's
// scaling: their layout is in pixels.
void MakeSessionDpiAware() {
  using SetAwarenessContext = BOOL(WINAPI*)(HANDLE);
  const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(-4);  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
  const FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext");
  const auto set = reinterpret_cast<SetAwarenessContext>(reinterpret_cast<void*>(proc));
  if (!set || !set(perMonitorV2)) SetProcessDPIAware();
}

}  // namespace

StartupResult Startup() {
  if (AnotherInstanceIsOpen()) return StartupResult::End;

  SharedState& s = Shared();
  const UiTexts& texts = TextsOfUser();
  const std::wstring args = ArgumentText(GetCommandLineW());
  s.modeLetter = ModeLetterOf(args);

  if (s.modeLetter == L'P') {
    return ShowPreview(PreviewParentOf(args)) ? StartupResult::RunMessageLoop : StartupResult::End;
  }

  CreateDirectoryW(kWorkDir, nullptr);  // already there or not creatable: not reported
  LoadBgmSettings();

  if (!FileExists(RendererPath())) {
    MessageBoxW(nullptr, texts.missingRenderer, kAppTitle, MB_OK);
    return StartupResult::End;
  }

  // The settings dialog, without an owner; whatever follows the letter is ignored.
  if (s.modeLetter == L'C') {
    ShowSettingsDialog(texts);
    return StartupResult::End;
  }

  if (s.modeLetter != L'S' && !args.empty()) return StartupResult::End;

  // An empty argument text runs a session too, but leaves the cursor alone.
  if (s.modeLetter == L'S') s.SavedCursorCount = ShowCursor(FALSE);

  MakeSessionDpiAware();
  WriteScreenSize();
  const std::vector<MonitorRect> further = FurtherMonitors(Desk::MonitorsNow());
  WriteMonitorList(further);
  return LoadSessionForm(further) ? StartupResult::RunMessageLoop : StartupResult::End;
}

}  // namespace Ondrel_B
