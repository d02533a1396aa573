// The state of one conversion run and the catalogue of recorded problems.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace torvel {

// Names an axis: 0 X, 1 Y, 3 A, 4 B, 5 C; any other value means none chosen.
using AxisCode = int;
constexpr AxisCode kAxisX = 0, kAxisY = 1, kAxisA = 3, kAxisB = 4, kAxisC = 5;

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

// The values a run reads from the window: the texts of the seven boxes and
// the selected indexes of the two drop-down lists (-1 for none).
struct RunSettings {
  std::string inputFile;     // Edit1
  std::string outputFile;    // Edit2
  std::string maxSegment;    // Edit3, mm
  std::string maxAngle;      // Edit4, degrees
  std::string axisZ;         // Edit5, mm, centreline Z in the input
  std::string surfaceZ;      // Edit6, mm, work surface Z in the input
  std::string outputAxisZ;   // Edit7, mm, centreline Z in the output
  int wrappedAxisIndex = 1;  // ComboBox1: 0 X, 1 Y
  int rotaryAxisIndex = 0;   // ComboBox2: 0 A (1 B, 2 C from the command line)
  bool incrementalArcCentres = false;  // start as if the program began with G91.1
};

struct ConversionState {
  // Settings, fixed for the run.
  double maxSegmentLength = 0.1;  // mm
  double maxArcAngle = 0.0;       // radians
  AxisCode wrappedAxis = -1;
  AxisCode rotaryAxis = 2;
  double inputAxisZ = 0.0;     // mm, input frame
  double inputSurfaceZ = 7.5;  // mm, input frame
  double outputAxisZ = 0.0;    // mm, output frame
  double mmPerDegree = 0.0;    // mm of wrapped travel per degree; negative mirrors

  // Position; 999 stands for "not given yet".
  double currentX = 999.0;        // mm, input frame
  double currentY = 999.0;        // mm, input frame
  double currentZ = 999.0;        // mm, output frame
  double currentA = 999.0;        // degrees
  double currentB = 999.0;        // degrees
  double currentC = 999.0;        // degrees
  double currentOutputX = 999.0;  // mm, the unwrapped input axis, written as X

  double feedRate = 100.0;        // mm/min
  double rapidFeedRate = 2300.0;  // mm/min, only ever raised
  double runningTime = 0.0;       // seconds

  std::int8_t workingPlane = 0;  // 0 XY, 1 XZ, 2 YZ
  bool unitsAreInches = false;
  bool incrementalDistance = false;
  bool incrementalArcCentre = false;
  bool firstMove = true;
  bool unknownCodesFound = false;

  std::int32_t toolNumber = 0;
};

ConversionState InitialiseState(const RunSettings& settings);

// Adds seconds to the running time; a sum beyond the largest double stays
// at the largest double, so the estimate never reads "inf".
void AddRunningTime(ConversionState& state, double seconds);

enum TErrorType : std::uint8_t {
  etG18Plane = 0,
  etG19Plane = 1,
  etZeroArc = 2,
  etUnknownPlane = 3,
  etUnknownMCode = 4,
  etUnknownGCode = 5,
  etAAxisInput = 6,
  etBAxisInput = 7,
  etCAxisInput = 8,
  etArcGeometry = 9,
  etValueOutOfRange = 10,
};

// The text a recorded problem contributes to the report: a tab, the
// sentence, a line break.
const char* ErrorReportText(TErrorType error);

class ErrorList {
 public:
  void Append(TErrorType e) { entries_.push_back(e); }
  std::size_t Count() const { return entries_.size(); }
  TErrorType At(std::size_t index) const {
    if (index >= entries_.size()) throw std::out_of_range("ErrorList index out of range");
    return entries_[index];
  }
  void Clear() { entries_.clear(); }

 private:
  std::vector<TErrorType> entries_;
};

// "The following Error was encountered:\n" or "...Errors were..." and one
// text per entry, in the order recorded.
std::string BuildErrorReport(const ErrorList& errors);

}  // namespace torvel
