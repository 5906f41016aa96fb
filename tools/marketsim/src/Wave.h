#pragma once

#include <string>

namespace marketsim {

// Short 8 kHz mono PCM sounds made on the spot, so the update server has
// something to hand out as "alert.wav" and "woohoo.wav".
std::string alertWave();
std::string woohooWave();

} // namespace marketsim
