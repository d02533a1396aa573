// G2 and G3: the arc worked out from its block, then replaced by straight
// segments. Everything here is in the input's frame and in millimetres.
#pragma once

#include <cstdint>

#include "conversion/block.h"

namespace torvel {

// Segment counts above this take the zero-size path instead of exhausting
// memory and time.
constexpr double kMaxArcSegments = 10000000.0;

struct TArcBlock {
  bool counterClockwise = false;
  double startX = 0, startY = 0, startZ = 0;  // mm, input frame
  double startA = 0, startB = 0, startC = 0;  // degrees
  double endX = 0, endY = 0, endZ = 0, endA = 0, endB = 0, endC = 0;
  double centreX = 0, centreY = 0, centreZ = 0;
  double arcFeed = 0;  // mm/min
  bool feedGiven = false;
  bool machineCoordinates = false;  // a G53 word

  // Derived, in the working plane.
  double radius = 0;
  double startAngle = 0, endAngle = 0;  // radians
  double sweep = 0;                     // radians, never negative
  double arcLength = 0;                 // mm
};

// In-plane axes u, v and the linear axis l of a working plane, as pointers
// into an arc's start, end and centre.
struct TPlaneAxes {
  double su, sv, sl;
  double eu, ev, el;
  double cu, cv;
};
bool PlaneAxes(const TArcBlock& arc, int plane, TPlaneAxes& axes);

// The angle of (pu, pv) about (cu, cv), from the +u axis towards +v,
// in [0, 2 pi).
double PointAngle(double pu, double pv, double cu, double cv);

// Replaces the worked-out arc by segments in the working plane, or reports
// it as a zero-size arc.
void SegmentArc(TBlock& b, const TArcBlock& arc);

// The zero-size report: a comment line, etZeroArc, the problem flag.
void ReportZeroArc(TBlock& b);

}  // namespace torvel
