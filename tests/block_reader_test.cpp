#include "conversion/block_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "codes/handlers.h"
#include "conversion/block.h"
#include "conversion/input_lines.h"
#include "conversion/run.h"
#include "conversion/state.h"
#include "test_support.h"

namespace torvel {
namespace {

using test::Entries;
using test::YWrapped;

// Reads lines through the block reader as they stand (no normalisation).
struct Reader {
  explicit Reader(const RunSettings& settings = YWrapped())
      : state(InitialiseState(settings)), block(state, errors, input) {}

  // The output lines of the given input lines, in order; empty ones left out.
  std::vector<std::string> Read(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
      ReadBlock(block, line);
      if (!block.outputLine.empty()) out.push_back(block.outputLine);
    }
    return out;
  }

  ConversionState state;
  ErrorList errors;
  InputLines input;
  TBlock block;
};

TEST(ReadBlock, OutputLinePerInput) {
  struct Row {
    const char* name;
    std::vector<std::string> input;
    std::vector<std::string> output;
  };
  const Row rows[] = {
      {"D word upper-cases the comment after it", {"D1 (cut)"}, {"D1 (CUT)"}},
      {"comment first keeps its case, nothing added", {"(cut) D1"}, {"(cut)D1"}},
      {"two comments", {"(A)(B)"}, {"(A)(B)"}},
      {"blank between comments is trimmed", {"(A) (B)"}, {"(A)(B)"}},
      {"comment keeps its inner blanks", {"(a  b)"}, {"(a  b)"}},
      {"D word", {"D3"}, {"D3"}},
      {"D word in general form", {"D2.50"}, {"D2.5"}},
      {"F word", {"F1500"}, {"F1500"}},
      {"F word with a fraction", {"F3000.5"}, {"F3000.5"}},
      {"F word without a number", {"F"}, {"F0"}},
      {"F word under G20", {"G20", "F100"}, {"G21", "F2540"}},
      {"percent sign", {"%"}, {}},
      {"empty line", {""}, {}},
      {"blank line", {"   "}, {}},
      {"letters without a handler", {"A1 B2 C3 E4 H5 I6 J7 K8 L9 Q1 U2 V3 W4 X5 Y6 Z7"}, {}},
      // G53 has no row: reported on a line of its own; X0 is then dropped.
      {"G53 X0", {"G53 X0"}, {"(G53)"}},
      {"unknown G between known ones", {"G90 G81 G91"}, {"G90 \n(G81)\n G91"}},
      {"unknown G with a fraction", {"G5.5"}, {"(G5.5)"}},
      {"unknown negative G", {"G-1"}, {"(G-1)"}},
      {"unknown G above 99", {"G100"}, {"(G100)"}},
      {"G28 X0", {"G28 X0"}, {"(G28)"}},
      {"lower-case words are read", {"g1 x5"}, {"G1 X5.0000"}},
      {"lower-case other words", {"n10 g90 d2 f200 m3 s1000 t4"}, {"N10 G90 D2 F200 M3 S1000 T4"}},
      {"G and its number apart", {"G 1"}, {"G1"}},
      {"G without a number is G0", {"GX"}, {"G0"}},
      {"G between -1 and 0 is a straight move", {"G-0.5"}, {"G-0.5"}},
      // ";" comments: cut before reading, copied as they stand.
      {"semicolon comment alone", {"; GO TO X10"}, {"; GO TO X10"}},
      {"semicolon glued to a number", {"F5.; slow feed"}, {"F5 ; slow feed"}},
      {"semicolon comment trailing blanks trimmed", {"M5 ; Stop   "}, {"M5 ; Stop"}},
      {"semicolon after a comment", {"D1 (x) ; y (z)"}, {"D1 (X); y (z)"}},
      {"semicolon inside parentheses is no comment", {"(a;b) D1"}, {"(a;b)D1"}},
      {"semicolon directly after a word", {"M3;on"}, {"M3 ;on"}},
      // A "(" with no ")" after it: the rest of the line, closed.
      {"unclosed comment", {"(open comment"}, {"(open comment)"}},
      {"unclosed comment after a word", {"D1 (cut"}, {"D1 (CUT)"}},
      {"unclosed after a closed one", {"(A)(B"}, {"(A)(B)"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Reader reader;
    EXPECT_EQ(reader.Read(r.input), r.output);
  }
}

TEST(ReadBlock, FeedWords) {
  struct Row {
    const char* name;
    std::vector<std::string> input;
    double feedRate;
    double rapidFeedRate;
  };
  const Row rows[] = {
      {"slower than the rapid rate", {"F1500"}, 1500.0, 2300.0},
      {"faster than the rapid rate", {"F3000.5"}, 3000.5, 3000.5},
      {"inches", {"G20", "F100"}, 2540.0, 2540.0},
      {"inches then millimetres", {"G20", "G21", "F100"}, 100.0, 2300.0},
      {"rapid rate never falls", {"F5000", "F10"}, 10.0, 5000.0},
      {"no number", {"F"}, 0.0, 2300.0},
      {"semicolon comment holds no feed", {"F5.; F9000"}, 5.0, 2300.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Reader reader;
    reader.Read(r.input);
    EXPECT_EQ(reader.state.feedRate, r.feedRate);
    EXPECT_EQ(reader.state.rapidFeedRate, r.rapidFeedRate);
  }
}

TEST(ReadBlock, DAndFWordsIgnoreThePlane) {
  Reader reader;
  EXPECT_EQ(reader.Read({"G18", "D3", "F200", "G19", "D4 F300"}),
            (std::vector<std::string>{"D3", "F200", "D4 F300"}));
  EXPECT_EQ(reader.state.feedRate, 300.0);
}

TEST(ReadBlock, UnknownGIsReported) {
  struct Row {
    const char* line;
    const char* output;
  };
  const Row rows[] = {
      {"G53 X0", "(G53)"}, {"G28", "(G28)"}, {"G81 X1 Y2", "(G81)"}, {"G5", "(G5)"},
      {"G16", "(G16)"},    {"G22", "(G22)"}, {"G39", "(G39)"},       {"G45", "(G45)"},
      {"G48", "(G48)"},    {"G60", "(G60)"}, {"G62", "(G62)"},       {"G63", "(G63)"},
      {"G65", "(G65)"},    {"G67", "(G67)"}, {"G72", "(G72)"},       {"G89", "(G89)"},
      {"G95", "(G95)"},    {"G97", "(G97)"}, {"G100", "(G100)"},     {"G-1.5", "(G-1.5)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    Reader reader;
    EXPECT_EQ(reader.Read({r.line}), std::vector<std::string>{r.output});
    EXPECT_EQ(Entries(reader.errors), std::vector<TErrorType>{etUnknownGCode});
    EXPECT_TRUE(reader.state.unknownCodesFound);
  }
}

TEST(ReadBlock, NothingRecordedForDroppedWords) {
  Reader reader;
  EXPECT_EQ(reader.Read({"%", "A1 B2 C3", "X5 Y6 Z7", "(G53)", "; G53", "G-0.5"}),
            (std::vector<std::string>{"(G53)", "; G53", "G-0.5"}));
  EXPECT_EQ(reader.errors.Count(), 0u);
  EXPECT_FALSE(reader.state.unknownCodesFound);
}

TEST(ReadBlock, WordSteps) {
  // "G 1": the G takes the 1, which is then dropped as a word of its own.
  Reader spaced;
  spaced.Read({"G 1"});
  EXPECT_FALSE(spaced.state.firstMove);

  // A semicolon comment never reaches the handlers.
  Reader commented;
  EXPECT_EQ(commented.Read({"; GO TO X10"}), std::vector<std::string>{"; GO TO X10"});
  EXPECT_TRUE(commented.state.firstMove);
  EXPECT_EQ(commented.state.toolNumber, 0);
}

TEST(ConvertText, EmbeddedLineFeedsStayInsideALine) {
  const TConversion c = ConvertText("G90 G81 G91\nG53 X0\n", YWrapped());
  EXPECT_EQ(c.body, "G90 \n(G81)\n G91\r\n(G53)\r\n");
  EXPECT_TRUE(c.state.unknownCodesFound);
  EXPECT_EQ(Entries(c.errors), (std::vector<TErrorType>{etUnknownGCode, etUnknownGCode}));
}

TEST(DispatchTable, RowsExactlyWhereTheTableHasThem) {
  const std::set<int> rows = {0,  1,  2,  3,  4,  17, 18, 19, 20, 21, 40, 41, 42,
                              43, 44, 49, 50, 51, 52, 54, 55, 56, 57, 58, 59, 61,
                              64, 68, 69, 70, 71, 90, 91, 92, 93, 94, 98, 99};
  for (int n = -300; n <= 300; ++n) {
    SCOPED_TRACE(n);
    if (rows.count(n) != 0) {
      EXPECT_NE(GDispatchRow(n), nullptr);
    } else {
      EXPECT_EQ(GDispatchRow(n), nullptr);
      EXPECT_EQ(GHandlerFor(n), &HandleUnknownG);
    }
  }
  for (const std::int32_t n : {INT_MIN, INT_MIN + 1, -100000, 1000, 100000, INT_MAX}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(GDispatchRow(n), nullptr);
    EXPECT_EQ(GHandlerFor(n), &HandleUnknownG);
  }
}

TEST(DispatchTable, SharedHandlers) {
  const std::vector<std::vector<int>> groups = {
      {0, 1},           {20, 70}, {21, 71}, {41, 42}, {43, 44}, {52, 92}, {54, 55, 56, 57, 58},
      {93, 94, 98, 99},
  };
  for (const std::vector<int>& group : groups) {
    SCOPED_TRACE(group.front());
    for (int n : group) EXPECT_EQ(GDispatchRow(n), GDispatchRow(group.front())) << n;
  }
  EXPECT_NE(GDispatchRow(20), GDispatchRow(21));
  EXPECT_NE(GDispatchRow(90), GDispatchRow(91));
  EXPECT_NE(GDispatchRow(40), GDispatchRow(41));
  EXPECT_NE(GDispatchRow(0), GDispatchRow(4));
  for (int n : {0, 1, 4, 17, 40, 49, 50, 51, 59, 61, 64, 68, 69, 90})
    EXPECT_EQ(GHandlerFor(n), GDispatchRow(n)) << n;
}

}  // namespace
}  // namespace torvel
