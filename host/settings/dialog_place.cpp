#include "host/settings/dialog_place.h"

#include "host/base/rounding.h"

namespace Ondrel_B {
namespace {

constexpr long long kTwipsPerPixel = 15;

// Integer division of twips as the form's arithmetic does it: toward zero.
int ShareOfFreeSpace(int screen, int window, long long parts) {
  const long long free_twips = (static_cast<long long>(screen) - window) * kTwipsPerPixel;
  const long long share_twips = free_twips / parts;
  return static_cast<int>(RoundHalfEven(static_cast<double>(share_twips) / kTwipsPerPixel));
}

}  // namespace

DialogPlacement PlaceDialog(int screen_width, int screen_height, int window_width, int window_height) {
  return DialogPlacement{ShareOfFreeSpace(screen_width, window_width, 2),
                         ShareOfFreeSpace(screen_height, window_height, 3)};
}

}  // namespace Ondrel_B
