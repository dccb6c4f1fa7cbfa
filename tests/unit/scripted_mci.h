// A scripted MCI for the music module's native tests: it answers like a CD
// drive ("cdaudio") and lets a test script any other reply, and it records
// every command string with the reply capacity it was sent with.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/music/mci_seam.h"

namespace velnora_test {

// MCI error codes the scripted drive answers with.
inline constexpr int32_t kInvalidDeviceName = 263;
inline constexpr int32_t kHardware = 262;
inline constexpr int32_t kOutOfRange = 282;
inline constexpr int32_t kUnrecognized = 261;

struct SentCommand {
  std::wstring command;
  size_t capacity;
  bool operator==(const SentCommand& o) const { return command == o.command && capacity == o.capacity; }
};

struct ScriptedMci {
  // The CD drive: a disc of `tracks` tracks, on `track`, in `mode`.
  bool discPresent = true;
  int tracks = 5;
  int track = 1;
  std::wstring mode = L"stopped";

  // Replies that take precedence over the drive, by exact command string.
  std::map<std::wstring, Ondrel_BGM::MciReply> scripted;
  // Descriptions of error codes; a code not listed has none.
  std::map<int32_t, std::wstring> descriptions{{kInvalidDeviceName, L"指定されたデバイスは開かれていません。"}};

  std::vector<SentCommand> sent;
  std::vector<size_t> descriptionCapacities;

  Ondrel_BGM::MciReply Answer(const std::wstring& command);
};

// The device the seam talks to; reset by each test.
ScriptedMci& Mci();
void ResetMci();

}  // namespace velnora_test
