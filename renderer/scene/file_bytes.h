// Reads a whole file into memory, for the snapshot reader.
#pragma once

#include <cstdint>
#include <vector>

// Larger files cannot be a snapshot the reader accepts.
inline constexpr uint64_t kMaxFileBytes = uint64_t{1} << 30;

// False when the file cannot be opened or read in full, is larger than
// kMaxFileBytes, or its bytes cannot be allocated.
[[nodiscard]] bool ReadFileBytes(const char* path, std::vector<uint8_t>& out);
