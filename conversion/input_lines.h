// The lines of the input program in reading order, with room for the lines
// an arc inserts right after its own line. Inserted lines are produced when
// they are read, so an arc of a million segments costs no memory up front.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace torvel {

// Produces inserted lines one at a time, in order.
class TLineSource {
 public:
  virtual ~TLineSource() = default;
  // Writes the next line into `line`; false when there is none left.
  virtual bool Next(std::string& line) = 0;
};

class InputLines {
 public:
  InputLines() = default;
  explicit InputLines(std::vector<std::string> lines) : base_(std::move(lines)) {}

  // Loaded lines plus every line inserted so far (read or not).
  std::size_t Count() const { return base_.size() + inserted_; }

  // The next line in reading order. `inserted` tells a line inserted by an
  // arc from a line of the program. False at the end.
  bool Next(std::string& line, bool& inserted);

  // Inserts `count` lines right after the line last read, ahead of any
  // lines inserted earlier that are still unread.
  void InsertAfterCurrent(std::unique_ptr<TLineSource> source, std::size_t count);

  std::vector<std::string>& Loaded() { return base_; }

 private:
  std::vector<std::string> base_;
  std::size_t nextBase_ = 0;
  std::size_t inserted_ = 0;
  std::vector<std::unique_ptr<TLineSource>> pending_;  // top is read first
};

}  // namespace torvel
