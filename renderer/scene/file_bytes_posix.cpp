#include <cstdio>
#include <memory>
#include <new>

#include "renderer/scene/file_bytes.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool ReadFileBytes(const char* path, std::vector<uint8_t>& out) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
  if (!file) return false;
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file.get());
  if (size < 0 || static_cast<uint64_t>(size) > kMaxFileBytes) return false;
  std::rewind(file.get());
  try {
    out.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return std::fread(out.data(), 1, out.size(), file.get()) == out.size();
}
