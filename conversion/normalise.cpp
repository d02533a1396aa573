#include "conversion/normalise.h"

#include "conversion/text.h"

namespace torvel {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A token "G" + number text that starts with a digit and reads as 0 to 3.
bool IsMotionWord(std::string_view token) {
  if (token.size() < 2 || token[0] != 'G' || !IsDigit(token[1])) return false;
  const std::int32_t n = TruncToInt(ParseNumber(token.substr(1), 0.0));
  return n >= 0 && n <= 3;
}

}  // namespace

void SeparateWords(std::string_view line, std::string& out) {
  if (line.size() < 2) {
    out.assign(line);
    return;
  }
  // At most one blank per character: write into room for twice the line.
  out.resize(line.size() * 2);
  char* w = out.data();
  for (std::size_t j = 0; j + 1 < line.size(); ++j) {
    const char c = line[j];
    *w++ = c;
    if ((IsDigit(c) || c == '.') && IsLetter(line[j + 1])) *w++ = ' ';
  }
  *w++ = line.back();
  out.resize(static_cast<std::size_t>(w - out.data()));
}

std::string SeparateWords(std::string_view line) {
  std::string out;
  SeparateWords(line, out);
  return out;
}


// Walks the text outside comments: "(" to the next ")" (or the end) and
// ";" to the end count as blanks. Calls visit(index, upper-cased char) for
// every other character and visit(index, ' ') where a comment stands.
template <typename Visit>
void ForEachOutsideComments(std::string_view line, Visit visit) {
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '(') {
      const std::size_t close = line.find(')', i);
      visit(i, ' ');
      i = close == std::string_view::npos ? line.size() : close + 1;
    } else if (c == ';') {
      visit(i, ' ');
      return;
    } else {
      visit(i, UpperChar(c));
      ++i;
    }
  }
}

std::string MaskComments(std::string_view line) {
  std::string masked(line.size(), ' ');
  // A comment is visited once as a blank; everything else keeps its case.
  ForEachOutsideComments(line, [&](std::size_t i, char u) {
    if (u != ' ') masked[i] = line[i];
  });
  return masked;
}

void CarryMotion(std::string& line, TMotionCarry& carry) {
  bool hasG = false, hasAxis = false;
  std::size_t firstN = std::string::npos;
  // The last motion word outside comments, from the tokens that start with G.
  char token[32];
  std::size_t length = 0;
  bool atStart = true, collecting = false, tooLong = false;
  std::string motion;
  auto endToken = [&] {
    if (collecting && !tooLong && IsMotionWord(std::string_view(token, length)))
      motion.assign(token, length);
    collecting = tooLong = false;
    length = 0;
    atStart = true;
  };
  ForEachOutsideComments(line, [&](std::size_t i, char u) {
    if (u == ' ') {
      endToken();
      return;
    }
    if (u == 'G') {
      hasG = true;
    } else if (u == 'X' || u == 'Y' || u == 'Z') {
      hasAxis = true;
    } else if (u == 'N' && firstN == std::string::npos) {
      firstN = i;
    }
    if (atStart) {
      collecting = u == 'G';
      atStart = false;
    }
    if (!collecting) return;
    if (length == sizeof token) {
      tooLong = true;
    } else {
      token[length++] = u;
    }
  });
  endToken();
  if (hasG) {
    if (!motion.empty()) carry.carriedGCode.swap(motion);
    return;
  }
  if (!hasAxis) return;

  for (char& c : line) c = UpperChar(c);
  const std::string_view u = line;
  std::string& rewritten = carry.scratch;
  rewritten.clear();
  std::string_view rest = u;
  if (firstN != std::string::npos) {
    const std::string_view after = u.substr(firstN + 1);
    rewritten.append(u.substr(0, firstN));
    rewritten += 'N';
    rewritten += FirstToken(after, ' ');
    rest = TextAfter(after, ' ');
  }
  rewritten += ' ';
  rewritten += carry.carriedGCode;
  rewritten += ' ';
  rewritten += rest;
  line.assign(rewritten);  // keeps the line's buffer
}

void NormaliseLines(std::vector<std::string>& lines) {
  for (std::string& line : lines) line = SeparateWords(line);
  TMotionCarry carry;
  for (std::string& line : lines) CarryMotion(line, carry);
}

}  // namespace torvel
