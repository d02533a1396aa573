// M codes and the N, O, P, R, S and T words.
#include "codes/handlers.h"

namespace torvel {
namespace {

struct MRow {
  std::int32_t number;
  const char* text;
  bool gated;
};

constexpr MRow kMCodes[] = {
    {0, "M0 ", false},  {1, "M1 ", false},   {2, "M2 ", false},   {3, "M3 ", true},
    {4, "M4 ", true},   {5, "M5 ", false},   {6, "M6 ", true},    {7, "M7 ", true},
    {8, "M8 ", true},   {9, "M9 ", true},    {30, "M30 ", false}, {47, "M47 ", false},
    {48, "M48 ", true}, {49, "M49 ", true},  {60, "M60 ", false},
};

}  // namespace

void HandleMWord(TBlock& b) {
  const std::int32_t n = TruncToInt(b.wordValue);
  for (const MRow& row : kMCodes) {
    if (row.number != n) continue;
    if (row.gated) {
      AppendGated(b, row.text);
    } else {
      b.outputLine += row.text;
    }
    return;
  }
  // An unlisted code stands as a comment on a line of its own.
  AppendCodeComment(b, 'M', "");
  b.state.unknownCodesFound = true;
  b.errors.Append(etUnknownMCode);
}

void HandleOtherWord(TBlock& b) {
  const char letter = b.wordLetter;
  if (letter == 'P') {
    AddRunningTime(b.state, b.wordValue * 0.001);  // a dwell in milliseconds, in every plane
  } else if (letter == 'T') {
    b.state.toolNumber = TruncToInt(b.wordValue);
  }
  if (!PlaneIsXY(b)) return;
  b.outputLine += letter;
  if (letter == 'T') {
    b.outputLine += FormatInteger(b.state.toolNumber);
  } else {
    AppendGeneral(b.outputLine, b.wordValue);
  }
  b.outputLine += ' ';
}

}  // namespace torvel
