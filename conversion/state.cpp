#include "conversion/state.h"

#include <cmath>
#include <limits>

#include "conversion/text.h"

namespace torvel {

ConversionState InitialiseState(const RunSettings& settings) {
  ConversionState s;  // constant start values first
  s.maxSegmentLength = ParseNumber(settings.maxSegment, 0.1);
  // Typed degrees to radians: times pi, then times the reciprocal of 180.
  s.maxArcAngle = ParseNumber(settings.maxAngle, 1.0) * kPi * (1.0 / 180.0);
  s.wrappedAxis = (settings.wrappedAxisIndex == 0 || settings.wrappedAxisIndex == 1)
                      ? settings.wrappedAxisIndex
                      : -1;
  s.rotaryAxis = (settings.rotaryAxisIndex >= 0 && settings.rotaryAxisIndex <= 2)
                     ? settings.rotaryAxisIndex + 3
                     : 2;
  s.inputAxisZ = ParseNumber(settings.axisZ, 0.0);
  s.inputSurfaceZ = ParseNumber(settings.surfaceZ, 7.5);
  s.outputAxisZ = ParseNumber(settings.outputAxisZ, 0.0);
  s.mmPerDegree = (s.inputSurfaceZ - s.inputAxisZ) * kPi * (1.0 / 180.0);
  if (s.wrappedAxis == kAxisY) s.mmPerDegree = -s.mmPerDegree;
  s.incrementalArcCentre = settings.incrementalArcCentres;
  return s;
}

void AddRunningTime(ConversionState& state, double seconds) {
  const double sum = state.runningTime + seconds;
  if (std::isfinite(sum)) {
    state.runningTime = sum;
  } else if (!std::isnan(sum)) {
    state.runningTime = sum > 0 ? std::numeric_limits<double>::max()
                                : -std::numeric_limits<double>::max();
  }
}

const char* ErrorReportText(TErrorType error) {
  switch (error) {
    case etG18Plane: return "\tG18: XZ Plane definition found.\n";
    case etG19Plane: return "\tG19: YZ Plane definition encountered.\n";
    case etZeroArc: return "\tZero size arc met.\n";
    case etUnknownPlane:
      return "\tUnknown Working Plane definition specified. Possible program internal error.\n";
    case etUnknownMCode: return "\tUnknown M Code Encountered.\n";
    case etUnknownGCode: return "\tUnknown G Code Encountered.\n";
    case etAAxisInput: return "\tThe input file contains A Axis Instructions.\n";
    case etBAxisInput: return "\tThe input file contains B Axis Instructions.\n";
    case etCAxisInput: return "\tThe input file contains C Axis Instructions.\n";
    case etArcGeometry:
      return "\tArc end point not on its circle (are I, J, K relative to the arc start? Add "
             "G91.1).\n";
    case etValueOutOfRange:
      return "\tA value too large to convert was left out.\n";
    default: return "\tProgram internal error.\n";
  }
}

std::string BuildErrorReport(const ErrorList& errors) {
  const std::size_t n = errors.Count();
  std::string report = "The following Error";
  report += n < 2 ? " was " : "s were ";
  report += "encountered:\n";
  for (std::size_t i = 0; i < n; ++i) report += ErrorReportText(errors.At(i));
  return report;
}

}  // namespace torvel
