#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "conversion/header.h"
#include "conversion/run.h"
#include "conversion/state.h"
#include "test_support.h"

namespace torvel {
namespace {

RunSettings Settings(const std::string& segment, const std::string& angle, const std::string& axisZ,
                     const std::string& surfaceZ, const std::string& outputAxisZ, int wrapped,
                     int rotary) {
  RunSettings s;
  s.maxSegment = segment;
  s.maxAngle = angle;
  s.axisZ = axisZ;
  s.surfaceZ = surfaceZ;
  s.outputAxisZ = outputAxisZ;
  s.wrappedAxisIndex = wrapped;
  s.rotaryAxisIndex = rotary;
  return s;
}

TEST(InitialiseState, ConstantStartValues) {
  const ConversionState s = InitialiseState(test::ExampleSettings());
  EXPECT_EQ(s.currentX, 999.0);
  EXPECT_EQ(s.currentY, 999.0);
  EXPECT_EQ(s.currentZ, 999.0);
  EXPECT_EQ(s.currentA, 999.0);
  EXPECT_EQ(s.currentB, 999.0);
  EXPECT_EQ(s.currentC, 999.0);
  EXPECT_EQ(s.currentOutputX, 999.0);
  EXPECT_EQ(s.feedRate, 100.0);
  EXPECT_EQ(s.rapidFeedRate, 2300.0);
  EXPECT_EQ(s.runningTime, 0.0);
  EXPECT_EQ(s.workingPlane, 0);
  EXPECT_FALSE(s.unitsAreInches);
  EXPECT_FALSE(s.incrementalDistance);
  EXPECT_FALSE(s.incrementalArcCentre);
  EXPECT_TRUE(s.firstMove);
  EXPECT_FALSE(s.unknownCodesFound);
  EXPECT_EQ(s.toolNumber, 0);
}

TEST(InitialiseState, SettingsFromTheBoxes) {
  struct Row {
    const char* name;
    RunSettings settings;
    double maxSegmentLength;
    double maxArcAngle;
    AxisCode wrappedAxis;
    AxisCode rotaryAxis;
    double inputAxisZ;
    double inputSurfaceZ;
    double outputAxisZ;
    double mmPerDegree;
  };
  const Row rows[] = {
      {"15 degrees", Settings("1.0", "15", "0", "20", "0", 0, 0), 1.0, 0.2617993877991494, 0, 3,
       0.0, 20.0, 0.0, 0.3490658503988659},
      {"unreadable angle falls back to 1 degree", Settings("1.0", "abc", "0", "20", "0", 0, 0), 1.0,
       0.017453292519943295, 0, 3, 0.0, 20.0, 0.0, 0.3490658503988659},
      {"empty angle falls back to 1 degree", Settings("1.0", "", "0", "20", "0", 0, 0), 1.0,
       0.017453292519943295, 0, 3, 0.0, 20.0, 0.0, 0.3490658503988659},
      {"empty segment falls back to 0.1", Settings("", "15", "0", "20", "0", 0, 0), 0.1,
       0.2617993877991494, 0, 3, 0.0, 20.0, 0.0, 0.3490658503988659},
      {"unreadable segment falls back to 0.1", Settings("abc", "15", "0", "20", "0", 0, 0), 0.1,
       0.2617993877991494, 0, 3, 0.0, 20.0, 0.0, 0.3490658503988659},
      {"segment keeps its number characters", Settings("2.5mm", "15", "0", "20", "0", 0, 0), 2.5,
       0.2617993877991494, 0, 3, 0.0, 20.0, 0.0, 0.3490658503988659},
      {"Y wrapped mirrors the degree", Settings("1.0", "15", "0", "20", "0", 1, 0), 1.0,
       0.2617993877991494, 1, 3, 0.0, 20.0, 0.0, -0.3490658503988659},
      {"surface below the axis", Settings("1.0", "15", "10", "7.5", "0", 0, 0), 1.0,
       0.2617993877991494, 0, 3, 10.0, 7.5, 0.0, -0.04363323129985824},
      {"empty Z boxes take their fallbacks", Settings("1.0", "15", "", "", "", 0, 0), 1.0,
       0.2617993877991494, 0, 3, 0.0, 7.5, 0.0, 0.1308996938995747},
      {"output axis Z is read on its own", Settings("1.0", "15", "0", "20", "-3.5", 0, 0), 1.0,
       0.2617993877991494, 0, 3, 0.0, 20.0, -3.5, 0.3490658503988659},
      {"B axis", Settings("1.0", "15", "0", "20", "0", 0, 1), 1.0, 0.2617993877991494, 0, 4, 0.0,
       20.0, 0.0, 0.3490658503988659},
      {"C axis", Settings("1.0", "15", "0", "20", "0", 0, 2), 1.0, 0.2617993877991494, 0, 5, 0.0,
       20.0, 0.0, 0.3490658503988659},
      // Nothing selected: no axis; the degree is not mirrored.
      {"nothing selected", Settings("1.0", "15", "0", "20", "0", -1, -1), 1.0, 0.2617993877991494,
       -1, 2, 0.0, 20.0, 0.0, 0.3490658503988659},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const ConversionState s = InitialiseState(r.settings);
    EXPECT_EQ(s.maxSegmentLength, r.maxSegmentLength);
    EXPECT_EQ(s.maxArcAngle, r.maxArcAngle);
    EXPECT_EQ(s.wrappedAxis, r.wrappedAxis);
    EXPECT_EQ(s.rotaryAxis, r.rotaryAxis);
    EXPECT_EQ(s.inputAxisZ, r.inputAxisZ);
    EXPECT_EQ(s.inputSurfaceZ, r.inputSurfaceZ);
    EXPECT_EQ(s.outputAxisZ, r.outputAxisZ);
    EXPECT_EQ(s.mmPerDegree, r.mmPerDegree);
  }
}

TEST(InitialiseState, NothingOfOneRunReachesTheNext) {
  const RunSettings settings = test::ExampleSettings();
  const TConversion first =
      ConvertText("G20\nG91\nG91.1\nG18\nG0 X1 Y2 Z3 A4 F5000\nT7\nM100\nP2000\n", settings);
  ASSERT_TRUE(first.state.unknownCodesFound);
  ASSERT_GT(first.errors.Count(), 0u);

  const TConversion second = ConvertText("", settings);
  const ConversionState fresh = InitialiseState(settings);
  EXPECT_EQ(second.errors.Count(), 0u);
  EXPECT_EQ(second.body, "");
  EXPECT_EQ(second.state.currentX, fresh.currentX);
  EXPECT_EQ(second.state.currentZ, fresh.currentZ);
  EXPECT_EQ(second.state.currentA, fresh.currentA);
  EXPECT_EQ(second.state.feedRate, fresh.feedRate);
  EXPECT_EQ(second.state.rapidFeedRate, fresh.rapidFeedRate);
  EXPECT_EQ(second.state.runningTime, 0.0);
  EXPECT_EQ(second.state.workingPlane, 0);
  EXPECT_FALSE(second.state.unitsAreInches);
  EXPECT_FALSE(second.state.incrementalDistance);
  EXPECT_FALSE(second.state.incrementalArcCentre);
  EXPECT_TRUE(second.state.firstMove);
  EXPECT_FALSE(second.state.unknownCodesFound);
  EXPECT_EQ(second.state.toolNumber, 0);
}

TEST(ErrorList, AtOutsideTheEntriesThrows) {
  ErrorList list;
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_THROW(list.At(0), std::out_of_range);
  list.Append(etG19Plane);
  list.Append(etZeroArc);
  list.Append(etG19Plane);  // the same kind may stand many times
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.At(0), etG19Plane);
  EXPECT_EQ(list.At(1), etZeroArc);
  EXPECT_EQ(list.At(2), etG19Plane);
  EXPECT_THROW(list.At(3), std::out_of_range);
  EXPECT_THROW(list.At(static_cast<std::size_t>(-1)), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_THROW(list.At(0), std::out_of_range);
}

TEST(ErrorReport, TextOfEveryKind) {
  struct Row {
    TErrorType error;
    const char* text;
  };
  const Row rows[] = {
      {etG18Plane, "\tG18: XZ Plane definition found.\n"},
      {etG19Plane, "\tG19: YZ Plane definition encountered.\n"},
      {etZeroArc, "\tZero size arc met.\n"},
      {etUnknownPlane,
       "\tUnknown Working Plane definition specified. Possible program internal error.\n"},
      {etUnknownMCode, "\tUnknown M Code Encountered.\n"},
      {etUnknownGCode, "\tUnknown G Code Encountered.\n"},
      {etAAxisInput, "\tThe input file contains A Axis Instructions.\n"},
      {etBAxisInput, "\tThe input file contains B Axis Instructions.\n"},
      {etCAxisInput, "\tThe input file contains C Axis Instructions.\n"},
      {static_cast<TErrorType>(200), "\tProgram internal error.\n"},
      {static_cast<TErrorType>(255), "\tProgram internal error.\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.error));
    EXPECT_EQ(std::string(ErrorReportText(r.error)), r.text);
  }
}

TEST(ErrorReport, OneEntryAndThreeEntries) {
  ErrorList none;
  EXPECT_EQ(BuildErrorReport(none), "The following Error was encountered:\n");

  ErrorList one;
  one.Append(etUnknownMCode);
  EXPECT_EQ(BuildErrorReport(one),
            "The following Error was encountered:\n\tUnknown M Code Encountered.\n");

  ErrorList two;
  two.Append(etUnknownGCode);
  two.Append(etUnknownGCode);
  EXPECT_EQ(BuildErrorReport(two),
            "The following Errors were encountered:\n\tUnknown G Code Encountered.\n"
            "\tUnknown G Code Encountered.\n");

  ErrorList three;
  three.Append(etG18Plane);
  three.Append(etZeroArc);
  three.Append(etUnknownMCode);
  EXPECT_EQ(BuildErrorReport(three),
            "The following Errors were encountered:\n"
            "\tG18: XZ Plane definition found.\n"
            "\tZero size arc met.\n"
            "\tUnknown M Code Encountered.\n");
}

TEST(HeaderLines, TenLinesInOrder) {
  const ConversionState s = InitialiseState(Settings("0.1", "1", "0", "7.5", "0", 1, 0));
  const std::vector<std::string> lines = HeaderLines(s);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "(G Code Wrapped by the Quennow GCodeTorvel Program.)");
  // The credit is one comment of the maker's own words.
  ASSERT_GE(lines[1].size(), 2u);
  EXPECT_EQ(lines[1].front(), '(');
  EXPECT_EQ(lines[1].back(), ')');
  EXPECT_EQ(lines[1].find_first_of("\r\n"), std::string::npos);
  const std::vector<std::string> rest(lines.begin() + 2, lines.end());
  const std::vector<std::string> expected = {
      "(Max Straight segment length = 0.1000mm)",
      "(Max arc angle of segment around centre = 1.0000degrees)",
      "(Note: All dimensions are converted to mm)",
      "(Original file Axis height Z = 0.0000)",
      "(Original file Nominal Work height Z = 7.5000)",
      "(This file Axis height Z = 0.0000)",
      "(Y axis is wrapped...)",
      "(...onto the A axis)",
  };
  EXPECT_EQ(rest, expected);
}

TEST(HeaderLines, ValuesAndAxes) {
  struct Row {
    const char* name;
    RunSettings settings;
    std::size_t index;
    const char* line;
  };
  const Row rows[] = {
      {"segment", Settings("1.0", "10", "0", "7.5", "0", 0, 0), 2,
       "(Max Straight segment length = 1.0000mm)"},
      {"segment fallback", Settings("abc", "10", "0", "7.5", "0", 0, 0), 2,
       "(Max Straight segment length = 0.1000mm)"},
      {"segment rounded", Settings("0.123456", "10", "0", "7.5", "0", 0, 0), 2,
       "(Max Straight segment length = 0.1235mm)"},
      {"angle 10", Settings("1.0", "10", "0", "7.5", "0", 0, 0), 3,
       "(Max arc angle of segment around centre = 10.0000degrees)"},
      {"angle 15", Settings("1.0", "15", "0", "7.5", "0", 0, 0), 3,
       "(Max arc angle of segment around centre = 15.0000degrees)"},
      {"angle 2.5", Settings("1.0", "2.5", "0", "7.5", "0", 0, 0), 3,
       "(Max arc angle of segment around centre = 2.5000degrees)"},
      {"angle fallback", Settings("1.0", "abc", "0", "7.5", "0", 0, 0), 3,
       "(Max arc angle of segment around centre = 1.0000degrees)"},
      {"negative axis Z", Settings("1.0", "10", "-12.34567", "7.5", "0", 0, 0), 5,
       "(Original file Axis height Z = -12.3457)"},
      {"surface Z", Settings("1.0", "10", "0", "20", "0", 0, 0), 6,
       "(Original file Nominal Work height Z = 20.0000)"},
      {"negative output axis Z", Settings("1.0", "10", "0", "7.5", "-12.34567", 0, 0), 7,
       "(This file Axis height Z = -12.3457)"},
      {"X wrapped", Settings("1.0", "10", "0", "7.5", "0", 0, 0), 8, "(X axis is wrapped...)"},
      {"Y wrapped", Settings("1.0", "10", "0", "7.5", "0", 1, 0), 8, "(Y axis is wrapped...)"},
      {"no wrapped axis", Settings("1.0", "10", "0", "7.5", "0", -1, 0), 8,
       "(Unknown axis is wrapped. Program error.)"},
      {"onto A", Settings("1.0", "10", "0", "7.5", "0", 0, 0), 9, "(...onto the A axis)"},
      {"onto B", Settings("1.0", "10", "0", "7.5", "0", 0, 1), 9, "(...onto the B axis)"},
      {"onto C", Settings("1.0", "10", "0", "7.5", "0", 0, 2), 9, "(...onto the C axis)"},
      {"no rotary axis", Settings("1.0", "10", "0", "7.5", "0", 0, -1), 9,
       "(...onto an unknown destination axis. Program error.)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::vector<std::string> lines = HeaderLines(InitialiseState(r.settings));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[r.index], r.line);
  }
}

TEST(RunningTimeLine, HoursMinutesSeconds) {
  struct Row {
    double seconds;
    const char* line;
  };
  const Row rows[] = {
      {0.0, "(Total Running Time minimum = 0.00 Seconds. )"},
      {16.479436268410976, "(Total Running Time minimum = 16.48 Seconds. )"},
      {59.994, "(Total Running Time minimum = 59.99 Seconds. )"},
      {59.996, "(Total Running Time minimum = 60.00 Seconds. )"},
      {60.0, "(Total Running Time minimum = 1 Minutes, 0.00 Seconds. )"},
      {75.5, "(Total Running Time minimum = 1 Minutes, 15.50 Seconds. )"},
      {119.999, "(Total Running Time minimum = 1 Minutes, 60.00 Seconds. )"},
      {120.0, "(Total Running Time minimum = 2 Minutes, 0.00 Seconds. )"},
      {3600.0, "(Total Running Time minimum = 1 Hours, 0.00 Seconds. )"},
      {3660.0, "(Total Running Time minimum = 1 Hours, 1 Minutes, 0.00 Seconds. )"},
      {3725.25, "(Total Running Time minimum = 1 Hours, 2 Minutes, 5.25 Seconds. )"},
      {7200.0, "(Total Running Time minimum = 2 Hours, 0.00 Seconds. )"},
      {90061.5, "(Total Running Time minimum = 25 Hours, 1 Minutes, 1.50 Seconds. )"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.seconds);
    EXPECT_EQ(RunningTimeLine(r.seconds), r.line);
  }
}

TEST(RunningTimeLine, InsertedAtIndexFive) {
  std::vector<std::string> header = HeaderLines(InitialiseState(test::ExampleSettings()));
  InsertRunningTime(header, 75.5);
  ASSERT_EQ(header.size(), 11u);
  EXPECT_EQ(header[4], "(Note: All dimensions are converted to mm)");
  EXPECT_EQ(header[5], "(Total Running Time minimum = 1 Minutes, 15.50 Seconds. )");
  EXPECT_EQ(header[6], "(Original file Axis height Z = 0.0000)");
  EXPECT_EQ(header[10], "(...onto the A axis)");
}

TEST(RunningTimeLine, EmptyProgramGivesElevenHeaderLines) {
  const TConversion c = ConvertText("", test::ExampleSettings());
  EXPECT_EQ(c.body, "");
  const std::vector<std::string> expected = {
      "(G Code Wrapped by the Quennow GCodeTorvel Program.)",
      c.header.size() > 1 ? c.header[1] : std::string("<missing>"),
      "(Max Straight segment length = 1.0000mm)",
      "(Max arc angle of segment around centre = 10.0000degrees)",
      "(Note: All dimensions are converted to mm)",
      "(Total Running Time minimum = 0.00 Seconds. )",
      "(Original file Axis height Z = 0.0000)",
      "(Original file Nominal Work height Z = 7.5000)",
      "(This file Axis height Z = 0.0000)",
      "(X axis is wrapped...)",
      "(...onto the A axis)",
  };
  EXPECT_EQ(c.header, expected);
}

}  // namespace
}  // namespace torvel
