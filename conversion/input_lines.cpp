#include "conversion/input_lines.h"

#include <cstring>
#include <utility>

#include "conversion/text.h"

namespace torvel {
namespace {

// The end of the line that starts at `from`: the first CR or LF, or the end.
std::size_t LineEnd(const std::string& text, std::size_t from) {
  const char* p = text.data() + from;
  const char* end = text.data() + text.size();
  while (p < end && *p != '\n' && *p != '\r') ++p;
  return static_cast<std::size_t>(p - text.data());
}

// Past the line end at `at` (CR LF counts once).
std::size_t SkipLineEnd(const std::string& text, std::size_t at) {
  if (at >= text.size()) return at;
  if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') return at + 2;
  return at + 1;
}

}  // namespace

InputLines::InputLines(std::string text) : text_(std::move(text)) {
  const std::size_t nul = text_.find('\0');
  if (nul != std::string::npos) text_.resize(nul);
  for (std::size_t at = 0; at < text_.size(); at = SkipLineEnd(text_, LineEnd(text_, at)))
    ++loadedCount_;
}

bool InputLines::NextLoaded(std::string& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t end = LineEnd(text_, pos_);
  if (normalise_) {
    SeparateWords(std::string_view(text_).substr(pos_, end - pos_), line);
    CarryMotion(line, carry_);
  } else {
    line.assign(text_, pos_, end - pos_);
  }
  pos_ = SkipLineEnd(text_, end);
  if (pos_ >= text_.size()) std::string().swap(text_);  // read through: free it
  return true;
}

bool InputLines::Next(std::string& line, TSegmentMove& move, bool& inserted) {
  while (!pending_.empty()) {
    if (pending_.back()->Next(move)) {
      inserted = true;
      return true;
    }
    pending_.pop_back();
  }
  inserted = false;
  return NextLoaded(line);
}

bool InputLines::Next(std::string& line, bool& inserted) {
  TSegmentMove move;
  if (!Next(line, move, inserted)) return false;
  if (inserted) line = SegmentLineText(move);
  return true;
}

std::vector<std::string> SplitLines(std::string_view text) {
  InputLines input{std::string(text)};
  std::vector<std::string> lines;
  std::string line;
  bool inserted = false;
  while (input.Next(line, inserted)) lines.push_back(line);
  return lines;
}

std::string SegmentLineText(const TSegmentMove& m) {
  std::string line = "G1 X";
  AppendFixed(line, m.x, 4);
  line += " Y";
  AppendFixed(line, m.y, 4);
  const std::pair<bool, std::pair<const char*, double>> optional[] = {
      {m.hasZ, {" Z", m.z}}, {m.hasA, {" A", m.a}}, {m.hasB, {" B", m.b}}, {m.hasC, {" C", m.c}}};
  for (const auto& [given, word] : optional) {
    if (!given) continue;
    line += word.first;
    AppendFixed(line, word.second, 4);
  }
  if (m.machineCoordinates) line += " G53";
  return line;
}

void InputLines::InsertAfterCurrent(std::unique_ptr<TLineSource> source, std::size_t count) {
  inserted_ += count;
  pending_.push_back(std::move(source));
}

}  // namespace torvel
