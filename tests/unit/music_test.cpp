// The music module's command logic against a scripted MCI.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/base/ondrel_b.h"
#include "host/music/mci_command.h"
#include "host/music/media_path.h"
#include "host/music/ondrel_bgm.h"
#include "tests/unit/scripted_mci.h"

namespace {

using namespace Ondrel_BGM;
using velnora_test::Mci;
using velnora_test::SentCommand;
using Sent = std::vector<SentCommand>;

// The first three commands of every poll that gets past the drive checks.
const Sent kPollQueries = {
    {L"status cdaudio current track", kReplyCapacity},
    {L"status cdaudio number of tracks", kReplyCapacity},
    {L"status cdaudio mode", kCdModeCapacity},
};

Sent Then(Sent head, const Sent& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

std::string Print(const Sent& sent) {
  std::string out;
  for (const auto& s : sent) out += testing::PrintToString(s.command) + "/" + std::to_string(s.capacity) + "\n";
  return out;
}

class Music : public testing::Test {
 protected:
  void SetUp() override {
    velnora_test::ResetMci();
    Ondrel_B::Shared() = Ondrel_B::SharedState();
  }
  Ondrel_B::SharedState& shared = Ondrel_B::Shared();
};

TEST_F(Music, OpenAndStopSendTheirCommandsWithoutReplyBuffers) {
  const struct {
    const char* name;
    void (*op)();
    Sent expected;
  } cases[] = {
      {"CdOpen", CdOpen, {{L"open cdaudio", 0}, {L"set cdaudio time format tmsf", 0}}},
      {"CdStop", CdStop, {{L"stop cdaudio", 0}, {L"close cdaudio", 0}}},
      {"Mp3Stop", Mp3Stop, {{L"stop MP3Play", 0}, {L"close MP3Play", 0}}},
  };
  for (const auto& c : cases) {
    Mci().sent.clear();
    c.op();
    EXPECT_EQ(Mci().sent, c.expected) << c.name << "\n" << Print(Mci().sent);
  }
}

TEST_F(Music, FirstPollWithoutRepeatStartsTheStoppedDisc) {
  CdOpen();
  Mci().sent.clear();
  CdPoll(shared.BgmRepeat);
  EXPECT_TRUE(shared.KeepPolling);
  EXPECT_EQ(Mci().sent, Then(kPollQueries, {{L"play cdaudio", kReplyCapacity}})) << Print(Mci().sent);
  EXPECT_EQ(Mci().mode, L"playing");

  // Once playing, polls only look.
  Mci().sent.clear();
  CdPoll(shared.BgmRepeat);
  EXPECT_EQ(Mci().sent, kPollQueries) << Print(Mci().sent);
}

TEST_F(Music, RepeatTrackIsStartedAndJumpedBackTo) {
  const Sent jumpToThree = {{L"status cdaudio position track 3", kReplyCapacity},
                            {L"play cdaudio from 03:00:00:00", kReplyCapacity}};
  const struct {
    const char* name;
    int track;
    const wchar_t* mode;
    Sent after;
  } cases[] = {
      {"stopped disc", 1, L"stopped", jumpToThree},
      {"stopped on the repeat track itself", 3, L"stopped", jumpToThree},
      {"track 4 has begun", 4, L"playing", jumpToThree},
      {"playing another track", 1, L"playing", jumpToThree},
      {"already playing track 3", 3, L"playing", {}},
  };
  for (const auto& c : cases) {
    velnora_test::ResetMci();
    shared.BgmRepeat = 3;
    Mci().track = c.track;
    Mci().mode = c.mode;
    CdPoll(shared.BgmRepeat);
    EXPECT_TRUE(shared.KeepPolling) << c.name;
    EXPECT_EQ(Mci().sent, Then(kPollQueries, c.after)) << c.name << "\n" << Print(Mci().sent);
    EXPECT_EQ(Mci().track, 3) << c.name;
    EXPECT_EQ(Mci().mode, L"playing") << c.name;
  }
}

TEST_F(Music, RepeatTrackSoundsOverAndOver) {
  shared.BgmRepeat = 3;
  CdPoll(shared.BgmRepeat);  // stopped: starts track 3
  ASSERT_EQ(Mci().track, 3);
  for (int turn = 0; turn < 3; ++turn) {
    Mci().track = 4;  // the drive ran on into the next track
    Mci().sent.clear();
    CdPoll(shared.BgmRepeat);
    EXPECT_EQ(Mci().track, 3);
    EXPECT_EQ(Mci().sent.back(), (SentCommand{L"play cdaudio from 03:00:00:00", kReplyCapacity}));
    Mci().sent.clear();
    CdPoll(shared.BgmRepeat);
    EXPECT_EQ(Mci().sent, kPollQueries) << "no new play while on track 3";
  }
}

TEST_F(Music, FailingPollClearsKeepPolling) {
  using velnora_test::ScriptedMci;
  const struct {
    const char* name;
    void (*script)(ScriptedMci&);
    int16_t repeat;
    size_t commandsSent;
  } cases[] = {
      {"no disc", [](ScriptedMci& m) { m.discPresent = false; }, 0, 1},
      {"no disc, repeat set", [](ScriptedMci& m) { m.discPresent = false; }, 3, 1},
      {"track count fails",
       [](ScriptedMci& m) { m.scripted[L"status cdaudio number of tracks"] = {velnora_test::kHardware, L""}; }, 0, 2},
      {"a reply holding err",
       [](ScriptedMci& m) { m.scripted[L"status cdaudio current track"] = {0, L"terror"}; }, 0, 1},
      {"track not a number, repeat set",
       [](ScriptedMci& m) { m.scripted[L"status cdaudio current track"] = {0, L"two"}; }, 3, 3},
      {"empty track, repeat set",
       [](ScriptedMci& m) { m.scripted[L"status cdaudio current track"] = {0, L""}; }, 3, 3},
      {"track beyond int, repeat set",
       [](ScriptedMci& m) { m.scripted[L"status cdaudio current track"] = {0, L"99999999999999999999"}; }, 3, 3},
  };
  for (const auto& c : cases) {
    velnora_test::ResetMci();
    c.script(Mci());
    shared.BgmRepeat = c.repeat;
    shared.KeepPolling = true;
    CdPoll(shared.BgmRepeat);
    EXPECT_FALSE(shared.KeepPolling) << c.name;
    EXPECT_EQ(Mci().sent.size(), c.commandsSent) << c.name << "\n" << Print(Mci().sent);
    EXPECT_EQ(Mci().mode, L"stopped") << c.name << ": nothing may be played";
  }
}

TEST_F(Music, PollSetsKeepPollingAgainAndReadsTracksWithBlanks) {
  shared.KeepPolling = false;
  shared.BgmRepeat = 3;
  Mci().scripted[L"status cdaudio current track"] = {0, L" 3 "};
  Mci().mode = L"playing";
  CdPoll(shared.BgmRepeat);
  EXPECT_TRUE(shared.KeepPolling);
  EXPECT_EQ(Mci().sent, kPollQueries) << Print(Mci().sent);

  // Without a repeat track the track is never read as a number.
  velnora_test::ResetMci();
  shared.BgmRepeat = 0;
  Mci().scripted[L"status cdaudio current track"] = {0, L"two"};
  CdPoll(shared.BgmRepeat);
  EXPECT_TRUE(shared.KeepPolling);
  EXPECT_EQ(Mci().mode, L"playing");
}

TEST_F(Music, PollComparesOnlyTheFirstSevenCharactersOfTheMode) {
  const struct {
    const wchar_t* mode;
    bool startsPlay;
  } cases[] = {{L"stopped", true}, {L"stopped now", true}, {L"stop", false}, {L"Stopped", false},
               {L"paused", false}, {L"not ready", false}};
  for (const auto& c : cases) {
    velnora_test::ResetMci();
    Mci().mode = c.mode;
    CdPoll(shared.BgmRepeat);
    EXPECT_EQ(Mci().sent.size() == 4, c.startsPlay) << testing::PrintToString(std::wstring(c.mode));
  }
}

TEST_F(Music, RepeatTrackBeyondTheDiscStartsNothingAndKeepsPolling) {
  shared.BgmRepeat = 9;  // the disc has 5
  for (int poll = 0; poll < 2; ++poll) {
    Mci().sent.clear();
    CdPoll(shared.BgmRepeat);
    EXPECT_TRUE(shared.KeepPolling);
    EXPECT_EQ(Mci().sent, Then(kPollQueries, {{L"status cdaudio position track 9", kReplyCapacity},
                                              {L"play cdaudio from Error:282", kReplyCapacity}}))
        << Print(Mci().sent);
    EXPECT_EQ(Mci().mode, L"stopped");
  }
}

TEST_F(Music, MciPlayBuildsFourShapes) {
  const struct {
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* command;
  } cases[] = {
      {L"", L"", L"play cdaudio"},
      {L"2", L"", L"play cdaudio from 2"},
      {L"", L"5", L"play cdaudio to 5"},
      {L"2", L"5", L"play cdaudio from 2 to 5"},
  };
  for (const auto& c : cases) {
    velnora_test::ResetMci();
    Mci().scripted[c.command] = {0, L""};
    EXPECT_EQ(MciPlay(L"cdaudio", c.from, c.to), 0) << testing::PrintToString(std::wstring(c.command));
    EXPECT_EQ(Mci().sent, (Sent{{c.command, kReplyCapacity}}));
  }
  velnora_test::ResetMci();
  Mci().scripted[L"play cdaudio from 2"] = {velnora_test::kOutOfRange, L""};
  EXPECT_EQ(MciPlay(L"cdaudio", L"2", L""), velnora_test::kOutOfRange);
}

TEST_F(Music, MciStatusGivesTheReplyOrErrorAndTheCode) {
  Mci().scripted[L"status cdaudio length"] = {0, L"42:10:05"};
  Mci().scripted[L"status nothing mode"] = {263, L""};
  Mci().scripted[L"status other mode"] = {-5, L""};
  EXPECT_EQ(MciStatus(L"status cdaudio length"), L"42:10:05");
  EXPECT_EQ(MciStatus(L"status nothing mode"), L"Error:263");
  EXPECT_EQ(MciStatus(L"status other mode"), L"Error:-5");
  EXPECT_EQ(MciStatus(L""), L"Error:-1");
}

TEST_F(Music, MciSendReportsEmptyCommandsAndErrorsAsText) {
  std::wstring out = L"old";
  EXPECT_EQ(MciSend(L"", out), -1);
  EXPECT_EQ(out, L"コマンド文字列が指定されていません");
  EXPECT_TRUE(Mci().sent.empty()) << "an empty command never reaches the platform";

  Mci().scripted[L"status cdaudio current track"] = {0, L"7"};
  EXPECT_EQ(MciSend(L"status cdaudio current track", out), 0);
  EXPECT_EQ(out, L"7");

  EXPECT_EQ(MciSend(L"close nothing", out), velnora_test::kUnrecognized);
  EXPECT_EQ(out, L"Error (文字列が取れません)") << "code 261 has no description here";

  Mci().scripted[L"close nothing"] = {263, L""};
  EXPECT_EQ(MciSend(L"close nothing", out), 263);
  EXPECT_EQ(out, L"指定されたデバイスは開かれていません。");
  EXPECT_EQ(Mci().descriptionCapacities, (std::vector<size_t>{kErrorCapacity, kErrorCapacity}));
  for (const auto& s : Mci().sent) EXPECT_EQ(s.capacity, kReplyCapacity);
}

TEST_F(Music, Mp3OpenQuotesThePathAndPlaysOnlyAfterASuccessfulOpen) {
  const std::wstring path = L"C:\\My Music\\夜の 曲.mp3";
  const std::wstring open = L"open \"C:\\My Music\\夜の 曲.mp3\" type MPEGVideo Alias MP3Play";
  const struct {
    int32_t openCode;
    Sent expected;
  } cases[] = {
      {0, {{open, 0}, {L"play MP3Play", 0}}},
      {275, {{open, 0}}},  // file not found
      {-1, {{open, 0}}},
  };
  for (const auto& c : cases) {
    velnora_test::ResetMci();
    Mci().scripted[open] = {c.openCode, L""};
    Mp3Open(path);
    EXPECT_EQ(Mci().sent, c.expected) << "open answered " << c.openCode << "\n" << Print(Mci().sent);
  }
}

TEST_F(Music, PathsWithAQuoteOrAControlCharacterReachNoDevice) {
  const std::wstring hostile[] = {
      L"C:\\m\\a\"b.mp3",
      // Would close the quoted path and add its own words to the open command.
      L"C:\\m\\x.mp3\" type waveaudio alias MP3Play wait \"y",
      L"\"", L"C:\\m\\tab\there.mp3", L"C:\\m\\line\n.mp3", L"C:\\m\\cr\r.mp3",
      L"C:\\m\\esc\x1b.mp3", L"C:\\m\\del\x7f.mp3", L"C:\\m\\c1\x85.mp3", L"C:\\m\\c1\x9f.mp3",
      std::wstring(L"C:\\m\\nul\0.mp3", 13), L"",
  };
  for (const std::wstring& path : hostile) {
    velnora_test::ResetMci();
    Mp3Open(path);
    EXPECT_TRUE(Mci().sent.empty()) << testing::PrintToString(path) << "\n" << Print(Mci().sent);
    EXPECT_FALSE(IsPlayablePath(path)) << testing::PrintToString(path);
    EXPECT_FALSE(PathCommand(L"open ", path, L" type MPEGVideo Alias MP3Play")) << testing::PrintToString(path);
  }
}

TEST_F(Music, EveryOtherPathIsQuotedWhole) {
  // Look-alikes of the quote and the characters around the control ranges are file-name characters.
  const std::wstring fine[] = {
      L"C:\\My Music\\夜の 曲.mp3", L"C:\\m\\＂全角＂.mp3", L"C:\\m\\“curly”.mp3", L"C:\\m\\it's.mp3",
      L"C:\\m\\ .mp3", L"C:\\m\\~\xa0\x7e.mp3", L"\\\\server\\share\\a.mp3", L"x",
  };
  for (const std::wstring& path : fine) {
    velnora_test::ResetMci();
    const std::wstring open = L"open \"" + path + L"\" type MPEGVideo Alias MP3Play";
    EXPECT_TRUE(IsPlayablePath(path)) << testing::PrintToString(path);
    EXPECT_EQ(PathCommand(L"open ", path, L" type MPEGVideo Alias MP3Play"), open);
    Mci().scripted[open] = {0, L""};
    Mp3Open(path);
    EXPECT_EQ(Mci().sent, (Sent{{open, 0}, {L"play MP3Play", 0}})) << Print(Mci().sent);
  }
}

TEST_F(Music, Mp3KeepAliveRestartsFromTheBeginningUnlessPlaying) {
  const Sent query = {{L"status MP3Play mode", kMp3ModeCapacity}};
  const Sent restart = Then(query, {{L"stop MP3Play", 0}, {L"play MP3Play from 0", 0}});
  const struct {
    int32_t code;
    const wchar_t* mode;
    bool playing;
  } cases[] = {
      {0, L"playing", true}, {0, L"playing back", true}, {0, L"stopped", false},
      {0, L"paused", false}, {0, L"play", false},         {263, L"", false},
  };
  for (const auto& c : cases) {
    velnora_test::ResetMci();
    Mci().scripted[L"status MP3Play mode"] = {c.code, c.mode};
    EXPECT_EQ(Mp3IsPlaying(), c.playing) << testing::PrintToString(std::wstring(c.mode));
    Mci().sent.clear();
    Mp3KeepAlive();
    EXPECT_EQ(Mci().sent, c.playing ? query : restart) << testing::PrintToString(std::wstring(c.mode));
  }
}

}  // namespace
