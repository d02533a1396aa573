#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/run.h"
#include "conversion/state.h"
#include "test_support.h"

namespace torvel {
namespace {

using test::Entries;
using test::YWrapped;

struct TextRow {
  const char* program;
  const char* body;
};

void CheckBodies(const TextRow* begin, const TextRow* end) {
  for (const TextRow* r = begin; r != end; ++r) {
    SCOPED_TRACE(r->program);
    EXPECT_EQ(ConvertText(r->program, YWrapped()).body, r->body);
  }
}

TEST(ModalCodes, OutputLines) {
  const TextRow rows[] = {
      {"G20", "G21\r\n"},
      {"G21", "G21\r\n"},
      {"G70", "G21\r\n"},
      {"G71", "G21\r\n"},
      {"G17", "G17\r\n"},
      {"G18", ""},
      {"G19", ""},
      {"G18\nG40", ""},
      {"G18\nG17\nG40", "G17\r\nG40\r\n"},
      {"G19\nG17\nG40", "G17\r\nG40\r\n"},
      {"G40", "G40\r\n"},
      {"G18 G41 D5", "G41\r\n"},
      {"G41 D3.7", "G41 D3\r\n"},
      {"G41 D-1.5", "G41 D-1\r\n"},
      {"G20\nG42 P0.05", "G21\r\nG42 P1.2700\r\n"},
      {"G42 P0.05", "G42 P0.0500\r\n"},
      {"G41 P1 D2", "G41 D2 P1.0000\r\n"},
      {"G41 D1 D2", "G41 D2\r\n"},
      {"G42 D1 P2 P3", "G42 D1 P3.0000\r\n"},
      {"G41 X5 D2", "G41 D2\r\n"},  // G41 takes nothing; D2 is the reader's D word
      {"G41.1", "G42\r\n"},
      {"G42", "G42\r\n"},
      {"G41 D1 M8", "G41 D1 M8\r\n"},
      {"G18\nG41 D1 P2", "G41\r\n"},
      {"G43 H2.9", "G43 H2\r\n"},
      {"G43.1 H2", "G44 H2\r\n"},
      {"G44 H1 H3", "G44 H3\r\n"},
      {"G20\nG43 H2", "G21\r\nG43 H2\r\n"},
      {"G18\nG43 H2", "G43\r\n"},
      {"G49", "G49\r\n"},
      {"G18\nG49", ""},
      {"G59 P3", "G59 P3\r\n"},
      {"G59 P2.8", "G59 P2\r\n"},
      {"G59.1", "G59\r\n"},
      {"G18\nG59 P3", "G59\r\n"},
      {"G54", "G54\r\n"},
      {"G54.1", "G54.1\r\n"},
      {"G055", "G55\r\n"},
      {"G56", "G56\r\n"},
      {"G57", "G57\r\n"},
      {"G58", "G58\r\n"},
      {"G19\nG57", ""},
      {"G90.1", "G90.1\r\n"},
      {"G90.10", "G90.1\r\n"},
      {"G90.2", "G90\r\n"},
      {"G91.1", "G91.1\r\n"},
      {"G91", "G91\r\n"},
      {"G90", "G90\r\n"},
      {"G18\nG90\nG91\nG90.1\nG91.1", ""},
      {"G61", "G61\r\n"},
      {"G61.1", "G61\r\n"},
      {"G64", "G64\r\n"},
      {"G18\nG61\nG64", ""},
      {"G93", "G93\r\n"},
      {"G94", "G94\r\n"},
      {"G98", "G98\r\n"},
      {"G99", "G99\r\n"},
      {"G93.5", "G93.5\r\n"},
      {"G19\nG93\nG94\nG98\nG99", ""},
      {"G4 P1500", "G4 P1500\r\n"},
      {"G18\nG4 P1500", ""},
      {"G17 G90 G40", "G17 G90 G40\r\n"},
      {"G28 X0", "(G28)\r\n"},
      // Words apply in order: inches only for what follows the G20.
      {"G20 G1 X1", "G21 G1 X25.4000\r\n"},
      {"G1 X1 G20", "G1 X1.0000 G21\r\n"},
  };
  CheckBodies(std::begin(rows), std::end(rows));
}

TEST(ModalCodes, StateChanges) {
  struct Row {
    const char* program;
    int workingPlane;
    bool unitsAreInches;
    bool incrementalDistance;
    bool incrementalArcCentre;
    std::vector<TErrorType> errors;
  };
  const Row rows[] = {
      {"G20", 0, true, false, false, {}},
      {"G70", 0, true, false, false, {}},
      {"G20\nG21", 0, false, false, false, {}},
      {"G70\nG71", 0, false, false, false, {}},
      {"G18", 1, false, false, false, {etG18Plane}},
      {"G19", 2, false, false, false, {etG19Plane}},
      {"G18\nG17", 0, false, false, false, {etG18Plane}},
      {"G18\nG18\nG19", 2, false, false, false, {etG18Plane, etG18Plane, etG19Plane}},
      {"G91", 0, false, true, false, {}},
      {"G91\nG90", 0, false, false, false, {}},
      {"G91.1", 0, false, false, true, {}},
      {"G91.1\nG90.1", 0, false, false, false, {}},
      {"G91.5", 0, false, true, false, {}},
      {"G91\nG90.1", 0, false, true, false, {}},  // G90.1 leaves the distance mode alone
      {"G91.1\nG90", 0, false, false, true, {}},  // G90 leaves the centre mode alone
      {"G18\nG91\nG91.1\nG20", 1, true, true, true, {etG18Plane}},
      {"G41 D1 P1\nG43 H1\nG59 P1\nG54\nG61\nG64\nG93\nG98\nG49\nG40", 0, false, false, false, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.program);
    const TConversion c = ConvertText(r.program, YWrapped());
    EXPECT_EQ(c.state.workingPlane, r.workingPlane);
    EXPECT_EQ(c.state.unitsAreInches, r.unitsAreInches);
    EXPECT_EQ(c.state.incrementalDistance, r.incrementalDistance);
    EXPECT_EQ(c.state.incrementalArcCentre, r.incrementalArcCentre);
    EXPECT_EQ(Entries(c.errors), r.errors);
    // Plane warnings are recorded but never reported on their own.
    EXPECT_FALSE(c.state.unknownCodesFound);
  }
}

TEST(ScalingOffsetRotation, OutputLines) {
  const TextRow rows[] = {
      {"G50", "G50\r\n"},
      {"G18\nG50", ""},
      {"G51", "G51\r\n"},
      {"G51 X2 Y2", "G51 X2.0000 Y2.0000\r\n"},
      {"G51 Y0.5 X1", "G51 Y0.5000\r\n"},
      {"G51 X1.0", "G51\r\n"},
      {"G51 Z0", "G51 Z0.0000\r\n"},
      {"G51 C3 A2 B0.5", "G51 A2.0000 B0.5000 C3.0000\r\n"},
      {"G51 X2 X3", "G51 X3.0000\r\n"},
      {"G20\nG51 X2", "G21\r\nG51 X2.0000\r\n"},
      {"G18\nG51 X2", "G51\r\n"},
      {"G92 X0 Y0 Z5", "G92 X0.0000 Y0.0000 Z5.0000\r\n"},
      {"G52 Z-1 X2", "G52 X2.0000 Z-1.0000\r\n"},
      {"G92 X1 X2", "G92 X2.0000\r\n"},
      {"G20\nG92 X1", "G21\r\nG92 X1.0000\r\n"},
      {"G92.1", "G92.1\r\n"},
      {"G052 X1", "G52 X1.0000\r\n"},
      {"G92 Z6 Y5 X4 C3 B2 A1", "G92 A1.0000 B2.0000 C3.0000 X4.0000 Y5.0000 Z6.0000\r\n"},
      {"G92 X1 M8", "G92 X1.0000 M8\r\n"},
      {"G19\nG92 X5", "G92\r\n"},
      {"G68 A10 B20 R45", ""},
      {"G68 A10 I5 M3", "M3\r\n"},
      {"G68 A10 X5", ""},  // X is not G68's: the reader drops it
      {"G18\nG68 A10", ""},
      {"G69", "G69\r\n"},
      {"G18\nG69", ""},
  };
  CheckBodies(std::begin(rows), std::end(rows));
}

TEST(ScalingOffsetRotation, GeometryUntouched) {
  // Offsets and scaling only write text: the move after them is computed as without them.
  const TConversion c = ConvertText("G0 X0\nG92 X10\nG51 X2\nG68 R90\nG1 X5", YWrapped());
  EXPECT_EQ(c.body, "G0 X0.0000\r\nG92 X10.0000\r\nG51 X2.0000\r\nG1 X5.0000\r\n");
  EXPECT_EQ(c.state.runningTime, 3.0);
  // A, B and C words taken by these codes are not rotary words of a move.
  const TConversion owned = ConvertText("G92 A1 B2 C3\nG51 A2\nG68 A10 B20", YWrapped());
  EXPECT_EQ(owned.errors.Count(), 0u);
}

TEST(MachineCodes, MCodeTable) {
  struct Row {
    const char* word;
    const char* text;
    bool gated;
  };
  const Row rows[] = {
      {"M0", "M0", false},  {"M1", "M1", false},  {"M2", "M2", false},   {"M3", "M3", true},
      {"M4", "M4", true},   {"M5", "M5", false},  {"M6", "M6", true},    {"M7", "M7", true},
      {"M8", "M8", true},   {"M9", "M9", true},   {"M30", "M30", false}, {"M47", "M47", false},
      {"M48", "M48", true}, {"M49", "M49", true}, {"M60", "M60", false}, {"M03", "M3", true},
      {"M3.0", "M3", true}, {"M3.7", "M3", true}, {"M", "M0", false},    {"M030", "M30", false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.word);
    const std::string line = std::string(r.text) + "\r\n";
    const TConversion open = ConvertText(r.word, YWrapped());
    EXPECT_EQ(open.body, line);
    EXPECT_EQ(open.errors.Count(), 0u);
    EXPECT_FALSE(open.state.unknownCodesFound);
    for (const char* plane : {"G18\n", "G19\n"}) {
      SCOPED_TRACE(plane);
      const TConversion closed = ConvertText(std::string(plane) + r.word, YWrapped());
      EXPECT_EQ(closed.body, r.gated ? std::string() : line);
    }
  }
}

TEST(MachineCodes, UnlistedMCodes) {
  struct Row {
    const char* program;
    const char* body;
    std::vector<TErrorType> errors;
  };
  const Row rows[] = {
      {"M100", "(M100)\r\n", {etUnknownMCode}},
      {"M10.5", "(M10.5)\r\n", {etUnknownMCode}},
      {"M-1", "(M-1)\r\n", {etUnknownMCode}},
      {"M10", "(M10)\r\n", {etUnknownMCode}},
      {"M31", "(M31)\r\n", {etUnknownMCode}},
      {"M61", "(M61)\r\n", {etUnknownMCode}},
      {"M-0.5", "M0\r\n", {}},  // truncates to 0
      {"G18\nM100", "(M100)\r\n", {etG18Plane, etUnknownMCode}},
      // The comment stands on a line of its own inside the output line.
      {"G1 X5 M100", "G1 X5.0000 \n(M100)\r\n", {etUnknownMCode}},
      {"M100 M3", "(M100)\n M3\r\n", {etUnknownMCode}},
      {"M3 M100 M8", "M3 \n(M100)\n M8\r\n", {etUnknownMCode}},
      {"M100\nM200", "(M100)\r\n(M200)\r\n", {etUnknownMCode, etUnknownMCode}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.program);
    const TConversion c = ConvertText(r.program, YWrapped());
    EXPECT_EQ(c.body, r.body);
    EXPECT_EQ(Entries(c.errors), r.errors);
    EXPECT_EQ(c.state.unknownCodesFound, !r.errors.empty());
  }
}

TEST(MachineCodes, OtherWords) {
  const TextRow rows[] = {
      {"N0010", "N10\r\n"},
      {"O1000", "O1000\r\n"},
      {"P500.0", "P500\r\n"},
      {"R2.5", "R2.5\r\n"},
      {"S12000", "S12000\r\n"},
      {"S0.00001", "S1E-5\r\n"},
      {"T2.7", "T2\r\n"},
      {"T-1.5", "T-1\r\n"},
      {"T", "T0\r\n"},
      {"N10 M3 S12000", "N10 M3 S12000\r\n"},
      {"G18\nN10 O5 P100 R1 S2 T3", ""},
      {"G19\nN10 M5 S100", "M5\r\n"},
  };
  CheckBodies(std::begin(rows), std::end(rows));
}

TEST(MachineCodes, DwellAndToolNumber) {
  struct Row {
    const char* program;
    double runningTime;
    int toolNumber;
  };
  const Row rows[] = {
      {"G4 P1500", 1.5, 0},      {"P1500", 1.5, 0},
      {"G4 P1500 P500", 2.0, 0}, {"G18\nG4 P100", 0.1, 0},  // the dwell counts whatever the plane
      {"G20\nP1000", 1.0, 0},                               // milliseconds, never inches
      {"T2.7", 0.0, 2},          {"T-1.5", 0.0, -1},
      {"T5\nT7", 0.0, 7},        {"G18\nN10 O5 P100 R1 S2 T3", 0.1, 3},
      {"G59 P3", 0.0, 0},       // G59 owns its P: no dwell
      {"G42 P1500", 0.0, 0},    // so does G42
      {"G59 M3 P3", 0.003, 0},  // a P after another word is an ordinary P
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.program);
    const TConversion c = ConvertText(r.program, YWrapped());
    EXPECT_NEAR(c.state.runningTime, r.runningTime, 1e-12);
    EXPECT_EQ(c.state.toolNumber, r.toolNumber);
  }
}

TEST(MachineCodes, DwellReachesTheRunningTimeLine) {
  const TConversion c = ConvertText("G4 P75500", YWrapped());
  EXPECT_EQ(c.body, "G4 P75500\r\n");
  EXPECT_EQ(c.header[5], "(Total Running Time minimum = 1 Minutes, 15.50 Seconds. )");
}

}  // namespace
}  // namespace torvel
