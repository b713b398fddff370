#include "assets/SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace assets {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

using Wave = std::vector<double>;

// Repeatable noise from a fixed linear congruential sequence, -1 to 1.
class CNoise {
 public:
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1;
  }

 private:
  std::uint32_t state_ = 0x2545F491u;
};

// A sweep of a tone whose pitch goes from one frequency to another
// exponentially, with a few harmonics; its phase is accumulated so the sweep
// is smooth.
void AddSweep(Wave& wave, int sampleRate, double start, double length, double fromHz, double toHz,
              double loudness, double decay, std::initializer_list<double> harmonics) {
  const auto first = static_cast<std::size_t>(start * sampleRate);
  const auto count = static_cast<std::size_t>(length * sampleRate);
  double phase = 0;
  for (std::size_t i = 0; i < count && first + i < wave.size(); ++i) {
    double t = static_cast<double>(i) / sampleRate, progress = t / length;
    double frequency = fromHz * std::pow(toHz / fromHz, progress);
    phase += twoPi * frequency / sampleRate;
    double tone = 0, order = 1;
    for (double weight : harmonics) tone += weight * std::sin(order++ * phase);
    double attack = std::min(1.0, t / 0.004);
    wave[first + i] += loudness * tone * attack * std::exp(-t / decay);
  }
}

// CNoise through a low-pass filter whose cut-off falls from one frequency to
// another: a burst that starts bright and ends dull.
void AddNoiseBurst(Wave& wave, int sampleRate, double fromHz, double toHz, double loudness,
                   double decay) {
  CNoise noise;
  double low = 0;
  const double length = static_cast<double>(wave.size()) / sampleRate;
  for (std::size_t i = 0; i < wave.size(); ++i) {
    double t = static_cast<double>(i) / sampleRate;
    double cutOff = fromHz * std::pow(toHz / fromHz, t / length);
    low += (1 - std::exp(-twoPi * cutOff / sampleRate)) * (noise.Next() - low);
    double attack = std::min(1.0, t / 0.002);
    wave[i] += loudness * low * attack * std::exp(-t / decay);
  }
}

// Scales the loudest sample to `peak`, fades the ends smoothly to silence
// and converts to 16-bit samples.
std::vector<std::int16_t> Finish(Wave wave, int sampleRate, double peak, double fadeIn,
                                 double fadeOut) {
  double loudest = 0;
  for (double sample : wave) loudest = std::max(loudest, std::abs(sample));
  const double inCount = fadeIn * sampleRate, outCount = fadeOut * sampleRate;
  std::vector<std::int16_t> samples(wave.size());
  for (std::size_t i = 0; i < wave.size(); ++i) {
    double fromEnd = static_cast<double>(wave.size() - 1 - i);
    double fade = std::min({1.0, static_cast<double>(i) / inCount, fromEnd / outCount});
    double shaped = 0.5 - 0.5 * std::cos(std::numbers::pi * fade);
    double value = wave[i] / loudest * peak * shaped;
    samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767));
  }
  return samples;
}

Wave Silence(double seconds, int sampleRate) {
  return Wave(static_cast<std::size_t>(seconds * sampleRate), 0.0);
}

}  // namespace

std::vector<std::int16_t> SynthesizeJump(int sampleRate) {
  // A soft rising "boip": heard many times a minute, so short and gentle.
  constexpr double length = 0.085;
  Wave wave = Silence(length, sampleRate);
  AddSweep(wave, sampleRate, 0, length, 340, 980, 1, 0.035, {1, 0.22, 0.06});
  return Finish(std::move(wave), sampleRate, 0.42, 0.003, 0.02);
}

std::vector<std::int16_t> SynthesizeSplat(int sampleRate) {
  // A dull thump, a wet burst of noise, and a few droplets landing after it.
  constexpr double length = 0.32;
  Wave wave = Silence(length, sampleRate);
  AddSweep(wave, sampleRate, 0, 0.2, 150, 48, 0.9, 0.05, {1, 0.3});
  AddNoiseBurst(wave, sampleRate, 3200, 260, 2.4, 0.07);
  AddSweep(wave, sampleRate, 0.085, 0.03, 1700, 850, 0.12, 0.012, {1});
  AddSweep(wave, sampleRate, 0.13, 0.03, 2000, 1000, 0.09, 0.012, {1});
  AddSweep(wave, sampleRate, 0.19, 0.03, 1500, 800, 0.06, 0.012, {1});
  return Finish(std::move(wave), sampleRate, 0.7, 0.001, 0.03);
}

}  // namespace assets
