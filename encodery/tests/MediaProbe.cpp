#include "MediaProbe.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace probe {

std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 65536> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  pclose(pipe);
  return out;
}

bool make(const std::string& ffmpegArguments) {
  return std::system(("ffmpeg -nostdin -y -v error " + ffmpegArguments).c_str()) == 0;
}

Fields fields(const std::string& path) {
  Fields f;
  std::istringstream lines(run("ffprobe -v error -show_format -show_streams -of flat '" + path + "'"));
  std::string line;
  while (std::getline(lines, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq);
    std::string value = line.substr(eq + 1);
    if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
    if (key.rfind("streams.stream.", 0) == 0) key = key.substr(8);
    f[key] = value;
  }
  return f;
}

int streamOf(const Fields& f, const std::string& type) {
  for (int i = 0; i < 16; ++i) {
    auto it = f.find("stream." + std::to_string(i) + ".codec_type");
    if (it != f.end() && it->second == type) return i;
  }
  return -1;
}

std::string field(const Fields& f, int stream, const std::string& name) {
  auto it = f.find("stream." + std::to_string(stream) + "." + name);
  return it == f.end() ? std::string() : it->second;
}

double number(const std::string& text) {
  const auto slash = text.find_first_of("/:");
  if (slash == std::string::npos) return std::atof(text.c_str());
  const double den = std::atof(text.c_str() + slash + 1);
  return den != 0 ? std::atof(text.substr(0, slash).c_str()) / den : 0;
}

std::vector<int> gopLengths(const std::string& path) {
  std::istringstream lines(
      run("ffprobe -v error -select_streams v:0 -show_entries packet=flags -of csv=p=0 '" + path + "'"));
  std::vector<int> lengths;
  std::string line;
  int since = -1;
  while (std::getline(lines, line)) {
    if (!line.empty() && line[0] == 'K') {
      if (since > 0) lengths.push_back(since);
      since = 0;
    }
    if (since >= 0) ++since;
  }
  return lengths;
}

std::vector<uint8_t> bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<size_t> startCodes(const std::vector<uint8_t>& d, uint8_t code) {
  std::vector<size_t> at;
  for (size_t i = 0; i + 3 < d.size(); ++i)
    if (d[i] == 0 && d[i + 1] == 0 && d[i + 2] == 1 && d[i + 3] == code) at.push_back(i);
  return at;
}

size_t usualPackSize(const std::vector<uint8_t>& data) {
  const auto packs = startCodes(data, 0xBA);
  std::map<size_t, int> counts;
  for (size_t i = 1; i < packs.size(); ++i) ++counts[packs[i] - packs[i - 1]];
  size_t best = 0;
  int bestCount = 0;
  for (auto [size, count] : counts)
    if (count > bestCount) best = size, bestCount = count;
  return best;
}

int muxRate(const std::vector<uint8_t>& d) {
  const auto packs = startCodes(d, 0xBA);
  if (packs.empty() || packs[0] + 14 > d.size()) return -1;
  const uint8_t* p = d.data() + packs[0];
  if ((p[4] & 0xC0) == 0x40)  // MPEG-2 pack header
    return (p[10] << 14) | (p[11] << 6) | (p[12] >> 2);
  return ((p[9] & 0x7F) << 15) | (p[10] << 7) | (p[11] >> 1);
}

bool mpeg1SequenceRates(const std::vector<uint8_t>& d, int* bitRate, int* vbvSize) {
  const auto headers = startCodes(d, 0xB3);
  if (headers.empty() || headers[0] + 12 > d.size()) return false;
  const uint8_t* p = d.data() + headers[0];
  *bitRate = (p[8] << 10) | (p[9] << 2) | (p[10] >> 6);
  *vbvSize = ((p[10] & 0x1F) << 5) | (p[11] >> 3);
  return true;
}

std::vector<uint8_t> firstPictureLuma(const std::string& path, int width, int height) {
  std::string out = run("ffmpeg -nostdin -v error -i '" + path +
                        "' -frames:v 1 -f rawvideo -pix_fmt gray -");
  if (out.size() != static_cast<size_t>(width) * height) return {};
  return {out.begin(), out.end()};
}

}  // namespace probe
