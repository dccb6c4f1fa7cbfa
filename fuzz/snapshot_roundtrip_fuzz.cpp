// The snapshot's round trip: the host's bitmap layout (Bmp24Headers and the
// padded bottom-up rows the session writes after them) read back by the
// renderer's DecodeSnapshot gives the same size and the same pixels, for any
// picture up to 64 x 64 and whatever the padding bytes hold; and one byte
// short, the reader refuses it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "host/session/snapshot_bmp.h"
#include "renderer/scene/snapshot.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const int32_t width = 1 + in.Byte() % 64, height = 1 + in.Byte() % 64;
  const auto headers = Ondrel_B::Bmp24Headers(width, height);
  Check(headers.has_value());
  const size_t stride = Ondrel_B::Bmp24Stride(width);
  Check(stride % 4 == 0 && stride >= static_cast<size_t>(width) * 3 && stride < static_cast<size_t>(width) * 3 + 4);

  // The rows as the session's off-screen image holds them, padding included.
  std::vector<uint8_t> file(*headers);
  file.resize(headers->size() + stride * static_cast<size_t>(height));
  in.Fill(file.data() + headers->size(), file.size() - headers->size());

  SnapshotImage read;
  Check(DecodeSnapshot(file.data(), file.size(), read));
  Check(read.width == width && read.height == height);
  Check(read.length >= stride * static_cast<size_t>(height));
  Check(read.pixels >= file.data() && read.pixels + read.length <= file.data() + file.size());
  const uint8_t* rows = file.data() + headers->size();
  for (int32_t y = 0; y < height; ++y)
    Check(std::memcmp(read.pixels + y * stride, rows + y * stride, static_cast<size_t>(width) * 3) == 0);

  SnapshotImage cut;
  Check(!DecodeSnapshot(file.data(), file.size() - 1, cut));
  return 0;
}
