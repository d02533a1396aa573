#include "settings/window_settings.h"

#include "settings/ini_file.h"

namespace torvel {

TWindowSettings LoadWindowSettings(const std::string& iniPath, const std::string& exeFolder) {
  const TIniFile ini(iniPath);
  const TWindowSettings d;
  TWindowSettings s;
  s.maxSegmentLength = ini.ReadString(kSettingsSection, "MaxSegmentLength", d.maxSegmentLength);
  s.maxAngle = ini.ReadString(kSettingsSection, "MaxAngle", d.maxAngle);
  s.zAxisCentre = ini.ReadString(kSettingsSection, "ZAxisCentre", d.zAxisCentre);
  s.workSurface = ini.ReadString(kSettingsSection, "WorkSurface", d.workSurface);
  s.aAxisCentreZ = ini.ReadString(kSettingsSection, "AAxisCentreZ", d.aAxisCentreZ);
  s.initialDir = ini.ReadString(kSettingsSection, "InitialDir", exeFolder);
  s.axis = ini.ReadInteger(kSettingsSection, "Axis", d.axis);
  s.rotaryAxis = ini.ReadInteger(kSettingsSection, "RotaryAxis", d.rotaryAxis);
  return s;
}

void StoreWindowSettings(const std::string& iniPath, const TWindowSettings& s) {
  TIniFile ini(iniPath);
  ini.WriteString(kSettingsSection, "MaxSegmentLength", s.maxSegmentLength);
  ini.WriteString(kSettingsSection, "MaxAngle", s.maxAngle);
  ini.WriteString(kSettingsSection, "ZAxisCentre", s.zAxisCentre);
  ini.WriteString(kSettingsSection, "WorkSurface", s.workSurface);
  ini.WriteString(kSettingsSection, "AAxisCentreZ", s.aAxisCentreZ);
  ini.WriteString(kSettingsSection, "InitialDir", s.initialDir);
  ini.WriteInteger(kSettingsSection, "Axis", s.axis);
  ini.WriteInteger(kSettingsSection, "RotaryAxis", s.rotaryAxis);
}

}  // namespace torvel
