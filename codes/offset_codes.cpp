// Scaling, offset and rotation codes: passed through as text, never applied
// to the geometry.
#include "codes/handlers.h"

namespace torvel {
namespace {

constexpr std::string_view kAxisLetters = "ABCXYZ";

int AxisSlot(char letter) { return static_cast<int>(kAxisLetters.find(letter)); }

}  // namespace

void HandleScalingOff(TBlock& b) { AppendGated(b, "G50 "); }

void HandleScaling(TBlock& b) {
  b.outputLine += "G51 ";
  double factor[6] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};  // no inch conversion: ratios
  TakeOwnedWords(b, kAxisLetters, [&](char letter, double value) {
    factor[AxisSlot(letter)] = value;
  });
  if (!PlaneIsXY(b)) return;
  for (int i = 0; i < 6; ++i) {
    if (factor[i] == 1.0) continue;
    b.outputLine += kAxisLetters[static_cast<std::size_t>(i)];
    AppendFixed(b.outputLine, factor[i], 4);
    b.outputLine += ' ';
  }
}

// G52 and G92: the values are written as given, neither converted from
// inches nor wrapped.
void HandleOffset(TBlock& b) {
  b.outputLine += 'G';
  AppendGeneral(b.outputLine, b.wordValue);
  b.outputLine += ' ';
  double value[6] = {};
  bool given[6] = {};
  TakeOwnedWords(b, kAxisLetters, [&](char letter, double v) {
    value[AxisSlot(letter)] = v;
    given[AxisSlot(letter)] = true;
  });
  if (!PlaneIsXY(b)) return;
  for (int i = 0; i < 6; ++i) {
    if (!given[i]) continue;
    b.outputLine += kAxisLetters[static_cast<std::size_t>(i)];
    AppendFixed(b.outputLine, value[i], 4);
    b.outputLine += ' ';
  }
}

// G68: the rotation and its words are dropped in every plane.
void HandleRotation(TBlock& b) {
  TakeOwnedWords(b, "ABRI", [](char, double) {});
}

void HandleRotationOff(TBlock& b) { AppendGated(b, "G69 "); }

}  // namespace torvel
