#include "conversion/normalise.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvel {
namespace {

using Lines = std::vector<std::string>;

TEST(SeparateWords, OneBlankAfterANumberThatRunsIntoALetter) {
  struct Row {
    const char* line;
    const char* expected;
  };
  const Row rows[] = {
      {"G1X10Y5.5Z-1", "G1 X10 Y5.5 Z-1"},
      {"X1.5E", "X1.5 E"},
      {"(rev 2a)", "(rev 2 a)"},  // comments are not exempt
      {"%", "%"},
      {"", ""},
      {"1A", "1 A"},
      {"X5.Y6", "X5. Y6"},  // a "." followed by a letter
      {"g1x5", "g1 x5"},    // case is kept
      {"G1 X5", "G1 X5"},   // existing blanks stay, none added
      {"G1  X5", "G1  X5"},
      {"N10G0X1", "N10 G0 X1"},
      {"G1X5(c)Y1", "G1 X5(c)Y1"},  // ")" is no digit
      {"X1;a", "X1;a"},
      {"X1-Y", "X1-Y"},  // "-" is no digit
      {"AB12", "AB12"},
      {"12", "12"},
      {"1\tA", "1\tA"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    EXPECT_EQ(SeparateWords(r.line), r.expected);
  }
}

TEST(NormaliseLines, CarriesTheModalMotion) {
  struct Row {
    const char* name;
    Lines input;
    Lines expected;
  };
  const Row rows[] = {
      {"first line without a G", {"X0 Y0"}, {" G00 X0 Y0"}},
      {"G01 carried", {"G01 X5", "Y7"}, {"G01 X5", " G01 Y7"}},
      {"block number stays in front", {"G1 X1", "N20 X5 Y6"}, {"G1 X1", "N20 G1 X5 Y6"}},
      {"last motion word of the line", {"G90 G1 X5", "X6"}, {"G90 G1 X5", " G1 X6"}},
      {"motion word anywhere on the line", {"X5 G1", "Y6"}, {"X5 G1", " G1 Y6"}},
      {"setup codes keep the motion", {"G17 G90 G0 X0 Y0", "X5"}, {"G17 G90 G0 X0 Y0", " G0 X5"}},
      {"compensation keeps the motion",
       {"G1 X0", "G41 D1 X5", "Y5"},
       {"G1 X0", "G41 D1 X5", " G1 Y5"}},
      {"a line of setup codes only", {"G90", "X1"}, {"G90", " G00 X1"}},
      {"dwell keeps the motion", {"G1 X0", "G4 P100", "X5"}, {"G1 X0", "G4 P100", " G1 X5"}},
      {"motion word as written", {"G1.5 X1", "X2"}, {"G1.5 X1", " G1.5 X2"}},
      {"G03 is a motion word", {"G03 X1", "X2"}, {"G03 X1", " G03 X2"}},
      {"G00.5 truncates to 0", {"G00.5 X1", "X2"}, {"G00.5 X1", " G00.5 X2"}},
      {"G4.5 is no motion word", {"G2 X1", "G4.5", "X2"}, {"G2 X1", "G4.5", " G2 X2"}},
      {"G-1 starts with no digit", {"G1 X0", "G-1", "X2"}, {"G1 X0", "G-1", " G1 X2"}},
      {"G.5 starts with no digit", {"G1 X0", "G.5", "X2"}, {"G1 X0", "G.5", " G1 X2"}},
      {"a bare G", {"G1 X0", "G", "X2"}, {"G1 X0", "G", " G1 X2"}},
      // Tokens are split at blanks only: "G1\tX5" reads as 15, no motion.
      {"tab is no separator", {"G0 X0", "G1\tX5", "Y1"}, {"G0 X0", "G1\tX5", " G0 Y1"}},
      {"lower case G line keeps its case", {"g1 x5", "x6"}, {"g1 x5", " G1 X6"}},
      {"X only inside a comment", {"G0 X0", "(SET X)"}, {"G0 X0", "(SET X)"}},
      {"X only inside a comment, lower case", {"G0 X0", "(size x)"}, {"G0 X0", "(size x)"}},
      {"comment is upper-cased with the line", {"G1", "x5 (note)"}, {"G1", " G1 X5 (NOTE)"}},
      {"G inside a comment does not count",
       {"(G2 in a comment)", "X1"},
       {"(G2 in a comment)", " G00 X1"}},
      {"G inside a comment of a coordinate line", {"G1 X0", "X5 (G3)"}, {"G1 X0", " G1 X5 (G3)"}},
      {"semicolon comment does not count", {"G1 X0", "; G0 X9"}, {"G1 X0", "; G0 X9"}},
      {"semicolon comment of a coordinate line",
       {"G1 X0", "X5 ; g0 n7 note"},
       {"G1 X0", " G1 X5 ; G0 N7 NOTE"}},
      {"unclosed comment runs to the end", {"G1 X0", "M3 (x"}, {"G1 X0", "M3 (x"}},
      {"unclosed comment after a coordinate", {"G1 X0", "x1 (y"}, {"G1 X0", " G1 X1 (Y"}},
      {"semicolon inside parentheses", {"G1 X0", "M3 (a;b) Z1"}, {"G1 X0", " G1 M3 (A;B) Z1"}},
      {"N inside a comment is no block number", {"(N1) X5"}, {" G00 (N1) X5"}},
      {"first N outside comments", {"N10 X5 N20"}, {"N10 G00 X5 N20"}},
      {"text before the N", {"/N10 X5"}, {"/N10 G00 X5"}},
      {"lower case block number", {"n10 y2"}, {"N10 G00 Y2"}},
      {"N with nothing after its number", {"X5 N10"}, {"X5 N G00 10"}},
      {"no G, no coordinate", {"M3 S1000", "T1 M6", "%", ""}, {"M3 S1000", "T1 M6", "%", ""}},
      {"pass 1 runs before pass 2", {"G1X5", "Y6Z1"}, {"G1 X5", " G1 Y6 Z1"}},
      {"Z alone", {"G0 X0", "Z-1"}, {"G0 X0", " G0 Z-1"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Lines lines = r.input;
    NormaliseLines(lines);
    EXPECT_EQ(lines, r.expected);
  }
}

TEST(CarryMotion, CarriedCodeAfterEachLine) {
  struct Row {
    const char* line;
    const char* carriedBefore;
    const char* carriedAfter;
    const char* lineAfter;
  };
  const Row rows[] = {
      {"G90 G1 X5", "G00", "G1", "G90 G1 X5"},
      {"G1 G90", "G00", "G1", "G1 G90"},
      {"G0 G1 G2", "G00", "G2", "G0 G1 G2"},
      {"G17 G90", "G1", "G1", "G17 G90"},
      {"G28", "G01", "G01", "G28"},
      {"g02 x1", "G00", "G02", "g02 x1"},
      {"(G1)", "G00", "G00", "(G1)"},
      {"M3 ;G1", "G00", "G00", "M3 ;G1"},
      {"X1", "G3", "G3", " G3 X1"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    TMotionCarry carry;
    carry.carriedGCode = r.carriedBefore;
    std::string line = r.line;
    CarryMotion(line, carry);
    EXPECT_EQ(carry.carriedGCode, r.carriedAfter);
    EXPECT_EQ(line, r.lineAfter);
  }
  EXPECT_EQ(TMotionCarry().carriedGCode, "G00");
}

TEST(MaskComments, CommentCharactersBecomeBlanks) {
  struct Row {
    const char* line;
    const char* expected;
  };
  const Row rows[] = {
      {"G1 (A) X5", "G1     X5"}, {"X5 ; c", "X5    "},   {"(A", "  "}, {"A)", "A)"},
      {"(a;b)X1", "     X1"},     {"(A)(B)C", "      C"}, {"", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    EXPECT_EQ(MaskComments(r.line), r.expected);
  }
}

}  // namespace
}  // namespace torvel
