#include "host/settings/dialog_place.h"

#include "host/base/rounding.h"

namespace Ondrel_B {
namespace {

constexpr long long kTwipsPerPixel = 15;

// Integer division of twips as the form's arithmetic does it: toward zero.
int ShareOfFreeSpace(int screen, int window, long long parts) {
  const long long freeTwips = (static_cast<long long>(screen) - window) * kTwipsPerPixel;
  const long long shareTwips = freeTwips / parts;
  return static_cast<int>(RoundHalfEven(static_cast<double>(shareTwips) / kTwipsPerPixel));
}

}  // namespace

DialogPlacement PlaceDialog(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  return DialogPlacement{ShareOfFreeSpace(screenWidth, windowWidth, 2),
                         ShareOfFreeSpace(screenHeight, windowHeight, 3)};
}

}  // namespace Ondrel_B
