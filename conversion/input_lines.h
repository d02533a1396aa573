// The lines of the input program in reading order, with room for the lines
// an arc inserts right after its own line. The program is held as the text
// of the file; each line is cut out and normalised when it is read, and
// inserted lines are produced when they are read, so memory stays at the
// size of the file however many segments the arcs give.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "conversion/normalise.h"

namespace torvel {

// One line an arc inserts: "G1 X.. Y.." and the optional words, held as
// the values its 4-decimal texts read back as, so the line need not be
// written out and read again.
struct TSegmentMove {
  double x = 0, y = 0, z = 0, a = 0, b = 0, c = 0;
  bool hasZ = false, hasA = false, hasB = false, hasC = false;
  bool machineCoordinates = false;  // ends with G53
};

// The segment's line as text, as the block reader would read it.
std::string SegmentLineText(const TSegmentMove& move);

// Produces inserted lines one at a time, in order.
class TLineSource {
 public:
  virtual ~TLineSource() = default;
  // Fills the next segment; false when there is none left.
  virtual bool Next(TSegmentMove& move) = 0;
};

// The lines of a text by the rule InputLines reads them with.
std::vector<std::string> SplitLines(std::string_view text);

class InputLines {
 public:
  InputLines() = default;
  // The text of a whole file: lines end at CR, LF or CR LF; a line end at
  // the very end adds no line; a NUL ends the text.
  explicit InputLines(std::string text);

  // Lines of the file are normalised as they are read; inserted lines never.
  void NormaliseWhenRead() { normalise_ = true; }

  // Lines of the file plus every line inserted so far (read or not).
  std::size_t Count() const { return loadedCount_ + inserted_; }

  // The next line in reading order. `inserted` tells a line inserted by an
  // arc from a line of the program. False at the end.
  bool Next(std::string& line, bool& inserted);
  // The same, but an inserted line comes as its segment in `move`.
  bool Next(std::string& line, TSegmentMove& move, bool& inserted);

  // Inserts `count` lines right after the line last read, ahead of any
  // lines inserted earlier that are still unread.
  void InsertAfterCurrent(std::unique_ptr<TLineSource> source, std::size_t count);

 private:
  bool NextLoaded(std::string& line);

  std::string text_;
  std::size_t pos_ = 0;
  std::size_t loadedCount_ = 0;
  std::size_t inserted_ = 0;
  bool normalise_ = false;
  TMotionCarry carry_;
  std::vector<std::unique_ptr<TLineSource>> pending_;  // top is read first
};

}  // namespace torvel
