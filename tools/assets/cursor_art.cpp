#include "tools/assets/cursor_art.h"

namespace assets {

std::vector<std::string> HandCursorRows() {
  // Drawn pixel by pixel: at 32 x 32 and two colours, a hand-placed outline
  // reads better than any smoothed shape.
  std::vector<std::string> rows = {
      "           ###",
      "          #ooo#",
      "          #ooo#",
      "          #ooo#",
      "          #ooo#",
      "          #ooo#",
      "          #ooo###",
      "          #ooo#ooo##",
      "          #ooo#ooo#o##",
      "          #ooo#ooo#oo#o#",
      "          #ooo#ooo#oo#oo#",
      "    ##    #ooooooooooooo#",
      "   #oo#   #ooooooooooooo#",
      "   #ooo#  #ooooooooooooo#",
      "    #ooo# #ooooooooooooo#",
      "     #ooo##ooooooooooooo#",
      "      #ooooooooooooooooo#",
      "       #oooooooooooooooo#",
      "        #ooooooooooooooo#",
      "         #oooooooooooooo#",
      "          #ooooooooooooo#",
      "           #oooooooooo#",
      "           #oooooooooo#",
      "           ############",
  };
  for (std::string& r : rows) r.resize(32, ' ');
  rows.resize(32, std::string(32, ' '));
  return rows;
}

}  // namespace assets
