// The eight values of the main window that persist between starts, in the
// file "Data.ini" beside the executable, section "GCodeTorvel".
#pragma once

#include <string>

namespace torvel {

inline constexpr const char* kSettingsFileName = "Data.ini";
inline constexpr const char* kSettingsSection = "GCodeTorvel";

struct TWindowSettings {
  std::string maxSegmentLength = "1.0";  // Edit3, mm
  std::string maxAngle = "10";           // Edit4, degrees
  std::string zAxisCentre = "0.0";       // Edit5, mm, centreline Z in the input
  std::string workSurface = "7.5";       // Edit6, mm, work surface Z in the input
  std::string aAxisCentreZ = "0.0";      // Edit7, mm, centreline Z in the output
  std::string initialDir;                // folder the open dialog starts in
  int axis = 1;                          // ComboBox1: 0 X, 1 Y, -1 none
  int rotaryAxis = 0;                    // ComboBox2: 0 A, -1 none
};

// Reads the settings; a missing file or key gives the value a first start
// shows, with the executable's folder as the initial folder.
TWindowSettings LoadWindowSettings(const std::string& iniPath, const std::string& exeFolder);

// Writes the eight keys one by one, in the order of the struct; each write
// reaches the file at once. Throws TIniFileError ("Unable to write to
// <path>") at the first write that fails; later keys are not written.
void StoreWindowSettings(const std::string& iniPath, const TWindowSettings& settings);

}  // namespace torvel
