#include "conversion/text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace torvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Every power of ten a double holds exactly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The strict number grammar. Builds a canonical text for from_chars, which
// never consults the locale and rejects "inf", "nan" and hex by itself.
bool ConvertStrict(std::string_view t, double& result) {
  // The common shape "-12.345", read in one pass. At most 15 significant
  // digits make an exact integer and a power of ten up to 10^22 is exact,
  // so one division rounds correctly; longer texts go to from_chars.
  {
    const char* p = t.data();
    const char* const end = p + t.size();
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    std::uint64_t mantissa = 0;
    int significant = 0, fraction = 0, intDigits = 0, fracDigits = 0;
    for (; p < end && IsDigit(*p); ++p, ++intDigits) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
      if (mantissa != 0) ++significant;
    }
    bool plain = intDigits > 0;
    if (plain && p < end && *p == '.') {
      for (++p; p < end && IsDigit(*p); ++p, ++fracDigits) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
        if (mantissa != 0) ++significant;
      }
      fraction = fracDigits;
      plain = fracDigits > 0;
    }
    if (plain && p == end) {
      if (significant <= 15 && fraction <= 22) {
        const double magnitude = static_cast<double>(mantissa) / kPow10[fraction];
        result = negative ? -magnitude : magnitude;
        return true;
      }
      double value = 0.0;
      const auto res = std::from_chars(t.data(), end, value);
      if (res.ec == std::errc() && res.ptr == end) {
        result = value;
        return true;
      }
    }
  }
  size_t i = 0;
  const size_t n = t.size();
  while (i < n && t[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  const size_t intStart = i;
  while (i < n && IsDigit(t[i])) ++i;
  const size_t intEnd = i;
  size_t fracStart = i, fracEnd = i;
  if (i < n && t[i] == '.') {
    fracStart = ++i;
    while (i < n && IsDigit(t[i])) ++i;
    fracEnd = i;
  }
  if (intEnd - intStart + fracEnd - fracStart == 0) return false;
  bool expNegative = false;
  size_t expStart = i, expEnd = i;
  if (i < n && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) {
      expNegative = t[i] == '-';
      ++i;
    }
    expStart = i;
    while (i < n && IsDigit(t[i])) ++i;
    expEnd = i;
  }
  while (i < n && t[i] == ' ') ++i;
  if (i != n) return false;

  std::string canon;
  canon.reserve(n + 4);
  if (negative) canon += '-';
  if (intEnd > intStart) {
    canon.append(t.substr(intStart, intEnd - intStart));
  } else {
    canon += '0';
  }
  if (fracEnd > fracStart) {
    canon += '.';
    canon.append(t.substr(fracStart, fracEnd - fracStart));
  }
  if (expEnd > expStart) {
    canon += 'e';
    if (expNegative) canon += '-';
    canon.append(t.substr(expStart, expEnd - expStart));
  }
  double value = 0.0;
  const auto res = std::from_chars(canon.data(), canon.data() + canon.size(), value,
                                   std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Decide between overflow (not a number) and underflow (zero) from the
    // decimal position of the first significant digit.
    long firstDigit = 0;  // power of ten of the first non-zero digit, plus one
    bool found = false;
    for (size_t k = intStart; k < intEnd && !found; ++k) {
      if (t[k] != '0') {
        firstDigit = static_cast<long>(intEnd - k);
        found = true;
      }
    }
    for (size_t k = fracStart; k < fracEnd && !found; ++k) {
      if (t[k] != '0') {
        firstDigit = -static_cast<long>(k - fracStart);
        found = true;
      }
    }
    if (!found) {
      result = negative ? -0.0 : 0.0;
      return true;
    }
    long exponent = 0;
    for (size_t k = expStart; k < expEnd; ++k) {
      exponent = exponent * 10 + (t[k] - '0');
      if (exponent > 100000000) break;
    }
    if (expNegative) exponent = -exponent;
    if (firstDigit + exponent > 0) return false;  // overflow
    result = negative ? -0.0 : 0.0;
    return true;
  }
  if (res.ec != std::errc() || res.ptr != canon.data() + canon.size()) return false;
  if (!std::isfinite(value)) return false;
  result = value;
  return true;
}

// The value's decimal expansion to 18 significant digits: digits[0..18) and
// the power of ten of the first digit.
struct Decimal18 {
  char digits[18];
  int exp10;
};

Decimal18 Expand18(double value) {
  Decimal18 d{};
  char buf[40];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                           17);
  // buf holds "d.ddddddddddddddddde[+-]xx"
  const char* p = buf;
  int k = 0;
  d.digits[k++] = *p++;
  ++p;  // the point
  while (k < 18) d.digits[k++] = *p++;
  ++p;  // 'e'
  int sign = 1;
  if (*p == '-') sign = -1;
  ++p;
  int e = 0;
  std::from_chars(p, res.ptr, e);
  d.exp10 = sign * e;
  return d;
}

// Rounds digits[0..keep) half away from zero on digits[keep]; a carry out of
// the first digit shifts the exponent. Returns the number of digits kept.
int RoundDigits(char* digits, int available, int keep, int& exp10) {
  if (keep >= available) return available;
  if (keep < 0) {
    for (int i = 0; i < available; ++i) digits[i] = '0';
    return 0;
  }
  const bool up = digits[keep] >= '5';
  for (int i = keep; i < available; ++i) digits[i] = '0';
  if (up) {
    int i = keep - 1;
    while (i >= 0 && digits[i] == '9') {
      digits[i] = '0';
      --i;
    }
    if (i >= 0) {
      ++digits[i];
    } else {
      // every kept digit carried (or none was kept): the value becomes 10^(exp10+1)
      for (int j = available - 1; j > 0; --j) digits[j] = digits[j - 1];
      digits[0] = '1';
      ++exp10;
      return keep + 1;
    }
  }
  return keep;
}

}  // namespace

bool IsNumberText(std::string_view text) {
  double value = 0.0;
  return ConvertStrict(text, value);
}

double ParseNumber(std::string_view text, double fallback) {
  if (text.empty()) return fallback;
  double value = 0.0;
  if (ConvertStrict(text, value)) return value;
  std::string kept;
  for (char c : text) {
    if (IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-') kept += c;
  }
  if (!kept.empty() && ConvertStrict(kept, value)) return value;
  return fallback;
}

// The shortest round-trip digits of a value, when there are at most 15 of
// them: then they are also the value's 15-digit rounding with the trailing
// zeros removed, since the value lies far closer to them than to any tie.
bool ShortestDigits(double value, char* digits, int& len, int& exp10) {
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific);
  const char* p = buf;
  len = 0;
  while (p < res.ptr && *p != 'e') {
    if (*p != '.') {
      if (len == 15) return false;
      digits[len++] = *p;
    }
    ++p;
  }
  ++p;  // 'e'
  const bool negative = *p == '-';
  ++p;
  int e = 0;
  std::from_chars(p, res.ptr, e);
  exp10 = negative ? -e : e;
  while (len > 1 && digits[len - 1] == '0') --len;
  return true;
}

void AppendGeneral(std::string& out, double value) {
  if (value == 0.0 || !std::isfinite(value)) {
    out += '0';
    return;
  }
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(value));
    out.append(buf, r.ptr);
    return;
  }
  Decimal18 d{};
  int exp10 = 0;
  int len = 0;
  if (!ShortestDigits(value, d.digits, len, exp10)) {
    d = Expand18(value);
    exp10 = d.exp10;
    RoundDigits(d.digits, 18, 15, exp10);
    len = 15;
    while (len > 1 && d.digits[len - 1] == '0') --len;
  }
  if (value < 0) out += '-';
  if (exp10 < -4 || exp10 >= 15) {
    out += d.digits[0];
    if (len > 1) {
      out += '.';
      out.append(d.digits + 1, len - 1);
    }
    out += 'E';
    if (exp10 < 0) out += '-';
    char buf[12];
    auto r = std::to_chars(buf, buf + sizeof buf, std::abs(exp10));
    out.append(buf, r.ptr);
    return;
  }
  if (exp10 >= 0) {
    for (int i = 0; i <= exp10; ++i) out += i < len ? d.digits[i] : '0';
    if (len > exp10 + 1) {
      out += '.';
      out.append(d.digits + exp10 + 1, len - exp10 - 1);
    }
  } else {
    out += "0.";
    out.append(static_cast<size_t>(-exp10 - 1), '0');
    out.append(d.digits, len);
  }
}

std::string FormatGeneral(double value) {
  std::string s;
  AppendGeneral(s, value);
  return s;
}

// Rounds value x 10^decimals to a whole number when the product is clearly
// away from a half, where rounding the 18-digit expansion half away from
// zero can only give the nearest whole number. False when it is too close
// to tell or too large for 15 digits.
bool RoundScaled(double value, int decimals, std::uint64_t& rounded) {
  if (decimals < 0 || decimals > 9) return false;
  const double scaled = std::fabs(value) * kPow10[decimals];
  if (!(scaled < 1e13)) return false;
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  if (std::fabs(fraction - 0.5) <= scaled * 4e-16 + 1e-9) return false;
  rounded = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
  return true;
}

void AppendFixed(std::string& out, double value, int decimals) {
  if (!std::isfinite(value)) value = 0.0;
  std::uint64_t rounded = 0;
  if (RoundScaled(value, decimals, rounded)) {
    // Digits written from the right: the decimals, the point, the rest.
    char text[48];
    char* const end = text + sizeof text;
    char* p = end;
    const bool negative = rounded != 0 && value < 0;
    for (int i = 0; i < decimals; ++i) {
      *--p = static_cast<char>('0' + rounded % 10);
      rounded /= 10;
    }
    if (decimals > 0) *--p = '.';
    do {
      *--p = static_cast<char>('0' + rounded % 10);
      rounded /= 10;
    } while (rounded != 0);
    if (negative) *--p = '-';
    out.append(p, static_cast<std::size_t>(end - p));
    return;
  }
  if (std::fabs(value) >= 1e15) {
    AppendGeneral(out, value);
    return;
  }
  if (decimals < 0) decimals = 0;
  Decimal18 d{};
  int exp10 = 0;
  int len = 0;
  if (value != 0.0) {
    d = Expand18(value);
    exp10 = d.exp10;
    int keep = exp10 + 1 + decimals;
    if (keep > 15) keep = 15;
    len = RoundDigits(d.digits, 18, keep, exp10);
    if (len > 15) len = 15;
  }
  bool nonZero = false;
  for (int i = 0; i < len; ++i) nonZero |= d.digits[i] != '0';
  if (nonZero && value < 0) out += '-';
  auto digitAt = [&](int index) { return (nonZero && index >= 0 && index < len) ? d.digits[index] : '0'; };
  if (nonZero && exp10 >= 0) {
    for (int i = 0; i <= exp10; ++i) out += digitAt(i);
  } else {
    out += '0';
  }
  if (decimals > 0) {
    out += '.';
    for (int j = 1; j <= decimals; ++j) out += digitAt(exp10 + j);
  }
}

double RoundTripFixed(double value, int decimals) {
  std::uint64_t rounded = 0;
  if (std::isfinite(value) && RoundScaled(value, decimals, rounded)) {
    // The text has at most 15 significant digits: ParseNumber divides the
    // whole number by the power of ten, and so does this.
    const double magnitude = static_cast<double>(rounded) / kPow10[decimals];
    return rounded != 0 && value < 0 ? -magnitude : magnitude;
  }
  std::string text;
  AppendFixed(text, value, decimals);
  return ParseNumber(text, 0.0);
}

std::string FormatFixed(double value, int decimals) {
  std::string s;
  AppendFixed(s, value, decimals);
  return s;
}

std::string FormatInteger(std::int64_t n) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, n);
  return std::string(buf, r.ptr);
}

std::int32_t TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::string_view FirstToken(std::string_view text, char separator) {
  size_t i = 0;
  while (i < text.size() && text[i] == separator) ++i;
  const size_t end = text.find(separator, i);
  if (end == std::string_view::npos) return {};
  return text.substr(i, end - i);
}

std::string_view TextAfter(std::string_view text, char separator) {
  const size_t at = text.find(separator);
  if (at == std::string_view::npos) return text;
  return text.substr(at + 1);
}

std::string_view LeftChars(std::string_view text, long n) {
  if (n <= 0) return {};
  if (static_cast<size_t>(n) < text.size()) return text.substr(0, static_cast<size_t>(n));
  return text;
}

std::string_view CharsAfter(std::string_view text, long n) {
  if (n <= 0) return text;
  if (static_cast<size_t>(n) >= text.size()) return {};
  return text.substr(static_cast<size_t>(n));
}

std::string_view TrimText(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
  return text.substr(b, e - b);
}

}  // namespace torvel
