// Loading the music choice from the settings file into the shared state.
#pragma once

namespace Ondrel_B {

// Fills BgmKind, BgmRepeat, BgmFile and BgmFolder from the "Section" keys.
void LoadBgmSettings();

}  // namespace Ondrel_B
