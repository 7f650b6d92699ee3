// Pictures as text for pixel-exact tests: one string per row, '#' where a
// pixel has the given colour and '.' elsewhere.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace zyl::test {

// Rows Y..Y+H-1, columns X..X+W-1 of the canvas (outside pixels read as '.').
inline std::vector<std::string> pixel_art(const TCanvas& C, int X, int Y, int W, int H, TColor Ink) {
  std::vector<std::string> rows;
  for (int y = Y; y < Y + H; ++y) {
    std::string row;
    for (int x = X; x < X + W; ++x) row.push_back(C.Pixels(x, y) == Ink ? '#' : '.');
    rows.push_back(row);
  }
  return rows;
}

}  // namespace zyl::test
