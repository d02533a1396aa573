// Text and number helpers shared by every stage of a conversion.
// Numbers are read and written with "." whatever the locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvel {

// Reads a decimal number: blanks (char 32 only), sign, digits with an
// optional fraction, an optional exponent whose digits may be missing ("1E"
// is 1), blanks. A text that does not convert is retried with only the
// characters of "1234567890.eE+-"; when that fails too, or the text is
// empty, the fallback is returned. Overflow counts as not converting.
double ParseNumber(std::string_view text, double fallback);
// True when the text converts by the number grammar itself (no fallback).
bool IsNumberText(std::string_view text);

// Fixed-point text with `decimals` places. Rounds half away from zero on
// the value's 18-significant-digit decimal expansion, uses at most 15
// significant digits, never writes "-0". Values of 1e15 and above are
// written as FormatGeneral writes them.
std::string FormatFixed(double value, int decimals);
// What ParseNumber reads back from FormatFixed(value, decimals).
double RoundTripFixed(double value, int decimals);
void AppendFixed(std::string& out, double value, int decimals);

// Shortest text of at most 15 significant digits; exponent form ("1E-5",
// "1.5E20") below 0.0001 or from 1e15 up.
std::string FormatGeneral(double value);
void AppendGeneral(std::string& out, double value);

std::string FormatInteger(std::int64_t n);

// Truncates toward zero, saturating at the 32-bit range; NaN gives 0.
std::int32_t TruncToInt(double value);

// The text up to the first separator after any leading separators; empty
// when no separator follows.
std::string_view FirstToken(std::string_view text, char separator);
// The text after the first separator; the text unchanged when it has none.
std::string_view TextAfter(std::string_view text, char separator);
std::string_view LeftChars(std::string_view text, long n);
std::string_view CharsAfter(std::string_view text, long n);
// Removes characters with codes 0 to 32 from both ends.
std::string_view TrimText(std::string_view text);

// Upper-cases the letters a to z only.
inline char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

}  // namespace torvel
