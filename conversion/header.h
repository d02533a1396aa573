// The header comments at the top of every output file and the running-time
// line that goes between them once the whole program has been read.
#pragma once

#include <string>
#include <vector>

#include "conversion/state.h"

namespace torvel {

constexpr std::size_t kRunningTimeIndex = 5;

// The ten header lines, in order.
std::vector<std::string> HeaderLines(const ConversionState& state);

// "(Total Running Time minimum = ... Seconds. )" for a time in seconds.
std::string RunningTimeLine(double runningTime);

// Inserts the running-time line into the header at its index.
void InsertRunningTime(std::vector<std::string>& header, double runningTime);

}  // namespace torvel
