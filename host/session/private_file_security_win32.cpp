#include "host/session/private_file_security_win32.h"

#include <memory>

namespace Ondrel_B {
namespace {

struct HandleCloser {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// The SID of the user the process runs as.
bool ProcessUserSid(std::vector<uint8_t>& sid) {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
  const UniqueHandle token(raw);
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  if (size == 0) return false;
  std::vector<uint8_t> info(size);
  if (!GetTokenInformation(token.get(), TokenUser, info.data(), size, &size)) return false;
  const PSID user = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
  if (!IsValidSid(user)) return false;
  sid.resize(GetLengthSid(user));
  return CopySid(static_cast<DWORD>(sid.size()), sid.data(), user) != 0;
}

bool WellKnown(WELL_KNOWN_SID_TYPE type, std::vector<uint8_t>& sid) {
  DWORD size = SECURITY_MAX_SID_SIZE;
  sid.resize(size);
  if (!CreateWellKnownSid(type, nullptr, sid.data(), &size)) return false;
  sid.resize(size);
  return true;
}

}  // namespace

PrivateFileSecurity::PrivateFileSecurity() { ok_ = Build(); }

bool PrivateFileSecurity::Build() {
  if (!ProcessUserSid(user_) || !WellKnown(WinLocalSystemSid, system_) ||
      !WellKnown(WinBuiltinAdministratorsSid, administrators_))
    return false;

  std::vector<uint8_t>* const grantees[] = {&user_, &system_, &administrators_};
  DWORD aclSize = sizeof(ACL);
  for (const auto* sid : grantees) aclSize += sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) + static_cast<DWORD>(sid->size());
  acl_.assign(aclSize, 0);
  auto* acl = reinterpret_cast<ACL*>(acl_.data());
  if (!InitializeAcl(acl, aclSize, ACL_REVISION)) return false;
  for (auto* sid : grantees) {
    if (!AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, sid->data())) return false;
  }

  // Protected: the folder's inheritable entries (on a folder in the root of
  // C:, read access for every user) do not flow into the file.
  if (!InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) ||
      !SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED))
    return false;

  attributes_.nLength = sizeof attributes_;
  attributes_.lpSecurityDescriptor = &descriptor_;
  attributes_.bInheritHandle = FALSE;
  return true;
}

}  // namespace Ondrel_B
