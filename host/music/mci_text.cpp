// The command layer every status query and play command goes through.
#include <string>

#include "host/music/mci_seam.h"
#include "host/music/mci_command.h"
#include "host/music/ondrel_bgm.h"

namespace Ondrel_BGM {

int32_t MciSend(std::wstring_view command, std::wstring& output) {
  if (command.empty()) {
    output = L"コマンド文字列が指定されていません";
    return -1;
  }
  MciReply reply = SendMciString(command, kReplyCapacity);
  if (reply.code != 0) {
    output = MciErrorDescription(reply.code, kErrorCapacity).value_or(L"Error (文字列が取れません)");
    return reply.code;
  }
  output = std::move(reply.text);
  return 0;
}

std::wstring MciStatus(std::wstring_view command) {
  std::wstring output;
  const int32_t code = MciSend(command, output);
  return code != 0 ? L"Error:" + std::to_wstring(code) : output;
}

int32_t MciPlay(std::wstring_view device, std::wstring_view from, std::wstring_view to) {
  std::wstring command = L"play ";
  command += device;
  if (!from.empty()) (command += L" from ") += from;
  if (!to.empty()) (command += L" to ") += to;
  std::wstring output;
  return MciSend(command, output);
}

}  // namespace Ondrel_BGM
