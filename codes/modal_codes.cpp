// Modal and set-up G codes, the plane gate, and the dispatch table of every
// G number that has a handler.
#include <array>
#include <cmath>

#include "codes/handlers.h"

namespace torvel {

bool PlaneIsXY(const TBlock& b) { return b.state.workingPlane == 0; }

void AppendGated(TBlock& b, std::string_view text) {
  if (PlaneIsXY(b)) b.outputLine += text;
}

bool UsableValue(TBlock& b, char letter, double value) {
  if (std::isfinite(value)) return true;
  b.outputLine += "\n(";
  b.outputLine += letter;
  b.outputLine += " out of range)\n ";
  b.errors.Append(etValueOutOfRange);
  b.state.unknownCodesFound = true;
  return false;
}

void AppendCodeComment(TBlock& b, char letter, std::string_view suffix) {
  b.outputLine += "\n(";
  b.outputLine += letter;
  AppendGeneral(b.outputLine, b.wordValue);
  b.outputLine += suffix;
  b.outputLine += ")\n ";
}

// "G" and the number as read, then a blank: G54.1 stays G54.1, G092 is G92.
void HandleCodeNumber(TBlock& b) {
  if (!PlaneIsXY(b)) return;
  b.outputLine += 'G';
  AppendGeneral(b.outputLine, b.wordValue);
  b.outputLine += ' ';
}

void HandleUnknownG(TBlock& b) {
  AppendCodeComment(b, 'G', "");
  b.errors.Append(etUnknownGCode);
  b.state.unknownCodesFound = true;
}

// G4: the P word that follows is an ordinary P word and adds the dwell.
void HandleDwell(TBlock& b) { AppendGated(b, "G4 "); }

void HandlePlane(TBlock& b) {
  switch (TruncToInt(b.wordValue)) {
    case 17:
      b.state.workingPlane = 0;
      b.outputLine += "G17 ";
      break;
    case 18:
      b.state.workingPlane = 1;
      b.errors.Append(etG18Plane);
      break;
    default:
      b.state.workingPlane = 2;
      b.errors.Append(etG19Plane);
      break;
  }
}

// The output always declares millimetres; inch values are converted as read.
void HandleInches(TBlock& b) {
  b.state.unitsAreInches = true;
  b.outputLine += "G21 ";
}

void HandleMillimetres(TBlock& b) {
  b.state.unitsAreInches = false;
  b.outputLine += "G21 ";
}

void HandleCutterCompOff(TBlock& b) { AppendGated(b, "G40 "); }

void HandleCutterComp(TBlock& b) {
  b.outputLine += b.wordValue == 41.0 ? "G41 " : "G42 ";
  bool dGiven = false, pGiven = false;
  std::int32_t dNumber = 0;
  double pLength = 0.0;  // mm
  TakeOwnedWords(b, "DP", [&](char letter, double value) {
    if (letter == 'D') {
      dNumber = TruncToInt(value);
      dGiven = true;
    } else {
      const double length = value * (b.state.unitsAreInches ? 25.4 : 1.0);
      if (UsableValue(b, 'P', length)) {
        pLength = length;
        pGiven = true;
      }
    }
  });
  if (!PlaneIsXY(b)) return;
  if (dGiven) b.outputLine += "D" + FormatInteger(dNumber) + " ";
  if (pGiven) b.outputLine += "P" + FormatFixed(pLength, 4) + " ";
}

void HandleLengthComp(TBlock& b) {
  b.outputLine += b.wordValue == 43.0 ? "G43 " : "G44 ";
  bool hGiven = false;
  std::int32_t hNumber = 0;
  TakeOwnedWords(b, "H", [&](char, double value) {
    hNumber = TruncToInt(value);
    hGiven = true;
  });
  if (hGiven && PlaneIsXY(b)) b.outputLine += "H" + FormatInteger(hNumber) + " ";
}

void HandleLengthCompOff(TBlock& b) { AppendGated(b, "G49 "); }

void HandleWorkCoordinates(TBlock& b) { HandleCodeNumber(b); }

void HandleWorkCoordinates59(TBlock& b) {
  b.outputLine += "G59 ";
  bool pGiven = false;
  std::int32_t pNumber = 0;
  TakeOwnedWords(b, "P", [&](char, double value) {
    pNumber = TruncToInt(value);
    pGiven = true;
  });
  if (pGiven && PlaneIsXY(b)) b.outputLine += "P" + FormatInteger(pNumber) + " ";
}

void HandleExactStop(TBlock& b) { AppendGated(b, "G61 "); }
void HandleContinuousPath(TBlock& b) { AppendGated(b, "G64 "); }

void HandleAbsolute(TBlock& b) {
  if (b.wordValue == 90.1) {
    b.state.incrementalArcCentre = false;
    AppendGated(b, "G90.1 ");
  } else {
    b.state.incrementalDistance = false;
    AppendGated(b, "G90 ");
  }
}

void HandleIncremental(TBlock& b) {
  if (b.wordValue == 91.1) {
    b.state.incrementalArcCentre = true;
    AppendGated(b, "G91.1 ");
  } else {
    b.state.incrementalDistance = true;
    AppendGated(b, "G91 ");
  }
}

namespace {

using Table = std::array<GHandler, 100>;

Table BuildDispatchTable() {
  Table t{};  // numbers without a row stay nullptr
  t[0] = t[1] = HandleStraightMove;
  t[2] = t[3] = HandleArc;
  t[4] = HandleDwell;
  t[17] = t[18] = t[19] = HandlePlane;
  t[20] = t[70] = HandleInches;
  t[21] = t[71] = HandleMillimetres;
  t[40] = HandleCutterCompOff;
  t[41] = t[42] = HandleCutterComp;
  t[43] = t[44] = HandleLengthComp;
  t[49] = HandleLengthCompOff;
  t[50] = HandleScalingOff;
  t[51] = HandleScaling;
  t[52] = t[92] = HandleOffset;
  t[54] = t[55] = t[56] = t[57] = t[58] = HandleWorkCoordinates;
  t[59] = HandleWorkCoordinates59;
  t[61] = HandleExactStop;
  t[64] = HandleContinuousPath;
  t[68] = HandleRotation;
  t[69] = HandleRotationOff;
  t[90] = HandleAbsolute;
  t[91] = HandleIncremental;
  t[93] = t[94] = HandleCodeNumber;
  t[98] = t[99] = HandleCodeNumber;
  return t;
}

const Table kDispatch = BuildDispatchTable();

}  // namespace

GHandler GDispatchRow(std::int32_t dispatchNumber) {
  if (dispatchNumber < 0 || dispatchNumber >= static_cast<std::int32_t>(kDispatch.size()))
    return nullptr;
  return kDispatch[static_cast<std::size_t>(dispatchNumber)];
}

GHandler GHandlerFor(std::int32_t dispatchNumber) {
  const GHandler h = GDispatchRow(dispatchNumber);
  return h ? h : HandleUnknownG;
}

}  // namespace torvel
