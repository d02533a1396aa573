#include "conversion/run.h"

#include <memory>
#include <vector>

#include "codes/handlers.h"
#include "conversion/block_reader.h"
#include "conversion/file_io.h"
#include "conversion/header.h"
#include "conversion/input_lines.h"
#include "conversion/normalise.h"
#include "conversion/text.h"

namespace torvel {
namespace {

// Lower-cases the ASCII letters only; paths are otherwise compared as typed.
std::string LowerCase(const std::string& text) {
  std::string s = text;
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return s;
}

// The checks before anything is opened. Returns false when the run must stop.
bool Validate(const RunSettings& in, TRunHost& host) {
  auto abort = [&](const char* message) {
    host.ShowWarning(message);
    host.SetStatus("Conversion Aborted");
    return false;
  };
  if (in.inputFile.empty() || in.outputFile.empty())
    return abort("Need two file names\n\nConversion Aborted.");
  if (LowerCase(in.inputFile) == LowerCase(in.outputFile))
    return abort("Both file names the same\n\nConversion Aborted.");
  if (in.maxSegment.empty())
    return abort(
        "Please enter a maximum value for\nthe segment length of an arc\n\nConversion Aborted.");
  if (in.maxAngle.empty())
    return abort(
        "Please enter a maximum value for\nthe angle subtended by a segment around an "
        "arc\n\nConversion Aborted.");
  const double surface = ParseNumber(in.surfaceZ, 7.5);
  const double axis = ParseNumber(in.axisZ, 0.0);
  if (surface == axis)
    return abort(
        "The nominal work Z is the same height as the axis,\nso the nominal work perimiter is "
        "zero.");
  if (surface < axis)
    host.ShowWarning(
        "The nominal work Z is below the axis, so the work is hollowed out and will\nbe "
        "mirrored about the axis. This may be a problem.");
  const bool inputExists = FileExists(in.inputFile);
  if (!inputExists) return abort("The input file does not exist.\n\nPlease check");
  if (FileExists(in.outputFile))
    return abort(
        "An existing converted file will get overwritten.\n\nPlease delete file or change "
        "converted file name");
  return true;
}

void SetStatus(TRunHost& host, const std::string& text, TRepaint repaint) {
  host.SetStatus(text);
  host.Repaint(repaint);
}

// Enables the controls again however the run ends.
class TControlsGuard {
 public:
  explicit TControlsGuard(TRunHost& host) : host_(host) {
    host_.SetControlsEnabled(false);
    host_.Repaint(TRepaint::rpWindow);
  }
  ~TControlsGuard() {
    host_.SetControlsEnabled(true);
    host_.Repaint(TRepaint::rpWindow);
  }
  TControlsGuard(const TControlsGuard&) = delete;
  TControlsGuard& operator=(const TControlsGuard&) = delete;

 private:
  TRunHost& host_;
};

}  // namespace

std::string TConversion::HeaderText() const {
  std::string text;
  for (const std::string& h : header) {
    text += h;
    text += "\r\n";
  }
  return text;
}

std::string TConversion::Text() const { return HeaderText() + body; }

void ConvertInput(InputLines& input, const RunSettings& settings, TConversion& out,
                  TOutputSpool& body,
                  const std::function<void(std::size_t, std::size_t)>& progress) {
  out.state = InitialiseState(settings);
  out.errors.Clear();
  out.header = HeaderLines(out.state);
  TBlock block(out.state, out.errors, input);
  std::string line;
  TSegmentMove segment;
  bool inserted = false;
  for (std::size_t lineIndex = 0; input.Next(line, segment, inserted); ++lineIndex) {
    if (lineIndex % 1000 == 0 && progress) progress(lineIndex, input.Count());
    block.segmentLine = inserted;
    if (inserted) {
      ReadSegmentMove(block, segment);
    } else {
      ReadBlock(block, line);
    }
    if (!block.outputLine.empty()) {
      block.outputLine += "\r\n";
      body.Append(block.outputLine);
    }
  }
  InsertRunningTime(out.header, out.state.runningTime);
}

TConversion ConvertText(std::string_view program, const RunSettings& settings) {
  InputLines input{std::string(program)};
  input.NormaliseWhenRead();
  TConversion out;
  TOutputSpool body;
  ConvertInput(input, settings, out, body, nullptr);
  out.body = body.TakeText();
  return out;
}

TRunResult WrapRun(const RunSettings& settings, TRunHost& host, const TSave& save) {
  if (!Validate(settings, host)) return TRunResult::rrAborted;

  TControlsGuard guard(host);

  SetStatus(host, "Opening File", TRepaint::rpWindow);
  InputLines input(LoadText(settings.inputFile));

  // Each line is normalised as it is read, in file order, which gives the
  // same lines as normalising them all first.
  SetStatus(host, "Checking the file", TRepaint::rpWindow);
  input.NormaliseWhenRead();

  SetStatus(host, "Running through the file", TRepaint::rpWindow);
  TConversion out;
  TOutputSpool body;
  ConvertInput(input, settings, out, body, [&](std::size_t lineIndex, std::size_t count) {
    host.SetStatus("Line " + FormatInteger(static_cast<std::int64_t>(lineIndex)) + " of " +
                   FormatInteger(static_cast<std::int64_t>(count)));
    host.Repaint(lineIndex % 10000 == 0 ? TRepaint::rpWindow : TRepaint::rpStatusLabel);
  });

  SetStatus(host, "Saving File", TRepaint::rpWindow);
  save(settings.outputFile, [&](const TWriteChunk& write) {
    write(out.HeaderText());
    body.Replay(write);
  });

  SetStatus(host, "Clearing Memory", TRepaint::rpWindow);
  body.Clear();

  TRunResult result = TRunResult::rrFinished;
  if (!out.state.unknownCodesFound) {
    host.SetStatus("Finished");
  } else {
    host.SetStatus("Unknown Codes encountered, please check file");
    host.ShowErrorReport(BuildErrorReport(out.errors));
    out.errors.Clear();
    result = TRunResult::rrUnknownCodes;
  }
  host.Repaint(TRepaint::rpWindow);
  return result;
}

}  // namespace torvel
