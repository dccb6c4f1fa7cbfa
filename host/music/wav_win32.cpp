// WAV file through the simple sound player, which loops it by itself.
#include <windows.h>
#include <mmsystem.h>

#include "host/music/media_path.h"
#include "host/music/ondrel_bgm.h"

namespace Ondrel_BGM {

void PlayWav(const std::wstring& path) {
  // Without a waveform device there is nothing to play on.
  if (!IsPlayablePath(path) || waveOutGetNumDevs() == 0) return;
  PlaySoundW(path.c_str(), nullptr, SND_ASYNC | SND_LOOP);
}

void StopWav() { PlaySoundW(nullptr, nullptr, 0); }

}  // namespace Ondrel_BGM
