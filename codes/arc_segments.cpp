// Replacing an arc by straight segments: in XY as G1 lines read next by the
// straight-move handler, in XZ and YZ by following the position and time.
#include <cmath>
#include <memory>

#include "codes/arc.h"
#include "codes/handlers.h"

namespace torvel {
namespace {

// Segments by one limit: the quantity over the limit, rounded up. A limit
// of 0 gives no count; a negative limit gives a count below 1.
double CountFor(double quantity, double limit) {
  if (limit == 0.0) return 0.0;
  return std::ceil(std::fabs(quantity) / limit);
}

struct TSteps {
  int count = 0;
  double angle = 0;   // radians, negative for G2
  double linear = 0;  // mm along the plane's linear axis
  double a = 0, b = 0, c = 0;
};

// The end of segment k, by repeated addition of the angle step.
struct TSegmentEnd {
  double u = 0, v = 0, l = 0, a = 0, b = 0, c = 0;
};

class TSegmentWalker {
 public:
  TSegmentWalker(const TArcBlock& arc, const TPlaneAxes& p, const TSteps& st)
      : arc_(arc), p_(p), st_(st), angle_(arc.startAngle) {}

  bool Done() const { return k_ >= st_.count; }
  // Advances to the next segment end.
  const TSegmentEnd& Next() {
    ++k_;
    angle_ += st_.angle;
    end_.u = p_.cu + arc_.radius * std::cos(angle_);
    end_.v = p_.cv + arc_.radius * std::sin(angle_);
    end_.l = p_.sl + k_ * st_.linear;
    end_.a = arc_.startA + k_ * st_.a;
    end_.b = arc_.startB + k_ * st_.b;
    end_.c = arc_.startC + k_ * st_.c;
    return end_;
  }
  double Angle() const { return angle_; }
  const TArcBlock& Arc() const { return arc_; }
  const TPlaneAxes& Axes() const { return p_; }
  const TSteps& Steps() const { return st_; }

 private:
  const TArcBlock arc_;
  const TPlaneAxes p_;
  const TSteps st_;
  double angle_;
  int k_ = 0;
  TSegmentEnd end_;
};

// Builds the G1 lines of an XY arc as they are read, in millimetres and
// 4 decimals, absolute or as increments.
class TSegmentLines : public TLineSource {
 public:
  TSegmentLines(const TArcBlock& arc, const TPlaneAxes& p, const TSteps& st, bool incremental)
      : walker_(arc, p, st), incremental_(incremental) {}

  bool Next(TSegmentMove& m) override {
    if (walker_.Done()) return false;
    const TSegmentEnd& e = walker_.Next();
    const TArcBlock& arc = walker_.Arc();
    const TPlaneAxes& p = walker_.Axes();
    const TSteps& st = walker_.Steps();
    double x = e.u, y = e.v, z = e.l, a = e.a, b = e.b, c = e.c;
    if (incremental_) {
      const double previous = walker_.Angle() - st.angle;
      x = e.u - (p.cu + arc.radius * std::cos(previous));
      y = e.v - (p.cv + arc.radius * std::sin(previous));
      z = st.linear;
      a = st.a;
      b = st.b;
      c = st.c;
    }
    // The values its line's texts would be read back as.
    m.x = RoundTripFixed(x, 4);
    m.y = RoundTripFixed(y, 4);
    m.hasZ = st.linear != 0.0;
    m.hasA = st.a != 0.0;
    m.hasB = st.b != 0.0;
    m.hasC = st.c != 0.0;
    m.z = m.hasZ ? RoundTripFixed(z, 4) : 0.0;
    m.a = m.hasA ? RoundTripFixed(a, 4) : 0.0;
    m.b = m.hasB ? RoundTripFixed(b, 4) : 0.0;
    m.c = m.hasC ? RoundTripFixed(c, 4) : 0.0;
    m.machineCoordinates = arc.machineCoordinates;
    return true;
  }

 private:
  TSegmentWalker walker_;
  const bool incremental_;
};

}  // namespace

void ReportZeroArc(TBlock& b) {
  b.state.unknownCodesFound = true;
  b.outputLine += "\n(G";
  AppendGeneral(b.outputLine, b.wordValue);
  b.outputLine += " Gives zero arc size)\n";
  b.errors.Append(etZeroArc);
}

void SegmentArc(TBlock& b, const TArcBlock& arc) {
  ConversionState& s = b.state;
  TPlaneAxes p{};
  PlaneAxes(arc, s.workingPlane, p);

  const double count =
      std::fmax(CountFor(arc.arcLength, s.maxSegmentLength), CountFor(arc.sweep, s.maxArcAngle));
  // NaN fails both tests; a count beyond the bound is no arc we can follow.
  if (!(count >= 1.0) || !(count <= kMaxArcSegments)) {
    ReportZeroArc(b);
    return;
  }
  TSteps st;
  st.count = static_cast<int>(count);
  st.angle = (arc.endAngle - arc.startAngle) / st.count;
  st.linear = (p.el - p.sl) / st.count;
  st.a = (arc.endA - arc.startA) / st.count;
  st.b = (arc.endB - arc.startB) / st.count;
  st.c = (arc.endC - arc.startC) / st.count;
  // Ends so far apart that their difference overflows cannot be followed.
  if (!std::isfinite(st.linear + st.a + st.b + st.c)) {
    ReportZeroArc(b);
    return;
  }

  if (s.workingPlane == 0) {
    if (arc.feedGiven) {
      // The feed stands on the arc line's own output line, ended there.
      b.outputLine += " F";
      AppendGeneral(b.outputLine, arc.arcFeed);
      b.outputLine += " \n";
    }
    b.input.InsertAfterCurrent(
        std::make_unique<TSegmentLines>(arc, p, st, s.incrementalDistance),
        static_cast<std::size_t>(st.count));
    s.firstMove = false;
    return;
  }

  // XZ and YZ: nothing is written; the position and the time follow the arc.
  TSegmentWalker walker(arc, p, st);
  TSegmentEnd end;
  while (!walker.Done()) end = walker.Next();
  double x, y, z;
  if (s.workingPlane == 1) {
    x = end.u; z = end.v; y = end.l;
  } else {
    y = end.u; z = end.v; x = end.l;
  }
  s.currentX = x;
  s.currentY = y;
  const double outputZ = z + s.outputAxisZ - s.inputAxisZ;  // back to the output frame
  if (std::isfinite(outputZ)) s.currentZ = outputZ;
  s.currentA = end.a;
  s.currentB = end.b;
  s.currentC = end.c;
  s.firstMove = false;
  if (arc.arcFeed != 0.0) AddRunningTime(s, arc.arcLength * 60.0 / arc.arcFeed);
}

}  // namespace torvel
