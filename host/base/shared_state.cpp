#include "host/base/ondrel_b.h"

namespace Ondrel_B {

SharedState& Shared() {
  static SharedState state;
  return state;
}

}  // namespace Ondrel_B
