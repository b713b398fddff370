// The game's two sounds, synthesized: a short light hop for the frogs'
// jumps and a short wet splat for a frog run over. Both start and end at
// silence, so they never click.
#pragma once

#include <cstdint>
#include <vector>

namespace assets {

std::vector<std::int16_t> SynthesizeJump(int sampleRate);
std::vector<std::int16_t> SynthesizeSplat(int sampleRate);

}  // namespace assets
