// How the settings dialog shows a music source: which mark is chosen and
// which of its controls are enabled. Portable: no <windows.h>.
#pragma once

#include <cstdint>

namespace Ondrel_B {

struct ChoiceLook {
  int chosen = -1;             // index of the chosen mark; -1 for none
  bool repeat_enabled = false;  // BGM_Repeat: only for the audio CD
  bool file_enabled = false;    // Cmd_File: only for a music file
};

// A source outside 0 to 2 chooses no mark and enables neither control.
inline ChoiceLook LookOfChoice(int16_t kind) {
  ChoiceLook look;
  if (kind >= 0 && kind <= 2) look.chosen = kind;
  look.repeat_enabled = kind == 1;
  look.file_enabled = kind == 2;
  return look;
}

}  // namespace Ondrel_B
