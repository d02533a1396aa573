#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "conversion/block_reader.h"
#include "conversion/text.h"
#include "test_support.h"

namespace torvel {
namespace {

// One arc line read from a known position; the segment lines it inserts
// are collected as the run would read them next.
struct ArcCase {
  explicit ArcCase(const char* maxSegment = "10", const char* maxAngle = "100") {
    RunSettings settings = test::ExampleSettings();
    settings.maxSegment = maxSegment;
    settings.maxAngle = maxAngle;
    state = InitialiseState(settings);
    state.currentX = 0;
    state.currentY = 5;
    state.currentZ = 0;
  }
  // Reads `line` and returns its output line; segment lines go to `segments`.
  std::string Read(const std::string& line) {
    ReadBlock(block, line);
    std::string out = block.outputLine;
    std::string text;
    bool inserted = false;
    while (input.Next(text, inserted)) {
      EXPECT_TRUE(inserted);
      segments.push_back(text);
    }
    return out;
  }
  ConversionState state;
  ErrorList errors;
  InputLines input;
  TBlock block{state, errors, input};
  std::vector<std::string> segments;
};

TEST(ArcSegments, CasesFromXYToZeroSize) {
  struct Row {
    const char* name;
    const char* before;  // a modal line read first, or ""
    const char* line;
    std::vector<std::string> segments;
    const char* output;  // the arc line's own output line
  };
  const Row rows[] = {
      {"half circle", "", "G2 X10 Y5 I5 J5",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, ""},
      {"feed on the arc line", "", "G2 X10 Y5 I5 J5 F300",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, "F300"},
      {"incremental distances", "G91", "G2 X10 Y0 I5 J5",
       {"G1 X5.0000 Y5.0000", "G1 X5.0000 Y-5.0000"}, ""},
      {"helix", "", "G2 X10 Y5 I5 J5 Z-4",
       {"G1 X5.0000 Y10.0000 Z-2.0000", "G1 X10.0000 Y5.0000 Z-4.0000"}, ""},
      {"machine coordinates", "", "G2 X10 Y5 I5 J5 G53",
       {"G1 X5.0000 Y10.0000 G53", "G1 X10.0000 Y5.0000 G53"}, ""},
      {"quarter circle about (5, 0)", "", "G2 X10 Y5 I5 J0",
       {"G1 X5.0000 Y7.0711", "G1 X10.0000 Y5.0000"}, ""},
      {"relative centre", "G91.1", "G2 X10 Y5 I5 J0",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, ""},
      {"relative centre words add up", "G91.1", "G2 X12 Y5 I5 J0 I1",
       {"G1 X6.0000 Y11.0000", "G1 X12.0000 Y5.0000"}, ""},
      {"counter-clockwise", "", "G3 X10 Y5 I5 J5",
       {"G1 X5.0000 Y0.0000", "G1 X10.0000 Y5.0000"}, ""},
      {"G3.0 is counter-clockwise", "", "G3.0 X10 Y5 I5 J5",
       {"G1 X5.0000 Y0.0000", "G1 X10.0000 Y5.0000"}, ""},
      {"G2.5 is a clockwise arc", "", "G2.5 X10 Y5 I5 J5",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, ""},
      {"full circle", "", "G2 I5 J5",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000", "G1 X5.0000 Y0.0000",
        "G1 X0.0000 Y5.0000"},
       ""},
      // The end is taken along its radius: it moves by its miss only.
      {"end off the circle", "", "G2 X8 Y6 I5 J5",
       {"G1 X4.1991 Y9.9354", "G1 X9.7434 Y6.5811"}, "(G2 end point off its circle)"},
      {"inch arc in millimetre segments", "G20", "G2 X10 Y5 I5 J5", {}, ""},
      {"R gives no centre when I or J are given", "", "G2 X10 Y5 I5 J5 R7",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, ""},
      {"centre on the start point", "", "G2 X10 Y5 I0 J5", {}, "(G2 Gives zero arc size)"},
      {"blanks after G2 are skipped", "", "G2   X10 Y5 I5 J5",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, ""},
      {"N word, feed and M8", "", "N20 G2 X10 Y5 I5 J5 F300 M8",
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, "N20  F300 \nM8"},
      {"XZ arc with no sweep", "G18", "G2 I5 K5", {}, "(G2 Gives zero arc size)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ArcCase c;
    if (*r.before) c.Read(r.before);
    const std::string out = c.Read(r.line);
    if (std::string(r.name) == "inch arc in millimetre segments") {
      // (0, 5) to (254, 127) about (127, 127): the end lies off the circle
      // through the start and is taken along its radius.
      ASSERT_FALSE(c.segments.empty());
      EXPECT_EQ(c.segments.back(), "G1 X303.1051 Y127.0000");
      continue;
    }
    EXPECT_EQ(c.segments, r.segments);
    EXPECT_EQ(out, r.output);
  }
}

TEST(ArcSegments, CountsFollowBothLimits) {
  struct Row {
    const char* name;
    const char* maxSegment;
    const char* maxAngle;
    const char* line;
    std::size_t count;  // 0: zero-size arc
  };
  const Row rows[] = {
      {"defaults: 158 by length, 180 by angle", "0.1", "1", "G2 X10 Y5 I5 J5", 180},
      {"length limit 0 is ignored", "0", "100", "G2 X10 Y5 I5 J5", 2},
      {"angle limit 0 is ignored", "10", "0", "G2 X10 Y5 I5 J5", 2},
      {"both limits 0", "0", "0", "G2 X10 Y5 I5 J5", 0},
      {"both limits negative", "-1", "-10", "G2 X10 Y5 I5 J5", 0},
      {"one limit negative", "-1", "100", "G2 X10 Y5 I5 J5", 2},
      {"beyond ten million segments", "0.000001", "100", "G2 X10 Y5 I5 J5", 0},
      {"enormous radius", "1", "100", "G2 X0 Y5 I1E300 J5", 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ArcCase c(r.maxSegment, r.maxAngle);
    const std::string out = c.Read(r.line);
    EXPECT_EQ(c.segments.size(), r.count);
    if (r.count == 0) {
      EXPECT_EQ(out, "(G2 Gives zero arc size)");
      EXPECT_TRUE(c.state.unknownCodesFound);
      ASSERT_EQ(c.errors.Count(), 1u);
      EXPECT_EQ(c.errors.At(0), etZeroArc);
    }
  }
}

TEST(ArcSegments, ZeroSizeArcLeavesPositionAndTime) {
  ArcCase c("-1", "-1");
  c.state.firstMove = true;
  c.Read("G2 X10 Y5 I5 J5 F250");
  EXPECT_EQ(c.state.currentX, 0);
  EXPECT_EQ(c.state.currentY, 5);
  EXPECT_EQ(c.state.runningTime, 0);
  EXPECT_TRUE(c.state.firstMove);
  EXPECT_EQ(c.state.feedRate, 250);  // the feed rule still applies
}

TEST(ArcSegments, XZAndYZArcsFollowPositionAndTime) {
  {
    ArcCase c;
    c.state.currentZ = 0;
    c.Read("G18");
    c.state.runningTime = 0;
    const std::string out = c.Read("G2 X10 Z0 I5 K0");
    EXPECT_EQ(out, "");
    EXPECT_TRUE(c.segments.empty());
    EXPECT_NEAR(c.state.currentX, 10, 1e-9);
    EXPECT_NEAR(c.state.currentZ, 0, 1e-9);
    EXPECT_DOUBLE_EQ(c.state.runningTime, 5 * kPi * 60 / 100);
    EXPECT_FALSE(c.state.firstMove);
    ASSERT_EQ(c.errors.Count(), 1u);
    EXPECT_EQ(c.errors.At(0), etG18Plane);
    EXPECT_FALSE(c.state.unknownCodesFound);
  }
  {
    // YZ, with the output centreline 10 above the input's: Z goes back to
    // the output frame.
    RunSettings s = test::ExampleSettings();
    s.maxSegment = "10";
    s.maxAngle = "100";
    s.outputAxisZ = "10";
    ArcCase c;
    c.state = InitialiseState(s);
    c.state.currentX = 3;
    c.state.currentY = 0;
    c.state.currentZ = 10;  // input Z 0
    c.Read("G19");
    c.Read("G3 Y10 Z0 J5 K0 F600");
    EXPECT_NEAR(c.state.currentY, 10, 1e-9);
    EXPECT_NEAR(c.state.currentZ, 10, 1e-9);
    EXPECT_EQ(c.state.currentX, 3);
    EXPECT_DOUBLE_EQ(c.state.runningTime, 5 * kPi * 60 / 600);
    EXPECT_EQ(c.state.feedRate, 600);
  }
  {
    ArcCase c;
    c.Read("G18");
    c.Read("F0");
    c.state.runningTime = 0;
    c.Read("G2 X10 Z0 I5 K0");
    EXPECT_EQ(c.state.runningTime, 0);  // a feed of zero adds no time
    EXPECT_NEAR(c.state.currentX, 10, 1e-9);
  }
}

// Whole programs: the arc's segments wrapped onto A, timed as moves.
TEST(ArcPrograms, PocketWrappedOntoA) {
  RunSettings s = test::ExampleSettings();
  s.surfaceZ = "20";  // 0.3490658503988659 mm per degree
  s.maxSegment = "10";
  s.maxAngle = "100";
  const std::string program =
      "G21 G90\r\n"
      "G0 X0 Y5 Z1\r\n"
      "G1 Z-1 F200\r\n"
      "G2 X10 Y5 I5 J5 F300\r\n"
      "G3 X0 Y5 I5 J5\r\n"
      "M30\r\n";
  const TConversion c = ConvertText(program, s);
  const std::string expected =
      "G21 G90\r\n"
      "G0 X5.0000 Z1.0000 A0.0000\r\n"
      "G1 F200 Z-1.0000\r\n"
      "F300\r\n"
      "G1 X10.0000 A14.3239\r\n"
      "G1 X5.0000 A28.6479\r\n"
      "G1 X10.0000 A14.3239\r\n"
      "G1 X5.0000 A0.0000\r\n"
      "M30\r\n";
  EXPECT_EQ(c.body, expected);
  // Each segment turns 14.3239 degrees (more than its 7.07 mm) at 300 mm/min.
  const double k = 20 * kPi * (1.0 / 180.0);
  const double segment = 5.0 / k * 60 / 300;
  const double plunge = 2.0 * 60 / 200;
  EXPECT_NEAR(c.state.runningTime, plunge + 4 * segment, 1e-6);
  EXPECT_EQ(c.header[5], "(Total Running Time minimum = 12.06 Seconds. )");
}

TEST(ArcPrograms, SegmentLinesAreMillimetresAndTheRestInches) {
  RunSettings s = test::ExampleSettings();
  s.wrappedAxisIndex = 1;  // Y wrapped: X stays X
  s.maxSegment = "1000";
  s.maxAngle = "100";
  // The G1 on the arc's own line is read in inches; the segments in mm.
  const std::string program = "G20\nG0 X0 Y0.5\nG2 X0.5 Y0 I0 J0 G1 X2\nG1 X1\n";
  const auto lines = test::BodyLines(ConvertText(program, s).body);
  const std::vector<std::string> expected = {
      "G21",
      "G0 X0.0000 A-97.0209",  // Y 12.7 mm over -0.1309 mm per degree
      "G1 X50.8000",           // X2 inches, written before the segments are read
      "G1 X12.7000 A0.0000",   // the quarter circle about (0, 0) in one segment
      "G1 X25.4000",           // X1 inches again
  };
  EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace torvel

namespace torvel {
namespace {

// The run takes an arc's segments without writing their lines out; reading
// the lines themselves must give the same output, byte for byte.
TEST(ArcPrograms, SegmentsAsValuesEqualSegmentsAsLines) {
  std::mt19937 rng(2024);
  std::uniform_real_distribution<double> coord(-60.0, 60.0), small(-3.0, 3.0);
  auto num = [&](double v) { return FormatFixed(v, 3); };
  std::string program = "G21 G90 G17\nG0 X0 Y0 Z1\nG1 Z-1 F400\n";
  for (int i = 0; i < 400; ++i) {
    switch (i % 40) {
      case 10: program += "G91\n"; break;
      case 15: program += "G90\n"; break;
      case 20: program += "G20\n"; break;
      case 25: program += "G21\n"; break;
      case 30: program += "G91.1\n"; break;
      case 35: program += "G90.1\n"; break;
      default: break;
    }
    const bool relative = (i % 40) >= 30 && (i % 40) < 35;
    std::string arc = (rng() % 2 ? "G2" : "G3");
    arc += " X" + num(coord(rng) / 4) + " Y" + num(coord(rng) / 4);
    arc += " I" + num(relative ? small(rng) : coord(rng) / 4);
    arc += " J" + num(relative ? small(rng) : coord(rng) / 4);
    if (rng() % 3 == 0) arc += " Z" + num(small(rng));
    if (rng() % 7 == 0) arc += " A" + num(coord(rng));
    if (rng() % 11 == 0) arc += " G53";
    if (rng() % 5 == 0) arc += " F" + std::to_string(100 + rng() % 900);
    program += arc + "\n";
    if (rng() % 4 == 0) program += "G1 X" + num(coord(rng)) + "\n";
  }
  for (const char* wrap : {"X", "Y"}) {
    SCOPED_TRACE(wrap);
    RunSettings s = test::ExampleSettings();
    s.wrappedAxisIndex = *wrap == 'X' ? 0 : 1;
    s.maxSegment = "0.7";
    s.maxAngle = "7";
    s.surfaceZ = "12.5";
    const TConversion fast = ConvertText(program, s);

    InputLines input{std::string(program)};
    input.NormaliseWhenRead();
    ConversionState state = InitialiseState(s);
    ErrorList errors;
    TBlock block(state, errors, input);
    std::string body, line;
    bool inserted = false;
    while (input.Next(line, inserted)) {
      block.segmentLine = inserted;
      ReadBlock(block, line);
      if (!block.outputLine.empty()) body += block.outputLine + "\r\n";
    }
    EXPECT_GT(body.size(), 100000u);
    EXPECT_TRUE(fast.body == body);
    EXPECT_EQ(fast.state.runningTime, state.runningTime);
    EXPECT_EQ(fast.errors.Count(), errors.Count());
  }
}

}  // namespace
}  // namespace torvel
