#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

#include "conversion/text.h"

namespace torvel {
namespace {

TEST(ParseNumber, GrammarAndFallbacks) {
  struct Row {
    const char* text;
    double fallback;
    double expected;
  };
  const Row rows[] = {
      {"", 7.5, 7.5},
      {"0", 7.5, 0.0},
      {"-", 3.0, 3.0},
      {"X-4.5", 0.0, -4.5},
      {" 2.5 ", 0.0, 2.5},
      {"+1.5", 0.0, 1.5},
      {".5", 0.0, 0.5},
      {"5.", 0.0, 5.0},
      {"1E", 0.0, 1.0},
      {"5e-", 0.0, 5.0},
      {"1.5E2", 0.0, 150.0},
      {"X12.5", 0.0, 12.5},
      {"5mm", 0.0, 5.0},
      {"1(COMMENT)", 0.0, 1.0},  // keeps "1E"
      {"abc", 9.0, 9.0},
      {"1.2.3", 9.0, 9.0},
      {".", 9.0, 9.0},
      {"\t2", 0.0, 2.0},  // a tab is no blank: converts only once stripped
      {"0010", 0.0, 10.0},
      {"1E400", 4.0, 4.0},      // overflow does not convert
      {"-1E400", 4.0, 4.0},
      {"1E-400", 4.0, 0.0},     // underflow is zero
      {"inf", 4.0, 4.0},
      {"nan", 4.0, 4.0},
      {"0x10", 4.0, 10.0},      // hex is no number: "010" is kept
      {"1,5", 0.0, 15.0},       // a comma is never a decimal separator
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(ParseNumber(r.text, r.fallback), r.expected);
  }
  EXPECT_EQ(ParseNumber("1E-320", 0.0), 1E-320);
  EXPECT_EQ(ParseNumber("1E308", 0.0), 1E308);
}

TEST(FormatFixed, RoundsTheEighteenDigitExpansionHalfAwayFromZero) {
  struct Row {
    double value;
    int decimals;
    const char* expected;
  };
  const Row rows[] = {
      {2.5, 4, "2.5000"},
      {1234.56789, 2, "1234.57"},
      {0.125, 2, "0.13"},
      {-0.00006, 4, "-0.0001"},
      {-0.00001, 4, "0.0000"},
      {-0.00004, 4, "0.0000"},
      {-1.23456, 4, "-1.2346"},
      {1000.255, 2, "1000.26"},   // printf gives 1000.25
      {0.01405, 4, "0.0141"},     // printf gives 0.0140
      {-12.34567, 4, "-12.3457"},
      {0.0, 4, "0.0000"},
      {-0.0, 4, "0.0000"},
      {9.99996, 4, "10.0000"},
      {0.00005, 4, "0.0001"},
      {76.39437268410977, 4, "76.3944"},
      {16.479436268410976, 2, "16.48"},
      {123456789012.345678, 4, "123456789012.3460"},  // 15 significant digits
      {1e15, 4, "1E15"},
      {5.0, 0, "5"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expected);
    EXPECT_EQ(FormatFixed(r.value, r.decimals), r.expected);
  }
}

TEST(FormatGeneral, ShortestTextOfFifteenDigits) {
  struct Row {
    double value;
    const char* expected;
  };
  const Row rows[] = {
      {1500, "1500"},     {100, "100"},       {0.5, "0.5"},        {2.25, "2.25"},
      {0.0001, "0.0001"}, {0.00001, "1E-5"},  {0.000099, "9.9E-5"}, {1.5e20, "1.5E20"},
      {-3, "-3"},         {0, "0"},           {-0.0, "0"},         {92.1, "92.1"},
      {54, "54"},         {7620, "7620"},     {3000.5, "3000.5"},  {0.1, "0.1"},
      {1e15, "1E15"},     {999999999999999, "999999999999999"},    {254, "254"},
      {1.0 / 3.0, "0.333333333333333"},     {-1.5e-7, "-1.5E-7"},
      {2.0 / 3.0, "0.666666666666667"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expected);
    EXPECT_EQ(FormatGeneral(r.value), r.expected);
  }
}

TEST(Formatting, IgnoresTheLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
    EXPECT_EQ(FormatFixed(2.5, 4), "2.5000");
    EXPECT_EQ(FormatGeneral(0.5), "0.5");
    EXPECT_EQ(ParseNumber("2.5", 0), 2.5);
  }
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(TextHelpers, Edges) {
  EXPECT_EQ(FirstToken("  G1 X5", ' '), "G1");
  EXPECT_EQ(FirstToken("G1", ' '), "");
  EXPECT_EQ(FirstToken("N10 X5", 'N'), "");
  EXPECT_EQ(FirstToken("", ' '), "");
  EXPECT_EQ(TextAfter("G1 X5 ", ' '), "X5 ");
  EXPECT_EQ(TextAfter("(A", ')'), "(A");
  EXPECT_EQ(TextAfter("", ')'), "");
  EXPECT_EQ(LeftChars("G53 X", 3), "G53");
  EXPECT_EQ(LeftChars("G5", 3), "G5");
  EXPECT_EQ(LeftChars("G5", 0), "");
  EXPECT_EQ(CharsAfter("G53", 1), "53");
  EXPECT_EQ(CharsAfter("G53", 3), "");
  EXPECT_EQ(TrimText("\t \x01 G1 \r\n"), "G1");
  EXPECT_EQ(FormatInteger(-12), "-12");
  EXPECT_EQ(TruncToInt(-1.5), -1);
  EXPECT_EQ(TruncToInt(2.7), 2);
  EXPECT_EQ(TruncToInt(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace torvel

namespace torvel {
namespace {

// The rounding rule worked digit by digit on printf's 18-digit expansion,
// to hold the fast path against on many values.
std::string ReferenceFixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17e", std::fabs(v));
  std::string digits;
  const char* p = buf;
  for (; *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  const int exp10 = std::atoi(p + 1);
  int keep = std::min(15, exp10 + 1 + decimals);
  std::string kept = keep > 0 ? digits.substr(0, keep) : "";
  int e = exp10;
  const bool up = keep >= 0 && keep < 18 && digits[keep] >= '5';
  if (keep < 0) kept = "";
  if (up) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0) {
      ++kept[i];
    } else {
      kept.insert(kept.begin(), '1');
      ++e;
    }
  }
  bool nonZero = kept.find_first_not_of('0') != std::string::npos;
  std::string out = nonZero && v < 0 ? "-" : "";
  auto at = [&](int i) { return i >= 0 && i < static_cast<int>(kept.size()) ? kept[i] : '0'; };
  if (e >= 0) {
    for (int i = 0; i <= e; ++i) out += at(i);
  } else {
    out += '0';
  }
  out += '.';
  for (int j = 1; j <= decimals; ++j) out += at(e + j);
  return out;
}

TEST(FormatFixed, MatchesTheDigitRuleOnManyValues) {
  std::mt19937_64 rng(12345);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  const double scales[] = {1e-5, 1e-3, 1, 100, 1e4, 1e7, 1e10};
  for (double scale : scales) {
    for (int i = 0; i < 20000; ++i) {
      double v = unit(rng) * scale;
      if (i % 3 == 0) v = std::round(v * 1e5) / 1e5;  // ties at the fifth decimal
      ASSERT_EQ(FormatFixed(v, 4), ReferenceFixed(v, 4)) << std::setprecision(17) << v;
      ASSERT_EQ(FormatFixed(v, 2), ReferenceFixed(v, 2)) << std::setprecision(17) << v;
    }
  }
}

TEST(RoundTripFixed, IsWhatTheTextReadsBackAs) {
  std::mt19937_64 rng(99);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (double scale : {1e-4, 1.0, 500.0, 1e6, 1e10, 1e14, 1e16}) {
    for (int i = 0; i < 20000; ++i) {
      const double v = unit(rng) * scale;
      ASSERT_EQ(RoundTripFixed(v, 4), ParseNumber(FormatFixed(v, 4), 0.0))
          << std::setprecision(17) << v;
    }
  }
}

TEST(ParseNumber, ShortDecimalsMatchFromChars) {
  std::mt19937_64 rng(5);
  for (int i = 0; i < 200000; ++i) {
    std::string text = (rng() % 2) ? "-" : "";
    const int intDigits = 1 + static_cast<int>(rng() % 8);
    const int fracDigits = static_cast<int>(rng() % 9);
    for (int d = 0; d < intDigits; ++d) text += static_cast<char>('0' + rng() % 10);
    if (fracDigits > 0) {
      text += '.';
      for (int d = 0; d < fracDigits; ++d) text += static_cast<char>('0' + rng() % 10);
    }
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(ParseNumber(text, 7.0), expected) << text;
  }
}

}  // namespace
}  // namespace torvel
