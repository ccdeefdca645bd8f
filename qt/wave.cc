#include "qt/wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace ventro {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kEdgeSeconds = 0.005;  // fade in and out, so that no sound starts with a click

size_t SampleCount(double seconds) { return static_cast<size_t>(seconds * kWaveSampleRate); }

// Adds a tone gliding from `from_hz` to `to_hz` (exponentially, as the ear hears pitch) to
// `out` from `start` seconds for `seconds`, with short fades and an optional decay.
void AddTone(std::vector<float>& out, double start, double seconds, double from_hz, double to_hz,
             double volume, double decay_per_second = 0) {
  size_t first = SampleCount(start);
  size_t count = SampleCount(seconds);
  out.resize(std::max(out.size(), first + count), 0.0f);
  double phase = 0;
  for (size_t k = 0; k < count; ++k) {
    double t = static_cast<double>(k) / kWaveSampleRate;
    double hz = from_hz * std::pow(to_hz / from_hz, t / seconds);
    phase += kTwoPi * hz / kWaveSampleRate;
    double edge = std::min({1.0, t / kEdgeSeconds, (seconds - t) / kEdgeSeconds});
    double envelope = edge * std::exp(-decay_per_second * t);
    // A little of the octave above makes a plain sine sound less thin on small speakers.
    double wave = std::sin(phase) + 0.25 * std::sin(2 * phase);
    out[first + k] += static_cast<float>(volume * envelope * wave / 1.25);
  }
}

void AppendLittleEndian(QByteArray& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<float> SoundSamples(SoundId id) {
  std::vector<float> samples;
  switch (id) {
    case SoundId::kError:
      AddTone(samples, 0.00, 0.11, 220, 220, 0.6);
      AddTone(samples, 0.17, 0.11, 220, 220, 0.6);
      break;
    case SoundId::kVoid:
      AddTone(samples, 0.00, 0.18, 880, 440, 0.5);
      break;
    case SoundId::kDone:
      AddTone(samples, 0.00, 0.25, 1046.5, 1046.5, 0.35, 9);  // C6
      AddTone(samples, 0.07, 0.25, 1318.5, 1318.5, 0.35, 9);  // E6
      AddTone(samples, 0.14, 0.30, 1568.0, 1568.0, 0.35, 8);  // G6
      break;
  }
  for (float& sample : samples) sample = std::clamp(sample, -1.0f, 1.0f);
  return samples;
}

QByteArray WaveFile(const std::vector<float>& samples) {
  constexpr uint32_t kChannels = 1;
  constexpr uint32_t kBytesPerSample = 2;
  auto data_size = static_cast<uint32_t>(samples.size() * kBytesPerSample);
  QByteArray out;
  out.reserve(static_cast<qsizetype>(44 + data_size));
  out.append("RIFF");
  AppendLittleEndian(out, 36 + data_size, 4);
  out.append("WAVEfmt ");
  AppendLittleEndian(out, 16, 4);  // format chunk size
  AppendLittleEndian(out, 1, 2);   // PCM
  AppendLittleEndian(out, kChannels, 2);
  AppendLittleEndian(out, kWaveSampleRate, 4);
  AppendLittleEndian(out, kWaveSampleRate * kChannels * kBytesPerSample, 4);  // bytes a second
  AppendLittleEndian(out, kChannels * kBytesPerSample, 2);                    // block align
  AppendLittleEndian(out, kBytesPerSample * 8, 2);                            // bits
  out.append("data");
  AppendLittleEndian(out, data_size, 4);
  for (float sample : samples) {
    auto value = static_cast<int16_t>(std::lround(sample * 32767.0f));
    AppendLittleEndian(out, static_cast<uint16_t>(value), 2);
  }
  return out;
}

}  // namespace ventro
