// G0 and G1: the wrap transform, the duration estimate and the move line.
#include <cmath>

#include "codes/handlers.h"

namespace torvel {
namespace {

bool IsMoveLetter(char c) {
  return c == 'A' || c == 'B' || c == 'C' || c == 'X' || c == 'Y' || c == 'Z' || c == 'F';
}

void AppendAxis(std::string& out, char letter, double newValue, double oldValue,
                bool incremental) {
  if (newValue == oldValue) return;
  out += letter;
  AppendFixed(out, incremental ? newValue - oldValue : newValue, 4);
  out += ' ';
}

}  // namespace

void HandleStraightMove(TBlock& b) {
  ConversionState& s = b.state;
  const double g = b.wordValue;
  double moveRate = g != 0.0 ? s.feedRate : s.rapidFeedRate;  // mm/min
  double nx = s.currentX, ny = s.currentY, nz = s.currentZ;
  double na = s.currentA, nb = s.currentB, nc = s.currentC;
  double nOutX = s.currentOutputX;
  bool fGiven = false, g53Given = false;
  // Segment lines of an arc are millimetres already.
  const double u = b.segmentLine ? 1.0 : (s.unitsAreInches ? 25.4 : 1.0);
  const double k = s.mmPerDegree;
  const bool inc = s.incrementalDistance;

  double* rotary = nullptr;
  double rotaryBefore = 0.0;
  switch (s.rotaryAxis) {
    case kAxisA: rotary = &na; rotaryBefore = s.currentA; break;
    case kAxisB: rotary = &nb; rotaryBefore = s.currentB; break;
    case kAxisC: rotary = &nc; rotaryBefore = s.currentC; break;
    default: break;
  }
  // A value that does not fit a double is reported (once per word) and
  // left out.
  bool wordReported = false;
  auto set = [&](double& target, double value, char letter) {
    if (std::isfinite(value)) {
      target = value;
    } else if (!wordReported) {
      wordReported = true;
      UsableValue(b, letter, value);
    }
  };
  auto setRotary = [&](double v, char letter) {
    if (rotary) set(*rotary, inc ? v * u / k + rotaryBefore : v * u / k, letter);
  };

  // Blanks before the first word are skipped like those between words, so
  // "G00  X-75." keeps its X.
  b.TrimRest();
  while (!b.RestEmpty()) {
    const char letter = b.FirstChar();
    if (!IsMoveLetter(letter) && !b.RestStartsWith("G53")) break;
    const double v = b.TakeWord(letter);
    wordReported = false;
    switch (letter) {
      case 'A': b.errors.Append(etAAxisInput); break;
      case 'B': b.errors.Append(etBAxisInput); break;
      case 'C': b.errors.Append(etCAxisInput); break;
      case 'F':
        if (UsableValue(b, 'F', v * u)) {
          moveRate = v * u;
          fGiven = true;
        }
        break;
      case 'G': g53Given = true; break;
      case 'X':
        if (s.wrappedAxis == kAxisX) {
          setRotary(v, 'X');
          set(nx, inc ? v * u + s.currentX : v * u, 'X');
        } else if (s.wrappedAxis == kAxisY) {
          set(nx, inc ? v * u + s.currentX : v * u, 'X');
          set(nOutX, inc ? v * u + s.currentOutputX : v * u, 'X');
        }
        break;
      case 'Y':
        if (s.wrappedAxis == kAxisX) {
          set(ny, inc ? v * u + s.currentY : v * u, 'Y');
          set(nOutX, inc ? v * u + s.currentOutputX : v * u, 'Y');
        } else if (s.wrappedAxis == kAxisY) {
          setRotary(v, 'Y');
          set(ny, inc ? v * u + s.currentY : v * u, 'Y');
        }
        break;
      case 'Z':
        // Input Z to output Z keeps the height above the centreline.
        set(nz, inc ? v * u + s.currentZ : v * u + s.outputAxisZ - s.inputAxisZ, 'Z');
        break;
      default: break;
    }
    b.TrimRest();
  }

  // Degrees are timed as if they travelled at the rate of millimetres.
  const double dx = nx - s.currentX, dy = ny - s.currentY, dz = nz - s.currentZ;
  const double da = na - s.currentA, db = nb - s.currentB, dc = nc - s.currentC;
  // hypot: coordinates whose squares overflow still give a finite length.
  const double linear = std::hypot(dx, dy, dz);
  const double turned = std::hypot(da, db, dc);
  double duration = 0.0;
  if (moveRate != 0.0) {
    duration = linear * 60.0 / moveRate;
    if (turned > linear) duration = turned * 60.0 / moveRate;
  }
  if (s.firstMove) {
    s.firstMove = false;
  } else {
    AddRunningTime(s, duration);
  }

  std::string& out = b.outputLine;
  out += 'G';
  AppendGeneral(out, g);
  out += ' ';
  if (fGiven) {
    out += 'F';
    AppendGeneral(out, moveRate);
    out += ' ';
  }
  if (g53Given) out += "G53 ";
  AppendAxis(out, 'X', nOutX, s.currentOutputX, inc);
  AppendAxis(out, 'Z', nz, s.currentZ, inc);
  AppendAxis(out, 'A', na, s.currentA, inc);
  AppendAxis(out, 'B', nb, s.currentB, inc);
  AppendAxis(out, 'C', nc, s.currentC, inc);

  s.currentX = nx;
  s.currentY = ny;
  s.currentZ = nz;
  s.currentA = na;
  s.currentB = nb;
  s.currentC = nc;
  s.currentOutputX = nOutX;
  // An F word is modal only in a block numbered exactly G1.
  if (g == 1.0 && fGiven && moveRate != s.feedRate) s.feedRate = moveRate;
  if (moveRate > s.rapidFeedRate) s.rapidFeedRate = moveRate;
}

}  // namespace torvel
