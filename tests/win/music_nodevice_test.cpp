// The music module on a machine without any waveform output device: CTest
// runs this with a home whose ALSA setup has no sink, so Wine finds none.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include "host/base/ondrel_b.h"
#include "host/music/ondrel_bgm.h"

namespace {

TEST(MusicWithoutDevice, PlayWavDoesNothing) {
  ASSERT_EQ(waveOutGetNumDevs(), 0u) << "this run must see no waveform device";
  const wchar_t* wav = L"C:\\velnora_music_test\\音楽 テスト\\ループ 音.wav";
  ASSERT_NE(GetFileAttributesW(wav), INVALID_FILE_ATTRIBUTES) << "made by make_music.sh";

  const ULONGLONG start = GetTickCount64();
  Ondrel_BGM::PlayWav(wav);
  Ondrel_BGM::StopWav();
  EXPECT_LT(GetTickCount64() - start, 1000u) << "nothing to wait for";
}

}  // namespace
