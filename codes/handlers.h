// The handlers that the block reader calls: G codes through the dispatch
// table, and the M, N, O, P, R, S and T words.
#pragma once

#include <string_view>

#include "conversion/block.h"

namespace torvel {

using GHandler = void (*)(TBlock&);

// The handler of a dispatch number (the G value truncated toward zero); the
// unknown-G handler for numbers without a row.
GHandler GHandlerFor(std::int32_t dispatchNumber);
// The row of the dispatch table, or nullptr for a number without one.
GHandler GDispatchRow(std::int32_t dispatchNumber);

// Text that is written only while the working plane is XY.
void AppendGated(TBlock& b, std::string_view text);
bool PlaneIsXY(const TBlock& b);

// Takes the words that follow a code directly, one blank apart, while their
// letter is one of `letters`; calls take(letter, value) for each.
template <typename Take>
void TakeOwnedWords(TBlock& b, std::string_view letters, Take take) {
  while (!b.RestEmpty() && letters.find(b.FirstChar()) != std::string_view::npos) {
    const char letter = b.FirstChar();
    const double value = b.TakeWord(letter);
    take(letter, value);
  }
}

// True when a converted value is a finite number. Otherwise reports it (a
// comment "(X out of range)" on a line of its own, etValueOutOfRange, the
// problem flag) and the caller leaves the word out.
bool UsableValue(TBlock& b, char letter, double value);

// Writes "\n(<letter><number><suffix>)\n " so that the note stands on its
// own line: the word's value as read, for an unlisted or unusable code.
void AppendCodeComment(TBlock& b, char letter, std::string_view suffix);

// G0, G1 and every line an arc inserts.
void HandleStraightMove(TBlock& b);
// An arc's segment, read as its line would be; leaves the finished output
// line in b.outputLine.
void ReadSegmentMove(TBlock& b, const TSegmentMove& move);
// G2, G3.
void HandleArc(TBlock& b);
// A G number without a row: reported, never silently dropped.
void HandleUnknownG(TBlock& b);

void HandleDwell(TBlock& b);
void HandlePlane(TBlock& b);
void HandleInches(TBlock& b);
void HandleMillimetres(TBlock& b);
void HandleCutterCompOff(TBlock& b);
void HandleCutterComp(TBlock& b);
void HandleLengthComp(TBlock& b);
void HandleLengthCompOff(TBlock& b);
void HandleScalingOff(TBlock& b);
void HandleScaling(TBlock& b);
void HandleOffset(TBlock& b);
void HandleWorkCoordinates(TBlock& b);
void HandleWorkCoordinates59(TBlock& b);
void HandleExactStop(TBlock& b);
void HandleContinuousPath(TBlock& b);
void HandleRotation(TBlock& b);
void HandleRotationOff(TBlock& b);
void HandleAbsolute(TBlock& b);
void HandleIncremental(TBlock& b);
void HandleCodeNumber(TBlock& b);

// The other words, by letter.
void HandleMWord(TBlock& b);
void HandleOtherWord(TBlock& b);  // N, O, P, R, S, T by b.wordLetter

}  // namespace torvel
