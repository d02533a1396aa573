// G2 and G3: reading the arc's words and working out its circle.
#include <cmath>

#include "codes/arc.h"
#include "codes/handlers.h"

namespace torvel {
namespace {

bool IsArcLetter(char c) {
  switch (c) {
    case 'A': case 'B': case 'C': case 'X': case 'Y': case 'Z':
    case 'F': case 'I': case 'J': case 'K':
      return true;
    default:
      return false;
  }
}

// Takes the arc's words from the front of the rest of the line.
void TakeArcWords(TBlock& b, TArcBlock& arc) {
  const ConversionState& s = b.state;
  const double unit = s.unitsAreInches ? 25.4 : 1.0;  // arc lines are never segment lines
  const bool inc = s.incrementalDistance;
  const bool incCentre = s.incrementalArcCentre;
  while (!b.RestEmpty()) {
    const char letter = b.FirstChar();
    if (!IsArcLetter(letter) && !b.RestStartsWith("G53")) break;
    const double w = b.TakeWord(letter) * unit;
    switch (letter) {
      case 'X': arc.endX = inc ? arc.startX + w : w; break;
      case 'Y': arc.endY = inc ? arc.startY + w : w; break;
      case 'Z': arc.endZ = inc ? arc.startZ + w : w; break;
      case 'A': arc.endA = inc ? arc.startA + w : w; break;
      case 'B': arc.endB = inc ? arc.startB + w : w; break;
      case 'C': arc.endC = inc ? arc.startC + w : w; break;
      case 'I': arc.centreX = incCentre ? arc.centreX + w : w; break;
      case 'J': arc.centreY = incCentre ? arc.centreY + w : w; break;
      case 'K': arc.centreZ = incCentre ? arc.centreZ + w : w; break;
      case 'F':
        arc.arcFeed = w;
        arc.feedGiven = true;
        break;
      case 'G': arc.machineCoordinates = true; break;
      default: break;
    }
    b.TrimRest();
  }
}

// Moves the end angle by whole turns onto the arc's side of the start. In
// XY an end at the start's angle is a full circle; in XZ and YZ it is none.
void ApplyDirection(TArcBlock& arc, bool xyPlane) {
  if (arc.counterClockwise) {
    if (xyPlane) {
      while (arc.endAngle <= arc.startAngle) arc.endAngle += kTwoPi;
    } else {
      while (arc.endAngle < arc.startAngle) arc.endAngle += kTwoPi;
    }
    arc.sweep = arc.endAngle - arc.startAngle;
  } else {
    if (xyPlane) {
      while (arc.endAngle >= arc.startAngle) arc.endAngle -= kTwoPi;
    } else {
      while (arc.endAngle > arc.startAngle) arc.endAngle -= kTwoPi;
    }
    arc.sweep = arc.startAngle - arc.endAngle;
  }
}

}  // namespace

bool PlaneAxes(const TArcBlock& a, int plane, TPlaneAxes& p) {
  switch (plane) {
    case 0: p = {a.startX, a.startY, a.startZ, a.endX, a.endY, a.endZ, a.centreX, a.centreY}; return true;
    case 1: p = {a.startX, a.startZ, a.startY, a.endX, a.endZ, a.endY, a.centreX, a.centreZ}; return true;
    case 2: p = {a.startY, a.startZ, a.startX, a.endY, a.endZ, a.endX, a.centreY, a.centreZ}; return true;
    default: return false;
  }
}

// Along the radius: an end point slightly off its circle moves only by its
// miss, not along the circle.
double PointAngle(double pu, double pv, double cu, double cv) {
  double a = std::atan2(pv - cv, pu - cu);
  if (a < 0) a += kTwoPi;
  return a;
}

void HandleArc(TBlock& b) {
  ConversionState& s = b.state;
  TArcBlock arc;
  arc.counterClockwise = b.wordValue == 3.0;
  arc.startX = s.currentX;
  arc.startY = s.currentY;
  arc.startZ = s.currentZ - (s.outputAxisZ - s.inputAxisZ);  // back to the input frame
  arc.startA = s.currentA;
  arc.startB = s.currentB;
  arc.startC = s.currentC;
  arc.endX = arc.startX;
  arc.endY = arc.startY;
  arc.endZ = arc.startZ;
  arc.endA = arc.startA;
  arc.endB = arc.startB;
  arc.endC = arc.startC;
  arc.centreX = arc.startX;
  arc.centreY = arc.startY;
  arc.centreZ = arc.startZ;
  arc.arcFeed = s.feedRate;

  TakeArcWords(b, arc);

  TPlaneAxes p{};
  if (!PlaneAxes(arc, s.workingPlane, p)) {
    s.unknownCodesFound = true;
    AppendGComment(b, "");
    b.errors.Append(etUnknownPlane);
  } else {
    const double du = p.su - p.cu, dv = p.sv - p.cv;
    arc.radius = std::sqrt(du * du + dv * dv);
    if (arc.radius > 0 && std::isfinite(arc.radius)) {
      arc.startAngle = PointAngle(p.su, p.sv, p.cu, p.cv);
      arc.endAngle = PointAngle(p.eu, p.ev, p.cu, p.cv);
      ApplyDirection(arc, s.workingPlane == 0);
      arc.arcLength = arc.sweep * arc.radius;
      SegmentArc(b, arc);
    } else {
      ReportZeroArc(b);  // the centre on the start point: no circle to follow
    }
  }
  if (arc.feedGiven) s.feedRate = arc.arcFeed;
}

}  // namespace torvel
