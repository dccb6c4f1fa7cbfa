// SendMciString on the platform's MCI. The W form takes the host's UTF-16
// text as it is, so a music path reaches the driver intact on any code page;
// on a code-page-932 system the A form would convert to exactly this.
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "host/music/mci_seam.h"

namespace Ondrel_BGM {

MciReply SendMciString(std::wstring_view command, size_t capacity) {
  const std::wstring text(command);
  std::vector<wchar_t> buffer(capacity + 1, L'\0');  // +1: a NUL even if the driver fills it
  const MCIERROR code =
      mciSendStringW(text.c_str(), capacity ? buffer.data() : nullptr, static_cast<UINT>(capacity), nullptr);
  return {static_cast<int32_t>(code), std::wstring(buffer.data())};
}

std::optional<std::wstring> MciErrorDescription(int32_t code, size_t capacity) {
  std::vector<wchar_t> buffer(capacity + 1, L'\0');
  if (!mciGetErrorStringW(static_cast<MCIERROR>(code), buffer.data(), static_cast<UINT>(capacity)))
    return std::nullopt;
  return std::wstring(buffer.data());
}

}  // namespace Ondrel_BGM
