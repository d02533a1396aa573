// Names the application shows.
#pragma once

namespace torvel {

inline constexpr const char* kApplicationTitle = "G Code Torvel Program";
inline constexpr const char* kWindowCaption = "GCode Torvel Program";
inline constexpr const char* kHelpFileName = "G Code Torvel Help.pdf";

}  // namespace torvel
