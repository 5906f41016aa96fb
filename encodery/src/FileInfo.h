#pragma once
#include <string>

struct AVFormatContext;

namespace encodery {
// Several lines: container, duration, overall bit rate, one line per stream.
std::string describeFile(const AVFormatContext* file);
}
