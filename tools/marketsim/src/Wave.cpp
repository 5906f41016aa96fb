#include "Wave.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace marketsim {

namespace {

constexpr int kRate = 8000;

void put32(std::string &out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void put16(std::string &out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

std::string wave(const std::vector<std::int16_t> &samples) {
    std::string out = "RIFF";
    put32(out, static_cast<std::uint32_t>(36 + samples.size() * 2));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, static_cast<std::uint32_t>(samples.size() * 2));
    for (const std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

// A tone sweeping from one pitch to another, faded in and out.
std::vector<std::int16_t> sweep(double fromHz, double toHz, double seconds) {
    const int count = static_cast<int>(seconds * kRate);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / count;
        phase += 2 * M_PI * (fromHz + (toHz - fromHz) * t) / kRate;
        const double envelope = std::min(1.0, std::min(t, 1.0 - t) * 20);
        samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::sin(phase) * 9000 * envelope);
    }
    return samples;
}

} // namespace

std::string alertWave() {
    std::vector<std::int16_t> samples = sweep(880, 880, 0.15);
    samples.resize(samples.size() + kRate / 20, 0);
    const std::vector<std::int16_t> second = sweep(660, 660, 0.15);
    samples.insert(samples.end(), second.begin(), second.end());
    return wave(samples);
}

std::string woohooWave() { return wave(sweep(400, 1200, 0.6)); }

} // namespace marketsim
