// A small INI file reader and writer: "key=value" lines under "[section]"
// headers. Unlike most INI libraries it keeps the text of a value exactly
// ("C:\Tools" stays "C:\Tools", ";" is part of a value), keeps the order of
// the keys, and leaves the rest of an existing file alone when it writes.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace torvel {

// A write that the file system refused; the message is
// "Unable to write to " followed by the file's path.
class TIniFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value of `key` in `section` of an INI text, or nothing when either is
// missing. Names compare without regard to ASCII case; the first match wins.
// Lines may end with CR LF, LF or CR.
std::optional<std::string> IniLookup(const std::string& text, const std::string& section,
                                     const std::string& key);

// The INI text with `key` in `section` set to `value`. An existing key line
// is replaced in place; a new key goes after the last key of its section;
// a new section goes at the end. Every other line is kept as it stands. The
// text's own line end is kept; `newLine` is used for a text that has none.
std::string IniAssign(const std::string& text, const std::string& section, const std::string& key,
                      const std::string& value, const std::string& newLine = "\n");

// One INI file on disk. Nothing is held open: every read reads the file,
// and every write rewrites it at once, so there is nothing to flush.
class TIniFile {
 public:
  explicit TIniFile(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  // A missing or unreadable file reads as a file with no keys.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // A value that is not a whole number (optional sign, digits, blanks
  // around) gives the fallback.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;

  // Throws TIniFileError when the file cannot be written.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);

 private:
  std::string path_;
};

}  // namespace torvel
