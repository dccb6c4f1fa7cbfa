// How the settings dialog shows a music source: which mark is chosen and
// which of its controls are enabled. Portable: no <windows.h>.
#pragma once

#include <cstdint>

#include "host/base/ondrel_b.h"

namespace Ondrel_B {

struct ChoiceLook {
  int chosen = -1;             // index of the chosen mark; -1 for none
  bool repeatEnabled = false;  // BGM_Repeat: only for the audio CD
  bool fileEnabled = false;    // Cmd_File: only for a music file
};

// A source outside BgmSource chooses no mark and enables neither control.
inline ChoiceLook LookOfChoice(int16_t kind) {
  ChoiceLook look;
  if (kind >= kBgmNone && kind <= kBgmFile) look.chosen = kind;
  look.repeatEnabled = kind == kBgmCd;
  look.fileEnabled = kind == kBgmFile;
  return look;
}

}  // namespace Ondrel_B
