// Security for a file that holds the user's own screen: only the user who
// runs the host, SYSTEM and the Administrators may touch it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace Ondrel_B {

// A security descriptor with a protected DACL (nothing inherited from the
// folder) granting full access to the process token's user, SYSTEM and the
// Administrators group, and nothing to anyone else. Holds its SIDs and ACL;
// not copyable, since the descriptor points into them.
class PrivateFileSecurity {
 public:
  PrivateFileSecurity();
  PrivateFileSecurity(const PrivateFileSecurity&) = delete;
  PrivateFileSecurity& operator=(const PrivateFileSecurity&) = delete;

  // False when any part could not be built: then no file should be created.
  bool ok() const { return ok_; }
  // For CreateFileW; null unless ok().
  SECURITY_ATTRIBUTES* attributes() { return ok_ ? &attributes_ : nullptr; }
  PSECURITY_DESCRIPTOR descriptor() { return ok_ ? &descriptor_ : nullptr; }

 private:
  bool Build();

  std::vector<uint8_t> user_, system_, administrators_, acl_;
  SECURITY_DESCRIPTOR descriptor_{};
  SECURITY_ATTRIBUTES attributes_{};
  bool ok_ = false;
};

}  // namespace Ondrel_B
