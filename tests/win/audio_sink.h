// Reads what Wine played from the ALSA file sink ($VELNORA_AUDIO_SINK).
// The sink holds raw samples in the format of the stream that opened it
// (16-bit for the sound player, 32-bit float for the MPEG player); silence is
// zero bytes in both. Every new stream truncates the file, so a file shorter
// than the mark means a new stream began and is read from its start.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velnora_test {

class AudioSink {
 public:
  AudioSink() {
    wchar_t unixPath[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"VELNORA_AUDIO_SINK", unixPath, MAX_PATH);
    if (unixPath[0] == L'\0') return;
    path_ = std::wstring(L"Z:") + unixPath;  // Wine maps the Unix root to Z:
    for (wchar_t& c : path_)
      if (c == L'/') c = L'\\';
  }
  bool Configured() const { return !path_.empty(); }

  // Starts a new listening window at the sink's current end.
  void Mark() { mark_ = Size(); }

  // Fraction of 16-bit words since the mark whose magnitude exceeds 512
  // (about -36 dB for 16-bit samples; any float sample louder than 1e-7 has
  // a high word far above it). 0 when nothing arrived.
  double LoudnessSinceMark() const {
    const std::vector<short> words = ReadSinceMark();
    if (words.empty()) return 0;
    size_t loud = 0;
    for (short w : words) loud += (w > 512 || w < -512);
    return static_cast<double>(loud) / static_cast<double>(words.size());
  }
  bool AudibleSinceMark() const { return LoudnessSinceMark() > 0.05; }

 private:
  long long Size() const {
    WIN32_FILE_ATTRIBUTE_DATA d;
    if (!GetFileAttributesExW(path_.c_str(), GetFileExInfoStandard, &d)) return 0;
    return (static_cast<long long>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
  }

  std::vector<short> ReadSinceMark() const {
    std::vector<short> words;
    const File file{CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr)};
    const HANDLE h = file.handle;
    if (h == INVALID_HANDLE_VALUE) return words;
    LARGE_INTEGER size{}, from{};
    GetFileSizeEx(h, &size);
    from.QuadPart = size.QuadPart >= mark_ ? mark_ : 0;
    words.resize(static_cast<size_t>((size.QuadPart - from.QuadPart) / 2));
    DWORD got = 0;
    if (!SetFilePointerEx(h, from, nullptr, FILE_BEGIN) ||
        !ReadFile(h, words.data(), static_cast<DWORD>(words.size() * 2), &got, nullptr))
      got = 0;
    words.resize(got / 2);
    return words;
  }

  struct File {
    HANDLE handle;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() {
      if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
  };

  std::wstring path_;
  long long mark_ = 0;
};

}  // namespace velnora_test
