// The music module on the real platform under Wine: MCI's MPEG player, the
// simple sound player and the ALSA file sink that receives what they play.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "host/base/ondrel_b.h"
#include "host/music/mci_command.h"
#include "host/music/mci_seam.h"
#include "host/music/ondrel_bgm.h"
#include "tests/win/audio_sink.h"

namespace {

using namespace Ondrel_BGM;

// Made by make_music.sh: 1.5 s of MP3 and 1.0 s of WAV.
constexpr wchar_t kMp3[] = L"C:\\velnora_music_test\\音楽 テスト\\夜の 曲.mp3";
constexpr wchar_t kWav[] = L"C:\\velnora_music_test\\音楽 テスト\\ループ 音.wav";
constexpr DWORD kWavLengthMs = 1000;

// Polls every 50 ms until the condition holds or the bound has passed.
bool WaitUntil(const std::function<bool()>& done, DWORD boundMs) {
  const ULONGLONG end = GetTickCount64() + boundMs;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(50);
  }
}

// Audio arriving in the next listening window.
bool HeardWithin(velnora_test::AudioSink& sink, DWORD boundMs) {
  sink.Mark();
  return WaitUntil([&] { return sink.AudibleSinceMark(); }, boundMs);
}

// Nothing but silence over a window that starts once a stopped stream has drained.
bool SilentFor(velnora_test::AudioSink& sink, DWORD windowMs) {
  Sleep(300);
  sink.Mark();
  Sleep(windowMs);
  return sink.LoudnessSinceMark() < 0.01;
}

class MusicOnWine : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sink.Configured()) << "run through tools/testenv.sh";
    ASSERT_GT(waveOutGetNumDevs(), 0u) << "the file sink is the waveform device";
    Ondrel_B::Shared() = Ondrel_B::SharedState();
  }
  velnora_test::AudioSink sink;
};

TEST_F(MusicOnWine, Mp3UnderAJapanesePathPlaysRestartsAndCloses) {
  ASSERT_NE(GetFileAttributesW(kMp3), INVALID_FILE_ATTRIBUTES) << "made by make_music.sh";
  sink.Mark();
  Mp3Open(kMp3);
  ASSERT_TRUE(WaitUntil(Mp3IsPlaying, 5000)) << "the open or the play failed";
  EXPECT_EQ(SendMciString(L"status MP3Play mode", kMp3ModeCapacity).text, L"playing");
  EXPECT_TRUE(WaitUntil([&] { return sink.AudibleSinceMark(); }, 5000)) << "nothing reached the sink";

  // The file ends by itself and then only silence arrives.
  ASSERT_TRUE(WaitUntil([] { return !Mp3IsPlaying(); }, 8000)) << "a 1.5 s file still playing";
  EXPECT_TRUE(SilentFor(sink, 400));

  // Playing again from the beginning.
  Mp3KeepAlive();
  ASSERT_TRUE(WaitUntil(Mp3IsPlaying, 3000));
  const MciReply position = SendMciString(L"status MP3Play position", kReplyCapacity);
  ASSERT_EQ(position.code, 0);
  EXPECT_LT(std::stoi(position.text), 1000) << "milliseconds into the file after the restart";
  EXPECT_TRUE(HeardWithin(sink, 3000));

  // While it plays, the keep-alive leaves it alone.
  const int before = std::stoi(SendMciString(L"status MP3Play position", kReplyCapacity).text);
  Mp3KeepAlive();
  const int after = std::stoi(SendMciString(L"status MP3Play position", kReplyCapacity).text);
  EXPECT_GE(after, before);

  Mp3Stop();
  EXPECT_NE(SendMciString(L"status MP3Play mode", kMp3ModeCapacity).code, 0) << "the alias is closed";
  EXPECT_TRUE(SilentFor(sink, 400));
}

// The command goes to the driver in UTF-16, so even a name that code page 932
// cannot spell opens.
TEST_F(MusicOnWine, Mp3NameOutsideCodePage932Opens) {
  const wchar_t* file = L"C:\\velnora_music_test\\Café ♫.mp3";
  ASSERT_NE(GetFileAttributesW(file), INVALID_FILE_ATTRIBUTES);
  Mp3Open(file);
  EXPECT_TRUE(WaitUntil(Mp3IsPlaying, 5000));
  Mp3Stop();
}

TEST_F(MusicOnWine, WavLoopsPastItsLengthUntilStopped) {
  ASSERT_NE(GetFileAttributesW(kWav), INVALID_FILE_ATTRIBUTES) << "made by make_music.sh";
  PlayWav(kWav);
  EXPECT_TRUE(HeardWithin(sink, 3000));
  Sleep(kWavLengthMs * 3 / 2);
  EXPECT_TRUE(HeardWithin(sink, 1000)) << "a 1 s file still sounding after 1.5 s";

  StopWav();
  EXPECT_TRUE(SilentFor(sink, 500));
}

// A real file's path followed by command words: neither player gets it.
TEST_F(MusicOnWine, PathsCarryingCommandWordsPlayNothing) {
  sink.Mark();
  Mp3Open(std::wstring(kMp3) + L"\" wait \"");
  EXPECT_NE(SendMciString(L"status MP3Play mode", kMp3ModeCapacity).code, 0) << "nothing was opened";
  PlayWav(std::wstring(kWav) + L"\t");
  Sleep(600);
  EXPECT_LT(sink.LoudnessSinceMark(), 0.01);
}

TEST_F(MusicOnWine, PlatformErrorsBecomeTextsAndEndTheCdWatch) {
  // Windows answers 263 for an unknown alias, Wine 281: take the platform's code.
  const int32_t code = SendMciString(L"status NoSuchAlias mode", kReplyCapacity).code;
  ASSERT_NE(code, 0);
  EXPECT_EQ(MciStatus(L"status NoSuchAlias mode"), L"Error:" + std::to_wstring(code));
  std::wstring description;
  EXPECT_EQ(MciSend(L"status NoSuchAlias mode", description), code);
  wchar_t expected[kErrorCapacity] = L"";
  ASSERT_TRUE(mciGetErrorStringW(static_cast<MCIERROR>(code), expected, kErrorCapacity));
  EXPECT_EQ(description, expected);

  // No CD drive here: the first poll gives up watching.
  CdOpen();
  Ondrel_B::Shared().KeepPolling = true;
  CdPoll(0);
  EXPECT_FALSE(Ondrel_B::Shared().KeepPolling);
  CdStop();
}

}  // namespace
