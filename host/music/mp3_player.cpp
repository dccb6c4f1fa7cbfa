// MP3 file under the alias "MP3Play" (the MPEGVideo device), restarted by
// the session's one-second timer whenever it has stopped.
#include <string>

#include "host/music/mci_command.h"
#include "host/music/mci_seam.h"
#include "host/music/media_path.h"
#include "host/music/ondrel_bgm.h"

namespace Ondrel_BGM {

void Mp3Open(const std::wstring& path) {
  const auto open = PathCommand(L"open ", path, L" type MPEGVideo Alias MP3Play");
  if (open && SendMciString(*open, 0).code == 0) SendMciString(L"play MP3Play", 0);
}

bool Mp3IsPlaying() {
  return SendMciString(L"status MP3Play mode", kMp3ModeCapacity).text.compare(0, 7, L"playing") == 0;
}

void Mp3KeepAlive() {
  if (Mp3IsPlaying()) return;
  SendMciString(L"stop MP3Play", 0);
  SendMciString(L"play MP3Play from 0", 0);
}

void Mp3Stop() {
  SendMciString(L"stop MP3Play", 0);
  SendMciString(L"close MP3Play", 0);
}

}  // namespace Ondrel_BGM
