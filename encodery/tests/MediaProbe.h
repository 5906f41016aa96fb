#pragma once
// Test helpers: make inputs with the ffmpeg tool, read outputs with ffprobe
// and with a look at the bytes of MPEG program streams.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace probe {

std::string run(const std::string& command);  // stdout of a shell command
bool make(const std::string& ffmpegArguments);  // ffmpeg -y -v error ...

// ffprobe's format and stream fields, flattened: "format.duration",
// "stream.0.codec_name", ...
using Fields = std::map<std::string, std::string>;
Fields fields(const std::string& path);
// Index of the first stream of that type ("video", "audio"), -1 if none.
int streamOf(const Fields& f, const std::string& type);
std::string field(const Fields& f, int stream, const std::string& name);
double number(const std::string& text);  // "30000/1001" or "2.5"

// Distances between the video key frames.
std::vector<int> gopLengths(const std::string& path);

std::vector<uint8_t> bytes(const std::string& path);
std::vector<size_t> startCodes(const std::vector<uint8_t>& data, uint8_t code);
// Most common distance between pack headers.
size_t usualPackSize(const std::vector<uint8_t>& data);
// Mux rate of the first pack header, in units of 50 bytes per second.
int muxRate(const std::vector<uint8_t>& data);
// MPEG-1 sequence header: bit rate (units of 400 bit/s) and VBV buffer size (16 kbit).
bool mpeg1SequenceRates(const std::vector<uint8_t>& data, int* bitRate, int* vbvSize);
// First picture as 8-bit luma rows (width x height).
std::vector<uint8_t> firstPictureLuma(const std::string& path, int width, int height);

}  // namespace probe
