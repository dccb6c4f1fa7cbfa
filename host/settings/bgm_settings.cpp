#include "host/settings/bgm_settings.h"

#include "host/base/ondrel_b.h"
#include "host/base/paths.h"
#include "host/settings/ini.h"
#include "host/settings/number_text.h"
#include "host/base/names.h"

namespace Ondrel_B {

void LoadBgmSettings() {
  SharedState& s = Shared();
  s.BgmKind = ReadWholeNumber(GetIni(kMusicSection, kBgmKindKey, kSettingsFile)).value_or(0);
  s.BgmRepeat = ReadWholeNumber(GetIni(kMusicSection, kBgmRepeatKey, kSettingsFile)).value_or(0);

  s.BgmFile = GetIni(kMusicSection, kBgmFileKey, kSettingsFile);
  if (!s.BgmFile.empty() && !FileExists(s.BgmFile)) s.BgmFile.clear();
  if (s.BgmFile.empty() && s.BgmKind == kBgmFile) s.BgmKind = kBgmNone;

  s.BgmFolder = s.BgmFile.empty() ? HostFolder() : DirOf(s.BgmFile);
}

}  // namespace Ondrel_B
