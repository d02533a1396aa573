// The floor the conversion is measured against: read a program, cut every
// line into words (a letter and its number), read each number with
// std::from_chars and write it back with std::to_chars, fixed with four
// decimals, one blank between words, CR LF line ends. Comments are copied.
// No state, no geometry: only the text work that any converter must do.
//
//   baseline INPUT OUTPUT

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>

namespace {

bool IsNumberChar(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'; }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

void ConvertLine(std::string_view line, std::string& out) {
  const std::size_t start = out.size();
  std::size_t i = 0;
  const std::size_t n = line.size();
  while (i < n) {
    const char c = line[i];
    if (c == '(') {
      std::size_t close = line.find(')', i);
      close = close == std::string_view::npos ? n : close + 1;
      if (out.size() > start) out += ' ';
      out.append(line.substr(i, close - i));
      i = close;
    } else if (c == ';') {
      if (out.size() > start) out += ' ';
      out.append(line.substr(i));
      break;
    } else if (IsLetter(c)) {
      std::size_t j = i + 1;
      while (j < n && IsNumberChar(line[j])) ++j;
      if (out.size() > start) out += ' ';
      out += c;
      const char* first = line.data() + i + 1;
      const char* last = line.data() + j;
      if (first < last && *first == '+') ++first;  // from_chars takes no "+"
      double value = 0.0;
      const auto parsed = std::from_chars(first, last, value);
      if (parsed.ec == std::errc() && parsed.ptr == last) {
        char digits[64];
        const auto written =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 4);
        if (written.ec == std::errc()) {
          out.append(digits, written.ptr);
        } else {
          out.append(first, last);
        }
      } else {
        out.append(first, last);
      }
      i = j;
    } else {
      ++i;  // blanks and stray characters
    }
  }
  out += "\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: baseline INPUT OUTPUT\n", stderr);
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "rb");
  if (!in) {
    std::perror(argv[1]);
    return 1;
  }
  // One read into a buffer of the file's size, as a converter loads it.
  std::string text;
  if (std::fseek(in, 0, SEEK_END) == 0) {
    const long size = std::ftell(in);
    if (size > 0) text.resize(static_cast<std::size_t>(size));
    std::rewind(in);
  }
  text.resize(std::fread(text.data(), 1, text.size(), in));
  std::fclose(in);

  std::FILE* out = std::fopen(argv[2], "wb");
  if (!out) {
    std::perror(argv[2]);
    return 1;
  }
  std::string buffer;
  buffer.reserve(1 << 20);
  const std::string_view all(text);
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t end = all.find('\n', pos);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ConvertLine(line, buffer);
    if (buffer.size() >= (1u << 20)) {
      std::fwrite(buffer.data(), 1, buffer.size(), out);
      buffer.clear();
    }
    pos = end + 1;
  }
  std::fwrite(buffer.data(), 1, buffer.size(), out);
  if (std::fclose(out) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
