#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "conversion/block.h"
#include "conversion/block_reader.h"
#include "conversion/input_lines.h"
#include "conversion/run.h"
#include "conversion/state.h"
#include "test_support.h"

namespace torvel {
namespace {

constexpr int kWrapX = 0, kWrapY = 1, kNoAxis = -1;
constexpr int kOntoA = 0, kOntoB = 1, kOntoC = 2;

RunSettings Wrap(int wrapped, int rotary, const char* axisZ, const char* surfaceZ,
                 const char* outputAxisZ) {
  RunSettings s = test::ExampleSettings();
  s.wrappedAxisIndex = wrapped;
  s.rotaryAxisIndex = rotary;
  s.axisZ = axisZ;
  s.surfaceZ = surfaceZ;
  s.outputAxisZ = outputAxisZ;
  return s;
}

// Surface 20 mm above the centreline: 0.3490658503988659 mm per degree.
RunSettings XOntoA() { return Wrap(kWrapX, kOntoA, "0", "20", "0"); }
RunSettings YOntoA() { return Wrap(kWrapY, kOntoA, "0", "20", "0"); }

std::vector<TErrorType> Entries(const ErrorList& list) {
  std::vector<TErrorType> entries;
  for (std::size_t i = 0; i < list.Count(); ++i) entries.push_back(list.At(i));
  return entries;
}

TEST(StraightMove, LinesTimesAndRates) {
  struct Row {
    const char* name;
    RunSettings settings;
    const char* program;
    const char* body;
    double runningTime;
    double feedRate;
    double rapidFeedRate;
  };
  const Row rows[] = {
      // 50 mm is 143.2394 degrees; the turn outlasts the 50.36 mm of travel.
      {"X wrapped onto A", XOntoA(), "G0 X0 Y0 Z5\nG1 X50 Z-1 F600",
       "G0 X0.0000 Z5.0000 A0.0000\r\nG1 F600 Z-1.0000 A143.2394\r\n",
       50.0 / 0.3490658503988659 * 60.0 / 600.0, 600.0, 2300.0},
      // Y wrapped turns the other way; X is then the output's X.
      {"Y wrapped onto A", YOntoA(), "G1 Y50\nG1 X10", "G1 A-143.2394\r\nG1 X10.0000\r\n",
       989.0 * 60.0 / 100.0, 100.0, 2300.0},
      {"first block sets only Z", XOntoA(), "G0 Z5\nG1 X1 Y2",
       "G0 Z5.0000\r\nG1 X2.0000 A2.8648\r\n",
       std::sqrt(998.0 * 998.0 + 997.0 * 997.0) * 60.0 / 100.0, 100.0, 2300.0},
      {"999 equals the start value", YOntoA(), "G0 X999 Z5", "G0 Z5.0000\r\n", 0.0, 100.0, 2300.0},
      {"same position again", XOntoA(), "G0 X0 Y0 Z5\nG1 X0 Y0 Z5\nG1 X0 Y0 Z5 F200\nG0 G53 X0",
       "G0 X0.0000 Z5.0000 A0.0000\r\nG1\r\nG1 F200\r\nG0 G53\r\n", 0.0, 200.0, 2300.0},
      // The first move is timed by nobody; the next G0 is timed at 2300.
      {"no axis words on the first move", XOntoA(), "G1\nG0 X10", "G1\r\nG0 A28.6479\r\n",
       989.0 * 60.0 / 2300.0, 100.0, 2300.0},
      // 10 mm per 1 degree... surface 10 mm above the axis.
      {"inches", Wrap(kWrapX, kOntoA, "0", "10", "0"), "G20\nG1 X1 F10",
       "G21\r\nG1 F254 A145.5313\r\n", 0.0, 254.0, 2300.0},
      {"inch Z and Y", Wrap(kWrapX, kOntoA, "0", "10", "0"), "G20\nG0 Z1\nG1 Y1 F10",
       "G21\r\nG0 Z25.4000\r\nG1 F254 X25.4000\r\n", (999.0 - 25.4) * 60.0 / 254.0, 254.0, 2300.0},
      {"G0 with F", XOntoA(), "G0 X0 Y0 Z0\nG0 Y10 F3000\nG0 Y20",
       "G0 X0.0000 Z0.0000 A0.0000\r\nG0 F3000 X10.0000\r\nG0 X20.0000\r\n", 0.2 + 0.2, 100.0,
       3000.0},
      {"G1 with F above the rapid rate", XOntoA(), "G0 X0 Y0 Z0\nG1 Y10 F3000",
       "G0 X0.0000 Z0.0000 A0.0000\r\nG1 F3000 X10.0000\r\n", 0.2, 3000.0, 3000.0},
      {"numbers with fractions", XOntoA(),
       "G0 X0 Y0 Z0\nG1.9 Y10 F600\nG0.5 Y20\nG-0.5 Y30\nG01 Y40\nG00 Y50",
       "G0 X0.0000 Z0.0000 A0.0000\r\nG1.9 F600 X10.0000\r\nG0.5 X20.0000\r\n"
       "G-0.5 X30.0000\r\nG1 X40.0000\r\nG0 X50.0000\r\n",
       1.0 + 6.0 + 6.0 + 6.0 + 600.0 / 2300.0, 100.0, 2300.0},
      // Increments: the output Z is the change alone, whatever the axis heights.
      {"incremental", Wrap(kWrapX, kOntoA, "0", "20", "50"),
       "G0 X0 Y0 Z5\nG91\nG1 X10 Z-2\nG1 Y5\nG1 Y1 Y2",
       "G0 X0.0000 Z55.0000 A0.0000\r\nG91\r\nG1 Z-2.0000 A28.6479\r\nG1 X5.0000\r\n"
       "G1 X2.0000\r\n",
       10.0 / 0.3490658503988659 * 60.0 / 100.0 + 3.0 + 1.2, 100.0, 2300.0},
      {"later word of a letter wins", YOntoA(), "G0 X1 X2", "G0 X2.0000\r\n", 0.0, 100.0, 2300.0},
      {"input Z moved to the output axis", Wrap(kWrapX, kOntoA, "10", "30", "0"), "G0 Z15\nG1 Z-5",
       "G0 Z5.0000\r\nG1 Z-15.0000\r\n", 20.0 * 60.0 / 100.0, 100.0, 2300.0},
      {"other words follow the move", XOntoA(), "G1 X10 M3", "G1 A28.6479 M3\r\n", 0.0, 100.0,
       2300.0},
      {"G53 after the coordinates", YOntoA(), "G0 X0\nG1 X10 G53",
       "G0 X0.0000\r\nG1 G53 X10.0000\r\n", 6.0, 100.0, 2300.0},
      // S ends the move's words; the Y after it is a dropped word.
      {"a word the move does not own", XOntoA(), "G1 X1 S100 Y5", "G1 A2.8648 S100\r\n", 0.0, 100.0,
       2300.0},
      {"no wrapped axis", Wrap(kNoAxis, kOntoA, "0", "20", "0"), "G0 X5 Y5 Z1\nG1 X7 Z2",
       "G0 Z1.0000\r\nG1 Z2.0000\r\n", 0.6, 100.0, 2300.0},
      {"no rotary axis", Wrap(kWrapX, -1, "0", "20", "0"), "G0 X5 Y1\nG1 X10",
       "G0 X1.0000\r\nG1\r\n", 3.0, 100.0, 2300.0},
      {"onto B", Wrap(kWrapX, kOntoB, "0", "20", "0"), "G0 X0\nG1 X10",
       "G0 B0.0000\r\nG1 B28.6479\r\n", 10.0 / 0.3490658503988659 * 60.0 / 100.0, 100.0, 2300.0},
      {"onto C", Wrap(kWrapX, kOntoC, "0", "20", "0"), "G0 X0\nG1 X10",
       "G0 C0.0000\r\nG1 C28.6479\r\n", 10.0 / 0.3490658503988659 * 60.0 / 100.0, 100.0, 2300.0},
      // A move at rate zero adds no time; the move line is written as usual.
      {"F0 in a G1 block", XOntoA(), "G0 X0 Y0 Z0\nG1 Y10 F0\nG1 Y20\nG0 Y30",
       "G0 X0.0000 Z0.0000 A0.0000\r\nG1 F0 X10.0000\r\nG1 X20.0000\r\nG0 X30.0000\r\n",
       600.0 / 2300.0, 0.0, 2300.0},
      {"F0 on its own line", XOntoA(), "G0 X0 Y0 Z0\nF0\nG1 Y10",
       "G0 X0.0000 Z0.0000 A0.0000\r\nF0\r\nG1 X10.0000\r\n", 0.0, 0.0, 2300.0},
      {"F0 in a G0 block", XOntoA(), "G0 X0 Y0 Z0\nG0 Y10 F0\nG1 Y20",
       "G0 X0.0000 Z0.0000 A0.0000\r\nG0 F0 X10.0000\r\nG1 X20.0000\r\n", 6.0, 100.0, 2300.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const TConversion c = ConvertText(r.program, r.settings);
    EXPECT_EQ(c.body, r.body);
    EXPECT_NEAR(c.state.runningTime, r.runningTime, 1e-9);
    EXPECT_EQ(c.state.feedRate, r.feedRate);
    EXPECT_EQ(c.state.rapidFeedRate, r.rapidFeedRate);
    EXPECT_FALSE(c.state.firstMove);
    EXPECT_EQ(c.errors.Count(), 0u);
  }
}

TEST(StraightMove, FirstMoveAddsNoTime) {
  const TConversion c = ConvertText("G1 X50 Y20 Z5", XOntoA());
  EXPECT_EQ(c.body, "G1 X20.0000 Z5.0000 A143.2394\r\n");
  EXPECT_EQ(c.state.runningTime, 0.0);
  EXPECT_FALSE(c.state.firstMove);
  EXPECT_EQ(c.header[5], "(Total Running Time minimum = 0.00 Seconds. )");
}

TEST(StraightMove, RateZeroLeavesTheRunningTimeFinite) {
  const TConversion c = ConvertText("G0 X0 Y0 Z0\nG1 Y10 F0\nG1 Y20", XOntoA());
  EXPECT_EQ(c.state.runningTime, 0.0);
  EXPECT_EQ(c.header[5], "(Total Running Time minimum = 0.00 Seconds. )");
}

TEST(StraightMove, PositionsAfterTheBlock) {
  const TConversion c = ConvertText("G0 X10 Y20 Z5", Wrap(kWrapX, kOntoA, "1", "21", "3"));
  EXPECT_EQ(c.state.currentX, 10.0);
  EXPECT_EQ(c.state.currentY, 20.0);
  EXPECT_EQ(c.state.currentZ, 7.0);  // 5 + 3 - 1
  EXPECT_EQ(c.state.currentOutputX, 20.0);
  EXPECT_NEAR(c.state.currentA, 10.0 / 0.3490658503988659, 1e-12);
  EXPECT_EQ(c.state.currentB, 999.0);
  EXPECT_EQ(c.state.currentC, 999.0);
}

TEST(StraightMove, RotaryWordsAreRecordedAndDropped) {
  struct Row {
    const char* program;
    const char* body;
    std::vector<TErrorType> errors;
  };
  const Row rows[] = {
      {"G0 X0 A5 B6 C7", "G0 A0.0000\r\n", {etAAxisInput, etBAxisInput, etCAxisInput}},
      {"G1 A1\nG1 A2", "G1\r\nG1\r\n", {etAAxisInput, etAAxisInput}},
      {"G0 C1 X0 B2", "G0 A0.0000\r\n", {etCAxisInput, etBAxisInput}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.program);
    const TConversion c = ConvertText(r.program, XOntoA());
    EXPECT_EQ(c.body, r.body);
    EXPECT_EQ(Entries(c.errors), r.errors);
    EXPECT_FALSE(c.state.unknownCodesFound);
  }
}

TEST(StraightMove, FeedAboveRapidRaisesTheRapidRate) {
  // Only reachable with a feed rate set above the rapid rate beforehand.
  ConversionState state = InitialiseState(XOntoA());
  ErrorList errors;
  InputLines input;
  TBlock block(state, errors, input);
  state.feedRate = 5000.0;
  ReadBlock(block, "G1 Y1");
  EXPECT_EQ(block.outputLine, "G1 X1.0000");
  EXPECT_EQ(state.feedRate, 5000.0);
  EXPECT_EQ(state.rapidFeedRate, 5000.0);
}

TEST(StraightMove, SegmentLinesAreMillimetresUnderInches) {
  // Y wrapped onto A, surface 7.5 above the axis: -0.1308996938995747 mm per degree.
  RunSettings settings = test::ExampleSettings();
  settings.wrappedAxisIndex = kWrapY;
  ConversionState state = InitialiseState(settings);
  ErrorList errors;
  InputLines input;
  TBlock block(state, errors, input);
  state.unitsAreInches = true;

  block.segmentLine = true;
  ReadBlock(block, "G1 X1 Y2 Z0.5 F50");
  EXPECT_EQ(block.outputLine, "G1 F50 X1.0000 Z0.5000 A-15.2789");
  EXPECT_EQ(state.feedRate, 50.0);

  block.segmentLine = false;
  ReadBlock(block, "G1 X1");
  EXPECT_EQ(block.outputLine, "G1 X25.4000");
  EXPECT_EQ(state.currentX, 25.4);
}

}  // namespace
}  // namespace torvel
