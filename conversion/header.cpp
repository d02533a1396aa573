#include "conversion/header.h"

#include <cmath>

#include "conversion/text.h"

namespace torvel {

std::vector<std::string> HeaderLines(const ConversionState& s) {
  std::vector<std::string> lines;
  lines.reserve(11);
  lines.emplace_back("(G Code Wrapped by the Quennow GCodeTorvel Program.)");
  lines.emplace_back("(Wrapping a flat toolpath around a rotary axis - torvel)");
  lines.push_back("(Max Straight segment length = " + FormatFixed(s.maxSegmentLength, 4) + "mm)");
  // Back to the typed degrees: times 180, then times the reciprocal of pi.
  lines.push_back("(Max arc angle of segment around centre = " +
                  FormatFixed(s.maxArcAngle * 180.0 * (1.0 / kPi), 4) + "degrees)");
  lines.emplace_back("(Note: All dimensions are converted to mm)");
  lines.push_back("(Original file Axis height Z = " + FormatFixed(s.inputAxisZ, 4) + ")");
  lines.push_back("(Original file Nominal Work height Z = " + FormatFixed(s.inputSurfaceZ, 4) +
                  ")");
  lines.push_back("(This file Axis height Z = " + FormatFixed(s.outputAxisZ, 4) + ")");
  switch (s.wrappedAxis) {
    case kAxisX: lines.emplace_back("(X axis is wrapped...)"); break;
    case kAxisY: lines.emplace_back("(Y axis is wrapped...)"); break;
    default: lines.emplace_back("(Unknown axis is wrapped. Program error.)"); break;
  }
  switch (s.rotaryAxis) {
    case kAxisA: lines.emplace_back("(...onto the A axis)"); break;
    case kAxisB: lines.emplace_back("(...onto the B axis)"); break;
    case kAxisC: lines.emplace_back("(...onto the C axis)"); break;
    default: lines.emplace_back("(...onto an unknown destination axis. Program error.)"); break;
  }
  return lines;
}

std::string RunningTimeLine(double runningTime) {
  double t = std::isfinite(runningTime) ? runningTime : 0.0;
  // Hours and minutes are truncated before the seconds are rounded, so
  // 119.999 s reads "1 Minutes, 60.00 Seconds.".
  const double hours = std::trunc(t * (1.0 / 3600.0));
  t = t - hours * 3600.0;
  const double minutes = std::trunc(t * (1.0 / 60.0));
  t = t - minutes * 60.0;
  std::string text;
  if (hours > 0) text += FormatGeneral(hours) + " Hours, ";
  if (minutes > 0) text += FormatGeneral(minutes) + " Minutes, ";
  text += FormatFixed(t, 2) + " Seconds.";
  return "(Total Running Time minimum = " + text + " )";
}

void InsertRunningTime(std::vector<std::string>& header, double runningTime) {
  header.insert(header.begin() + static_cast<long>(kRunningTimeIndex),
                RunningTimeLine(runningTime));
}

}  // namespace torvel
