// G2 and G3: reading the arc's words and working out its circle.
#include <cmath>

#include "codes/arc.h"
#include "codes/handlers.h"

namespace torvel {
namespace {

bool IsArcLetter(char c) {
  switch (c) {
    case 'A': case 'B': case 'C': case 'X': case 'Y': case 'Z':
    case 'F': case 'I': case 'J': case 'K': case 'R':
      return true;
    default:
      return false;
  }
}

// What the words said beyond the arc block itself.
struct TArcWords {
  bool centreGiven = false;  // an I, J or K word
  bool radiusGiven = false;  // an R word
  double radius = 0;         // mm, signed: negative asks for the longer arc
};

// Takes the arc's words from the front of the rest of the line.
TArcWords TakeArcWords(TBlock& b, TArcBlock& arc) {
  TArcWords words;
  const ConversionState& s = b.state;
  const double unit = s.unitsAreInches ? 25.4 : 1.0;  // arc lines are never segment lines
  const bool inc = s.incrementalDistance;
  const bool incCentre = s.incrementalArcCentre;
  b.TrimRest();  // "G3   X3.7021" keeps its words
  while (!b.RestEmpty()) {
    const char letter = b.FirstChar();
    if (!IsArcLetter(letter) && !b.RestStartsWith("G53")) break;
    const double w = b.TakeWord(letter) * unit;
    if (!UsableValue(b, letter, w)) {
      b.TrimRest();
      continue;
    }
    switch (letter) {
      case 'X': arc.endX = inc ? arc.startX + w : w; break;
      case 'Y': arc.endY = inc ? arc.startY + w : w; break;
      case 'Z': arc.endZ = inc ? arc.startZ + w : w; break;
      case 'A': arc.endA = inc ? arc.startA + w : w; break;
      case 'B': arc.endB = inc ? arc.startB + w : w; break;
      case 'C': arc.endC = inc ? arc.startC + w : w; break;
      case 'I':
        arc.centreX = incCentre ? arc.centreX + w : w;
        words.centreGiven = true;
        break;
      case 'J':
        arc.centreY = incCentre ? arc.centreY + w : w;
        words.centreGiven = true;
        break;
      case 'K':
        arc.centreZ = incCentre ? arc.centreZ + w : w;
        words.centreGiven = true;
        break;
      case 'R':
        words.radius = w;
        words.radiusGiven = true;
        break;
      case 'F':
        arc.arcFeed = w;
        arc.feedGiven = true;
        break;
      case 'G': arc.machineCoordinates = true; break;
      default: break;
    }
    b.TrimRest();
  }
  return words;
}

// Stores an in-plane centre back into the arc's X, Y, Z.
void SetPlaneCentre(TArcBlock& arc, int plane, double cu, double cv) {
  switch (plane) {
    case 0: arc.centreX = cu; arc.centreY = cv; break;
    case 1: arc.centreX = cu; arc.centreZ = cv; break;
    default: arc.centreY = cu; arc.centreZ = cv; break;
  }
}

// The centre of an arc given by its radius: on the chord's perpendicular
// bisector, to the left of the chord for a short counter-clockwise arc or a
// long clockwise one. Returns false when no arc can be made (end on start,
// or a radius of 0). `halfChordExcess` is how far the half chord exceeds |R|.
bool CentreFromRadius(TArcBlock& arc, int plane, double r, double& halfChordExcess) {
  TPlaneAxes p{};
  PlaneAxes(arc, plane, p);
  const double du = p.eu - p.su, dv = p.ev - p.sv;
  const double d = std::hypot(du, dv);
  if (d == 0 || r == 0 || !std::isfinite(d)) return false;
  const double h2 = r * r - (d / 2) * (d / 2);
  const double h = h2 > 0 ? std::sqrt(h2) : 0;
  const double midU = (p.su + p.eu) / 2, midV = (p.sv + p.ev) / 2;
  const double leftU = -dv / d, leftV = du / d;
  const bool toLeft = arc.counterClockwise == (r > 0);
  if (toLeft) {
    SetPlaneCentre(arc, plane, midU + h * leftU, midV + h * leftV);
  } else {
    SetPlaneCentre(arc, plane, midU - h * leftU, midV - h * leftV);
  }
  halfChordExcess = d / 2 - std::fabs(r);
  return true;
}

// An end point that misses the circle through the start by more than
// 0.01 mm and 0.1 % of the radius: most often I and J meant relative to the
// start without G91.1.
bool EndOffCircle(const TArcBlock& arc, const TPlaneAxes& p) {
  const double eu = p.eu - p.cu, ev = p.ev - p.cv;
  const double miss = std::fabs(std::hypot(eu, ev) - arc.radius);
  return miss > 0.01 && miss > 0.001 * arc.radius;
}

void ReportOffCircle(TBlock& b) {
  AppendCodeComment(b, 'G', " end point off its circle");
  b.errors.Append(etArcGeometry);
  b.state.unknownCodesFound = true;
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

  const TArcWords words = TakeArcWords(b, arc);

  TPlaneAxes p{};
  if (!PlaneAxes(arc, s.workingPlane, p)) {
    s.unknownCodesFound = true;
    AppendCodeComment(b, 'G', "");
    b.errors.Append(etUnknownPlane);
  } else {
    bool canFollow = true;
    bool radiusTooSmall = false;
    if (words.radiusGiven && !words.centreGiven) {
      double halfChordExcess = 0;
      canFollow = CentreFromRadius(arc, s.workingPlane, words.radius, halfChordExcess);
      radiusTooSmall = halfChordExcess > 0.01;
      PlaneAxes(arc, s.workingPlane, p);
    }
    arc.radius = std::hypot(p.su - p.cu, p.sv - p.cv);
    if (canFollow && arc.radius > 0 && std::isfinite(arc.radius)) {
      if (radiusTooSmall || EndOffCircle(arc, p)) ReportOffCircle(b);
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
