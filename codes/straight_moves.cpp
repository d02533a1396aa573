// G0 and G1: the wrap transform, the duration estimate and the move line.
#include <cmath>

#include "codes/handlers.h"
#include "conversion/block_reader.h"

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

// One straight move: its words are applied in order to new position
// values, then the move is timed, written and stored.
class TStraightMove {
 public:
  TStraightMove(TBlock& b, double gValue)
      : b_(b),
        s_(b.state),
        g_(gValue),
        moveRate_(gValue != 0.0 ? s_.feedRate : s_.rapidFeedRate),
        // Segment lines of an arc are millimetres already.
        u_(b.segmentLine ? 1.0 : (s_.unitsAreInches ? 25.4 : 1.0)),
        k_(s_.mmPerDegree),
        inc_(s_.incrementalDistance),
        nx_(s_.currentX), ny_(s_.currentY), nz_(s_.currentZ),
        na_(s_.currentA), nb_(s_.currentB), nc_(s_.currentC),
        nOutX_(s_.currentOutputX) {
    switch (s_.rotaryAxis) {
      case kAxisA: rotary_ = &na_; rotaryBefore_ = s_.currentA; break;
      case kAxisB: rotary_ = &nb_; rotaryBefore_ = s_.currentB; break;
      case kAxisC: rotary_ = &nc_; rotaryBefore_ = s_.currentC; break;
      default: break;
    }
  }

  // One word: the letter and its value as read (before the unit factor).
  void Apply(char letter, double v) {
    wordReported_ = false;
    const double u = u_;
    switch (letter) {
      case 'A': b_.errors.Append(etAAxisInput); break;
      case 'B': b_.errors.Append(etBAxisInput); break;
      case 'C': b_.errors.Append(etCAxisInput); break;
      case 'F':
        if (UsableValue(b_, 'F', v * u)) {
          moveRate_ = v * u;
          fGiven_ = true;
        }
        break;
      case 'G': g53Given_ = true; break;
      case 'X':
        if (s_.wrappedAxis == kAxisX) {
          SetRotary(v, 'X');
          Set(nx_, inc_ ? v * u + s_.currentX : v * u, 'X');
        } else if (s_.wrappedAxis == kAxisY) {
          Set(nx_, inc_ ? v * u + s_.currentX : v * u, 'X');
          Set(nOutX_, inc_ ? v * u + s_.currentOutputX : v * u, 'X');
        }
        break;
      case 'Y':
        if (s_.wrappedAxis == kAxisX) {
          Set(ny_, inc_ ? v * u + s_.currentY : v * u, 'Y');
          Set(nOutX_, inc_ ? v * u + s_.currentOutputX : v * u, 'Y');
        } else if (s_.wrappedAxis == kAxisY) {
          SetRotary(v, 'Y');
          Set(ny_, inc_ ? v * u + s_.currentY : v * u, 'Y');
        }
        break;
      case 'Z':
        // Input Z to output Z keeps the height above the centreline.
        Set(nz_, inc_ ? v * u + s_.currentZ : v * u + s_.outputAxisZ - s_.inputAxisZ, 'Z');
        break;
      default: break;
    }
  }

  void Finish() {
    // Degrees are timed as if they travelled at the rate of millimetres;
    // hypot keeps coordinates whose squares overflow finite.
    const double linear = std::hypot(nx_ - s_.currentX, ny_ - s_.currentY, nz_ - s_.currentZ);
    const double turned = std::hypot(na_ - s_.currentA, nb_ - s_.currentB, nc_ - s_.currentC);
    double duration = 0.0;
    if (moveRate_ != 0.0) {
      duration = linear * 60.0 / moveRate_;
      if (turned > linear) duration = turned * 60.0 / moveRate_;
    }
    if (s_.firstMove) {
      s_.firstMove = false;
    } else {
      AddRunningTime(s_, duration);
    }

    std::string& out = b_.outputLine;
    out += 'G';
    AppendGeneral(out, g_);
    out += ' ';
    if (fGiven_) {
      out += 'F';
      AppendGeneral(out, moveRate_);
      out += ' ';
    }
    if (g53Given_) out += "G53 ";
    AppendAxis(out, 'X', nOutX_, s_.currentOutputX, inc_);
    AppendAxis(out, 'Z', nz_, s_.currentZ, inc_);
    AppendAxis(out, 'A', na_, s_.currentA, inc_);
    AppendAxis(out, 'B', nb_, s_.currentB, inc_);
    AppendAxis(out, 'C', nc_, s_.currentC, inc_);

    s_.currentX = nx_;
    s_.currentY = ny_;
    s_.currentZ = nz_;
    s_.currentA = na_;
    s_.currentB = nb_;
    s_.currentC = nc_;
    s_.currentOutputX = nOutX_;
    // An F word is modal only in a block numbered exactly G1.
    if (g_ == 1.0 && fGiven_ && moveRate_ != s_.feedRate) s_.feedRate = moveRate_;
    if (moveRate_ > s_.rapidFeedRate) s_.rapidFeedRate = moveRate_;
  }

 private:
  // A value that does not fit a double is reported (once per word) and
  // left out.
  void Set(double& target, double value, char letter) {
    if (std::isfinite(value)) {
      target = value;
    } else if (!wordReported_) {
      wordReported_ = true;
      UsableValue(b_, letter, value);
    }
  }
  void SetRotary(double v, char letter) {
    if (rotary_) Set(*rotary_, inc_ ? v * u_ / k_ + rotaryBefore_ : v * u_ / k_, letter);
  }

  TBlock& b_;
  ConversionState& s_;
  const double g_;
  double moveRate_;  // mm/min
  const double u_;   // unit factor of the block
  const double k_;   // mm per degree
  const bool inc_;
  double nx_, ny_, nz_, na_, nb_, nc_, nOutX_;
  double* rotary_ = nullptr;
  double rotaryBefore_ = 0.0;
  bool fGiven_ = false, g53Given_ = false, wordReported_ = false;
};

}  // namespace

void HandleStraightMove(TBlock& b) {
  TStraightMove move(b, b.wordValue);
  // Blanks before the first word are skipped like those between words, so
  // "G00  X-75." keeps its X.
  b.TrimRest();
  while (!b.RestEmpty()) {
    const char letter = b.FirstChar();
    if (!IsMoveLetter(letter) && !b.RestStartsWith("G53")) break;
    move.Apply(letter, b.TakeWord(letter));
    b.TrimRest();
  }
  move.Finish();
}

// The same as reading the segment's line "G1 X.. Y.. [Z..] [A..] [B..]
// [C..] [G53]": its values are those that line's 4-decimal texts read back.
void ReadSegmentMove(TBlock& b, const TSegmentMove& m) {
  b.outputLine.clear();
  b.wordLetter = 'G';
  b.wordValue = 1.0;
  TStraightMove move(b, 1.0);
  move.Apply('X', m.x);
  move.Apply('Y', m.y);
  if (m.hasZ) move.Apply('Z', m.z);
  if (m.hasA) move.Apply('A', m.a);
  if (m.hasB) move.Apply('B', m.b);
  if (m.hasC) move.Apply('C', m.c);
  if (m.machineCoordinates) move.Apply('G', 53.0);
  move.Finish();
  FinishOutputLine(b);
}

}  // namespace torvel
