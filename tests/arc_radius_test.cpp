// Arcs as CAM systems and machinists write them: by radius, with ends off
// their circle, with centres relative to the start.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli/cli.h"
#include "conversion/block_reader.h"
#include "test_support.h"

namespace torvel {
namespace {

struct ArcRead {
  std::string output;
  std::vector<std::string> segments;
  ConversionState state;
  std::vector<TErrorType> errors;
};

// Reads `lines` one after the other from X 0, Y 5, Z 0 at 10 mm / 100 degrees.
ArcRead ReadArcLines(const std::vector<std::string>& lines, double x = 0, double y = 5) {
  RunSettings settings = test::ExampleSettings();
  settings.maxSegment = "10";
  settings.maxAngle = "100";
  ArcRead r;
  r.state = InitialiseState(settings);
  r.state.currentX = x;
  r.state.currentY = y;
  r.state.currentZ = 0;
  ErrorList errors;
  InputLines input;
  TBlock block(r.state, errors, input);
  for (const std::string& line : lines) {
    ReadBlock(block, line);
    r.output = block.outputLine;
    std::string text;
    bool inserted = false;
    while (input.Next(text, inserted)) r.segments.push_back(text);
  }
  for (std::size_t i = 0; i < errors.Count(); ++i) r.errors.push_back(errors.At(i));
  return r;
}

const char kOffCircle[] = "(G2 end point off its circle)";

TEST(RadiusArcs, CentreSweepAndSegments) {
  struct Row {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> segments;
    const char* output;
    std::vector<TErrorType> errors;
  };
  const Row rows[] = {
      {"half circle by R", {"G2 X10 Y5 R5"},
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, "", {}},
      {"half circle by R, counter-clockwise", {"G3 X10 Y5 R5"},
       {"G1 X5.0000 Y0.0000", "G1 X10.0000 Y5.0000"}, "", {}},
      // Centre (5, 5 - sqrt 75): 60 degrees over the top.
      {"clockwise, positive R: the short arc", {"G2 X10 Y5 R10"},
       {"G1 X5.0000 Y6.3397", "G1 X10.0000 Y5.0000"}, "", {}},
      // Centre (5, 5 + sqrt 75): 300 degrees, 52.36 mm, 6 segments.
      {"clockwise, negative R: the long arc", {"G2 X10 Y5 R-10"},
       {"G1 X-4.8481 Y11.9238", "G1 X-2.6604 Y20.0881", "G1 X5.0000 Y23.6603",
        "G1 X12.6604 Y20.0881", "G1 X14.8481 Y11.9238", "G1 X10.0000 Y5.0000"},
       "", {}},
      {"counter-clockwise, positive R: the short arc", {"G3 X10 Y5 R10"},
       {"G1 X5.0000 Y3.6603", "G1 X10.0000 Y5.0000"}, "", {}},
      {"R a little too small: taken as the half circle", {"G2 X10 Y5 R4.995"},
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, "", {}},
      {"R much too small: reported, still converted", {"G2 X10 Y5 R3"},
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, kOffCircle, {etArcGeometry}},
      {"R of zero", {"G2 X10 Y5 R0"}, {}, "(G2 Gives zero arc size)", {etZeroArc}},
      {"end on start", {"G2 R5"}, {}, "(G2 Gives zero arc size)", {etZeroArc}},
      {"R in inches", {"G20", "G2 X1 Y0 R0.5"},
       {"G1 X3.7197 Y8.9803", "G1 X12.7000 Y12.7000", "G1 X21.6803 Y8.9803",
        "G1 X25.4000 Y0.0000"},
       "", {}},
      {"end 0.005 mm off its circle", {"G2 X10.005 Y5 I5 J5"},
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"}, "", {}},
      {"end 1 mm off its circle: reported, converted", {"G2 X11 Y5 I5 J5 F300"},
       {"G1 X5.0000 Y10.0000", "G1 X10.0000 Y5.0000"},
       "(G2 end point off its circle)\n  F300", {etArcGeometry}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const bool inch = r.lines.front() == "G20";
    const ArcRead got = inch ? ReadArcLines(r.lines, 0, 0) : ReadArcLines(r.lines);
    EXPECT_EQ(got.segments, r.segments);
    EXPECT_EQ(got.output, r.output);
    EXPECT_EQ(got.errors, r.errors);
    EXPECT_EQ(got.state.unknownCodesFound, !r.errors.empty());
  }
}

TEST(RadiusArcs, OtherPlanesFollowTheArc) {
  // XZ from X 0, Z 0: R5 to X10 is the half circle about (5, 0).
  ArcRead xz = ReadArcLines({"G18", "G0 X0 Z0", "G2 X10 Z0 R5 F600"});
  EXPECT_TRUE(xz.segments.empty());
  EXPECT_NEAR(xz.state.currentX, 10, 1e-9);
  EXPECT_NEAR(xz.state.currentZ, 0, 1e-9);
  EXPECT_DOUBLE_EQ(xz.state.runningTime, 5 * kPi * 60 / 600);
  // YZ from Y 5, Z 0, R too small by much: reported, then followed.
  ArcRead yz = ReadArcLines({"G19", "G3 Y15 Z0 R2"});
  EXPECT_EQ(yz.output, "(G3 end point off its circle)");
  EXPECT_NEAR(yz.state.currentY, 15, 1e-9);
  EXPECT_EQ(yz.errors, (std::vector<TErrorType>{etG19Plane, etArcGeometry}));
}

TEST(RadiusArcs, ReportTextAndStatus) {
  test::TempDir dir;
  RunSettings s = test::ExampleSettings();
  s.inputFile = dir.File("in.nc");
  s.outputFile = dir.File("out.nc");
  test::WriteFile(s.inputFile, "G0 X10 Y0\nG3 X0 Y10 I-10 J0\n");
  test::RecordingHost host;
  EXPECT_EQ(WrapRun(s, host), TRunResult::rrUnknownCodes);
  ASSERT_EQ(host.reports.size(), 1u);
  EXPECT_EQ(host.reports[0],
            "The following Error was encountered:\n"
            "\tArc end point not on its circle (are I, J, K relative to the arc start? Add "
            "G91.1).\n");
  EXPECT_EQ(host.statuses.back(), "Unknown Codes encountered, please check file");
}

struct CliResult {
  int status;
  std::string output;
};

CliResult Wrap(const std::string& program, std::vector<std::string> options) {
  test::TempDir dir;
  const std::string in = dir.File("in.nc"), out = dir.File("out.nc");
  test::WriteFile(in, program);
  std::vector<std::string> args = {"torvel", in, out, "-q"};
  args.insert(args.end(), options.begin(), options.end());
  std::ostringstream o, e;
  CliResult r;
  r.status = RunCli(args, o, e);
  const auto lines = test::BodyLines(test::ReadFile(out));
  for (std::size_t i = 11; i < lines.size(); ++i) r.output += lines[i] + "\n";
  return r;
}

TEST(RadiusArcs, HandWrittenProgramEndToEnd) {
  // Y wrapped onto A on a 20 mm radius: X stays X, Y turns -2.8648 degrees per mm.
  const std::string program =
      "G21 G90 G17\n"
      "G0 X0 Y5 Z1\n"
      "G1 Z-1 F100\n"
      "G2 X10 Y5 R5 F200\n"
      "G0 Z1\n";
  const CliResult r =
      Wrap(program, {"--surface-z", "20", "--max-segment", "10", "--max-angle", "100"});
  EXPECT_EQ(r.status, kExitFinished);
  EXPECT_EQ(r.output,
            "G21 G90 G17\n"
            "G0 X0.0000 Z1.0000 A-14.3239\n"
            "G1 F100 Z-1.0000\n"
            "F200\n"
            "G1 X5.0000 A-28.6479\n"
            "G1 X10.0000 A-14.3239\n"
            "G0 Z1.0000\n");
}

TEST(RadiusArcs, RelativeCentresWithoutG911) {
  // A CAM program that means I and J relative to the arc start.
  const std::string program =
      "G0 X10 Y0\n"
      "G3 X0 Y10 I-10 J0 F300\n";
  const std::vector<std::string> limits = {"--wrap", "X", "--surface-z", "20",
                                           "--max-segment", "20", "--max-angle", "90"};

  // Read as absolute centres: the centre is (-10, 0), the end misses the
  // circle of radius 20 by 5.86 mm, and the machinist is told.
  const CliResult absolute = Wrap(program, limits);
  EXPECT_EQ(absolute.status, kExitUnknownCodes);
  const std::string start = "G0 X0.0000 A28.6479\n(G3 end point off its circle)\n  F300\n";
  EXPECT_EQ(absolute.output.substr(0, start.size()), start);

  // Relative: the quarter circle about (0, 0), one segment of 90 degrees.
  std::vector<std::string> incremental = limits;
  incremental.push_back("--arc-centres");
  incremental.push_back("incremental");
  const CliResult relative = Wrap(program, incremental);
  EXPECT_EQ(relative.status, kExitFinished);
  EXPECT_EQ(relative.output,
            "G0 X0.0000 A28.6479\n"
            "F300\n"
            "G1 X10.0000 A0.0000\n");
}

}  // namespace
}  // namespace torvel

namespace torvel {
namespace {

// In XZ and YZ an R arc is followed: its sweep shows in its time, 60
// degrees of radius 10 for a positive R, 300 for a negative one.
TEST(RadiusArcs, SignOfRInEveryPlane) {
  struct Row {
    const char* plane;
    const char* start;
    const char* arc;
    double arcLength;
  };
  const double shortArc = 10 * kPi / 3, longArc = 50 * kPi / 3;
  const Row rows[] = {
      {"G18", "G0 X0 Z0", "G2 X10 Z0 R10 F600", shortArc},
      {"G18", "G0 X0 Z0", "G3 X10 Z0 R10 F600", shortArc},
      {"G18", "G0 X0 Z0", "G2 X10 Z0 R-10 F600", longArc},
      {"G18", "G0 X0 Z0", "G3 X10 Z0 R-10 F600", longArc},
      {"G19", "G0 Y0 Z0", "G2 Y10 Z0 R10 F600", shortArc},
      {"G19", "G0 Y0 Z0", "G3 Y10 Z0 R-10 F600", longArc},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.plane) + " " + r.arc);
    RunSettings s = test::YWrapped();
    s.maxSegment = "100";
    s.maxAngle = "90";
    const TConversion c = ConvertText(std::string(r.plane) + "\n" + r.start + "\n" + r.arc, s);
    EXPECT_NEAR(c.state.runningTime, r.arcLength * 60 / 600, 1e-9);
    EXPECT_FALSE(c.state.unknownCodesFound);
    if (std::string(r.plane) == "G19") {
      EXPECT_NEAR(c.state.currentY, 10, 1e-9);
    } else {
      EXPECT_NEAR(c.state.currentX, 10, 1e-9);
    }
  }
}

}  // namespace
}  // namespace torvel
