#include "host/startup.h"

#include <windows.h>

#include "host/bgm_settings.h"
#include "host/command_line.h"
#include "host/handover.h"
#include "host/ondrel_b.h"
#include "host/paths.h"
#include "host/settings/ini.h"
#include "host/settings/number_text.h"
#include "host/settings/settings_keys.h"

namespace Ondrel_B {
namespace {

constexpr const wchar_t* kMissingRendererText = L"Velnora.dll が同じﾌｫﾙﾀﾞ内に見つかりません！";
constexpr const wchar_t* kAppTitle = L"Velnora(ScreenSaver)";

bool AnotherInstanceIsOpen() {
  // By title alone; FindWindow also sees hidden windows.
  return FindWindowW(nullptr, kSessionTitle) != nullptr ||
         FindWindowW(nullptr, kDialogTitle) != nullptr;
}

// Window handles are 32-bit values that 64-bit Windows sign-extends.
HWND HandleFromValue(uint32_t value) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}

void WriteScreenSize() {
  const int16_t width = static_cast<int16_t>(GetSystemMetrics(SM_CXSCREEN));
  const int16_t height = static_cast<int16_t>(GetSystemMetrics(SM_CYSCREEN));
  WriteIni(kScreenSection, kWidthKey, SignColumn(width), kSettingsFile);
  WriteIni(kScreenSection, kHeightKey, SignColumn(height), kSettingsFile);
}

}  // namespace

void EndProcess() { ExitProcess(0); }

void Startup() {
  if (AnotherInstanceIsOpen()) EndProcess();

  SharedState& s = Shared();
  const std::wstring args = ArgumentText(GetCommandLineW());
  s.ModeLetter = ModeLetterOf(args);

  if (s.ModeLetter == L'P') {
    ShowPreview(HandleFromValue(PreviewParentOf(args)));
    return;
  }

  CreateDirectoryW(kWorkDir, nullptr);  // already there or not creatable: not reported
  LoadBgmSettings();

  if (!FileExists(RendererPath())) {
    MessageBoxW(nullptr, kMissingRendererText, kAppTitle, MB_OK);
    EndProcess();
  }

  if (s.ModeLetter == L'C') {
    ShowSettingsDialog();
    EndProcess();
  }

  if (s.ModeLetter != L'S' && !args.empty()) EndProcess();

  // An empty argument text runs a session too, but leaves the cursor alone.
  if (s.ModeLetter == L'S') s.SavedCursorCount = ShowCursor(FALSE);

  // The session works in physical pixels, so that on a scaled display the
  // recorded size, the snapshot and the renderer's window all agree. The
  // dialog and the preview keep the system's scaling: their layout is in pixels.
  SetProcessDPIAware();
  WriteScreenSize();
  LoadSessionForm();
}

}  // namespace Ondrel_B
