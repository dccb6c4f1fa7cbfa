#include "host/app/startup.h"

#include <windows.h>

#include "host/app/command_line.h"
#include "host/base/names.h"
#include "host/base/ondrel_b.h"
#include "host/base/paths.h"
#include "host/preview/preview_form_win32.h"
#include "host/session/session_form_win32.h"
#include "host/settings/bgm_settings.h"
#include "host/settings/ini.h"
#include "host/settings/number_text.h"
#include "host/settings/settings_dialog_win32.h"

namespace Ondrel_B {
namespace {

constexpr const wchar_t* kMissingRendererText = L"Velnora.dll が同じﾌｫﾙﾀﾞ内に見つかりません！";
constexpr const wchar_t* kAppTitle = L"Velnora(ScreenSaver)";

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

}  // namespace

StartupResult Startup() {
  if (AnotherInstanceIsOpen()) return StartupResult::End;

  SharedState& s = Shared();
  const std::wstring args = ArgumentText(GetCommandLineW());
  s.ModeLetter = ModeLetterOf(args);

  if (s.ModeLetter == L'P') {
    return ShowPreview(PreviewParentOf(args)) ? StartupResult::RunMessageLoop : StartupResult::End;
  }

  CreateDirectoryW(kWorkDir, nullptr);  // already there or not creatable: not reported
  LoadBgmSettings();

  if (!FileExists(RendererPath())) {
    MessageBoxW(nullptr, kMissingRendererText, kAppTitle, MB_OK);
    return StartupResult::End;
  }

  // The settings dialog, without an owner; whatever follows the letter is ignored.
  if (s.ModeLetter == L'C') {
    ShowSettingsDialog();
    return StartupResult::End;
  }

  if (s.ModeLetter != L'S' && !args.empty()) return StartupResult::End;

  // An empty argument text runs a session too, but leaves the cursor alone.
  if (s.ModeLetter == L'S') s.SavedCursorCount = ShowCursor(FALSE);

  // The session works in physical pixels, so that on a scaled display the
  // recorded size, the snapshot and the renderer's window all agree. The
  // dialog and the preview keep the system's scaling: their layout is in pixels.
  SetProcessDPIAware();
  WriteScreenSize();
  return LoadSessionForm() ? StartupResult::RunMessageLoop : StartupResult::End;
}

}  // namespace Ondrel_B
