// The Wrap operation from validation to the final report, independent of
// any window: what it does to the window goes through a host.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/file_io.h"
#include "conversion/input_lines.h"
#include "conversion/output_spool.h"

#include "conversion/state.h"

namespace torvel {

enum class TRepaint { rpWindow, rpStatusLabel };

class TRunHost {
 public:
  virtual ~TRunHost() = default;
  // A modal message with the caption "Warning", the stop icon and OK.
  virtual void ShowWarning(const std::string& text) = 0;
  virtual void SetStatus(const std::string& text) = 0;
  virtual void Repaint(TRepaint what) = 0;
  // The buttons and the file and limit boxes, disabled while a run works.
  virtual void SetControlsEnabled(bool enabled) = 0;
  virtual void ShowErrorReport(const std::string& report) = 0;
};

enum class TRunResult { rrAborted, rrFinished, rrUnknownCodes };

// Runs one conversion. Validation problems end it with rrAborted; a file
// that cannot be read or written raises TFileError after the controls are
// enabled again.
// `save` writes the output file; tests put a failing writer in its place.
using TSave = std::function<void(const std::string& path, const TProduce& produce)>;
TRunResult WrapRun(const RunSettings& settings, TRunHost& host, const TSave& save = SaveNoClobber);

// One conversion in memory: the header with its running-time line, the
// converted blocks (each line ended with CR LF), the final state and the
// recorded problems.
struct TConversion {
  std::vector<std::string> header;
  std::string body;  // filled by ConvertText only
  ConversionState state;
  ErrorList errors;

  // The header lines, each ended with CR LF.
  std::string HeaderText() const;
  // The whole output file.
  std::string Text() const;
};

// Reads every line of `input` and appends the output lines, each ended
// with CR LF, to `body`. `progress` is called with the 0-based index and
// the current line count at every 1000th line.
void ConvertInput(InputLines& input, const RunSettings& settings, TConversion& out,
                  TOutputSpool& body,
                  const std::function<void(std::size_t, std::size_t)>& progress);

// Splits, normalises and converts a whole program held in memory.
TConversion ConvertText(std::string_view program, const RunSettings& settings);

}  // namespace torvel
