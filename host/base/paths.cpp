#include "host/base/paths.h"

namespace Ondrel_B {

std::wstring DirOf(std::wstring_view path) {
  const size_t cut = path.find_last_of(L":\\");
  if (cut == std::wstring_view::npos) return std::wstring();
  std::wstring dir(path.substr(0, cut + 1));
  if (!dir.empty() && dir.back() == L'\\') dir.pop_back();
  return dir;
}

}  // namespace Ondrel_B
