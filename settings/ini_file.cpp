#include "settings/ini_file.h"

#include <charconv>
#include <cstddef>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>
#include <vector>

namespace torvel {
namespace {

struct TIniText {
  std::vector<std::string> lines;  // without their line ends
  std::string lineEnd;             // the text's own, empty when it has none
};

TIniText SplitIni(const std::string& text) {
  TIniText ini;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      ini.lines.push_back(text.substr(start));
      break;
    }
    ini.lines.push_back(text.substr(start, end - start));
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    if (ini.lineEnd.empty()) ini.lineEnd = crlf ? "\r\n" : std::string(1, text[end]);
    start = end + (crlf ? 2 : 1);
  }
  return ini;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const std::size_t close = line.find(']');
  if (close != std::string_view::npos) line = line.substr(0, close);
  return Trim(line);
}

bool IsComment(std::string_view line) {
  line = Trim(line);
  return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// The key of a "key=value" line, or nothing for any other line.
std::optional<std::string_view> KeyName(std::string_view line) {
  if (IsComment(line) || SectionName(line)) return std::nullopt;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = Trim(line.substr(0, eq));
  if (key.empty()) return std::nullopt;
  return key;
}

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// Index of the line holding `key` in any `section` block, first match.
std::size_t FindKeyLine(const std::vector<std::string>& lines, const std::string& section,
                        const std::string& key) {
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i])) {
      inSection = SameName(*name, section);
    } else if (inSection) {
      const auto k = KeyName(lines[i]);
      if (k && SameName(*k, key)) return i;
    }
  }
  return kNone;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return in.bad() ? std::string() : text.str();
}

}  // namespace

std::optional<std::string> IniLookup(const std::string& text, const std::string& section,
                                     const std::string& key) {
  const TIniText ini = SplitIni(text);
  const std::size_t i = FindKeyLine(ini.lines, section, key);
  if (i == kNone) return std::nullopt;
  // The value is everything after the first "=", blanks included.
  const std::string& line = ini.lines[i];
  return line.substr(line.find('=') + 1);
}

std::string IniAssign(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value, const std::string& newLine) {
  TIniText ini = SplitIni(text);
  const std::string lineEnd = ini.lineEnd.empty() ? newLine : ini.lineEnd;
  std::vector<std::string>& lines = ini.lines;
  const std::string keyLine = key + "=" + value;

  std::size_t at = FindKeyLine(lines, section, key);
  if (at != kNone) {
    lines[at] = keyLine;
  } else {
    // After the last key of the first block of the section, or after its
    // header when it has no keys yet.
    std::size_t header = kNone;
    std::size_t insertAt = kNone;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto name = SectionName(lines[i]);
      if (header == kNone) {
        if (name && SameName(*name, section)) insertAt = header = i;
      } else if (name) {
        break;
      } else if (KeyName(lines[i])) {
        insertAt = i;
      }
    }
    if (header != kNone) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt + 1), keyLine);
    } else {
      if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
      lines.push_back("[" + section + "]");
      lines.push_back(keyLine);
    }
  }

  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += lineEnd;
  }
  return out;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
  return IniLookup(ReadWholeFile(path_), section, key).value_or(fallback);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const auto value = IniLookup(ReadWholeFile(path_), section, key);
  if (!value) return fallback;
  std::string_view digits = Trim(*value);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.front() < '0' || digits.front() > '9') return fallback;
  long long n = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (ec != std::errc() || end != digits.data() + digits.size()) return fallback;
  if (negative) n = -n;
  if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) return fallback;
  return static_cast<int>(n);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  const std::string text = IniAssign(ReadWholeFile(path_), section, key, value);
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (out) out.close();
  if (!out) throw TIniFileError("Unable to write to " + path_);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace torvel
