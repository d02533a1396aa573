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
