#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include "conversion/file_io.h"
#include "conversion/run.h"
#include "conversion/text.h"

namespace torvel {
namespace {

// Prints what the window would show: warnings, the final status and the
// report on standard error; the running status only on a terminal.
class TCliHost : public TRunHost {
 public:
  TCliHost(std::ostream& err, bool progress) : err_(err), progress_(progress) {}

  void ShowWarning(const std::string& text) override {
    EndProgressLine();
    err_ << "Warning: " << text << "\n";
  }
  void SetStatus(const std::string& text) override {
    status_ = text;
    if (progress_) {
      err_ << "\r\033[K" << text << std::flush;
      onProgressLine_ = true;
    }
  }
  void Repaint(TRepaint) override {}
  void SetControlsEnabled(bool) override {}
  void ShowErrorReport(const std::string& report) override {
    EndProgressLine();
    err_ << report;
  }
  void Finish() {
    EndProgressLine();
    if (!status_.empty()) err_ << status_ << "\n";
  }
  const std::string& Status() const { return status_; }

 private:
  void EndProgressLine() {
    if (onProgressLine_) err_ << "\r\033[K";
    onProgressLine_ = false;
  }
  std::ostream& err_;
  bool progress_;
  bool onProgressLine_ = false;
  std::string status_;
};

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal) {
  CLI::App app{"Wraps a three-axis G-code program around a rotary axis.", "torvel"};
  RunSettings s;
  s.maxSegment = "1.0";
  s.maxAngle = "10";
  s.axisZ = "0.0";
  s.surfaceZ = "7.5";
  std::string outputAxisZ;
  std::string wrap = "Y", rotary = "A", arcCentres = "absolute";
  bool quiet = false;

  app.add_option("INPUT", s.inputFile, "G-code program to wrap")->required();
  app.add_option("OUTPUT", s.outputFile, "new G-code file (never overwritten)")->required();
  app.add_option("--max-segment", s.maxSegment, "Max Segment Length, mm")
      ->option_text("MM")
      ->capture_default_str();
  app.add_option("--max-angle", s.maxAngle, "Max Arc Angle, degrees")
      ->option_text("DEG")
      ->capture_default_str();
  app.add_option("--axis-z", s.axisZ, "Z of the wrapped axis centreline in the input, mm")
      ->option_text("MM")
      ->capture_default_str();
  app.add_option("--surface-z", s.surfaceZ, "Z of the nominal work surface in the input, mm")
      ->option_text("MM")
      ->capture_default_str();
  app.add_option("--output-axis-z", outputAxisZ,
                 "Z of the centreline in the output, mm (default: the --axis-z value)")
      ->option_text("MM");
  app.add_option("--wrap", wrap, "axis to be wrapped")
      ->option_text("X|Y")
      ->check(CLI::IsMember({"X", "Y"}, CLI::ignore_case))
      ->capture_default_str();
  app.add_option("--rotary", rotary, "rotary axis")
      ->option_text("A|B|C")
      ->check(CLI::IsMember({"A", "B", "C"}, CLI::ignore_case))
      ->capture_default_str();
  app.add_option("--arc-centres", arcCentres,
                 "I, J, K as absolute coordinates, or relative to the arc start (as after G91.1)")
      ->option_text("absolute|incremental")
      ->check(CLI::IsMember({"absolute", "incremental"}, CLI::ignore_case))
      ->capture_default_str();
  app.add_flag("-q,--quiet", quiet, "no progress display");

  try {
    std::vector<std::string> rest(args.rbegin(), args.rend() - 1);  // CLI11 wants them reversed
    app.parse(rest);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e, out, err);
    return code == 0 ? kExitFinished : kExitRefused;
  }

  if (outputAxisZ.empty() && app.count("--output-axis-z") == 0) outputAxisZ = s.axisZ;
  s.outputAxisZ = outputAxisZ;
  const std::pair<const char*, const std::string*> numbers[] = {
      {"--max-segment", &s.maxSegment}, {"--max-angle", &s.maxAngle},
      {"--axis-z", &s.axisZ},           {"--surface-z", &s.surfaceZ},
      {"--output-axis-z", &s.outputAxisZ}};
  for (const auto& [name, value] : numbers) {
    if (!IsNumberText(*value)) {
      err << "torvel: " << name << " needs a number, not \"" << *value << "\"\n";
      return kExitRefused;
    }
  }
  s.wrappedAxisIndex = wrap == "X" ? 0 : 1;
  s.rotaryAxisIndex = rotary[0] - 'A';
  s.incrementalArcCentres = arcCentres == "incremental";  // CLI11 gives the listed spelling

  TCliHost host(err, errIsTerminal && !quiet);
  try {
    const TRunResult result = WrapRun(s, host);
    host.Finish();
    switch (result) {
      case TRunResult::rrFinished: return kExitFinished;
      case TRunResult::rrUnknownCodes: return kExitUnknownCodes;
      default: return kExitRefused;
    }
  } catch (const std::exception& e) {
    host.Finish();
    err << "torvel: " << e.what() << "\n";
    return kExitFileError;
  }
}

}  // namespace torvel
