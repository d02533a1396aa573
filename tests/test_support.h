// Shared helpers for the tests: settings, conversions of small programs and
// a host that records what a run does to the window.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/run.h"

namespace torvel::test {

// The settings of the worked example: 1.0 mm, 10 degrees, axis Z 0,
// surface Z 7.5, output axis Z 0, X wrapped onto A.
inline RunSettings ExampleSettings() {
  RunSettings s;
  s.maxSegment = "1.0";
  s.maxAngle = "10";
  s.axisZ = "0.0";
  s.surfaceZ = "7.5";
  s.outputAxisZ = "0.0";
  s.wrappedAxisIndex = 0;
  s.rotaryAxisIndex = 0;
  return s;
}

// Y wrapped onto A, so that an X word of a move is written as X.
inline RunSettings YWrapped() {
  RunSettings s = ExampleSettings();
  s.wrappedAxisIndex = 1;
  return s;
}

// The worked example under ExampleSettings: six input lines, sixteen
// output lines.
constexpr char kExampleProgram[] = "%\nG21 G90\nG0 X0 Y0 Z5\nG1 Z-1 F300\nG1 X10\nM30\n";
inline std::string ExampleOutput() {
  // 6 mm of Z at 300 mm/min is 1.2 s; 10 mm of X turns 76.39437 degrees,
  // more than its 10 mm, timed as 15.28 s: 16.48 s in all.
  return "(G Code Wrapped by the Quennow GCodeTorvel Program.)\r\n"
         "(Wrapping a flat toolpath around a rotary axis - torvel)\r\n"
         "(Max Straight segment length = 1.0000mm)\r\n"
         "(Max arc angle of segment around centre = 10.0000degrees)\r\n"
         "(Note: All dimensions are converted to mm)\r\n"
         "(Total Running Time minimum = 16.48 Seconds. )\r\n"
         "(Original file Axis height Z = 0.0000)\r\n"
         "(Original file Nominal Work height Z = 7.5000)\r\n"
         "(This file Axis height Z = 0.0000)\r\n"
         "(X axis is wrapped...)\r\n"
         "(...onto the A axis)\r\n"
         "G21 G90\r\n"
         "G0 X0.0000 Z5.0000 A0.0000\r\n"
         "G1 F300 Z-1.0000\r\n"
         "G1 A76.3944\r\n"
         "M30\r\n";
}

inline std::vector<TErrorType> Entries(const ErrorList& list) {
  std::vector<TErrorType> entries;
  for (std::size_t i = 0; i < list.Count(); ++i) entries.push_back(list.At(i));
  return entries;
}

// The output lines after the eleven header lines, split at CR LF.
inline std::vector<std::string> BodyLines(const std::string& body) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < body.size()) {
    const std::size_t end = body.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(body.substr(start));
      break;
    }
    lines.push_back(body.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline std::vector<std::string> ConvertBody(const std::string& program,
                                            const RunSettings& s = ExampleSettings()) {
  return BodyLines(ConvertText(program, s).body);
}

class RecordingHost : public TRunHost {
 public:
  void ShowWarning(const std::string& text) override { events.push_back("warning:" + text); }
  void SetStatus(const std::string& text) override {
    events.push_back("status:" + text);
    statuses.push_back(text);
  }
  void Repaint(TRepaint what) override {
    events.push_back(what == TRepaint::rpWindow ? "repaint:window" : "repaint:label");
  }
  void SetControlsEnabled(bool enabled) override {
    events.push_back(enabled ? "enable" : "disable");
    controlsEnabled = enabled;
  }
  void ShowErrorReport(const std::string& report) override {
    events.push_back("report:" + report);
    reports.push_back(report);
  }
  std::vector<std::string> events;
  std::vector<std::string> statuses;
  std::vector<std::string> reports;
  bool controlsEnabled = true;
};

// A fresh empty folder under the system's temporary folder.
class TempDir {
 public:
  TempDir() {
    path_ = std::filesystem::temp_directory_path() /
            ("torvel-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.push_back(e.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
  static inline int counter_ = 0;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

}  // namespace torvel::test
