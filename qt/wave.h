// The program's three sounds, synthesised rather than loaded, as 16-bit mono PCM WAV files.
#pragma once

#include <vector>

#include <QByteArray>

#include "platform/sound.h"

namespace ventro {

inline constexpr int kWaveSampleRate = 22050;

// The samples of sound `id`, each -1 to 1: kError a low double beep, kVoid a short falling
// tone, kDone a short rising chime.
std::vector<float> SoundSamples(SoundId id);

// A whole WAV file (RIFF header and data) of `samples` at kWaveSampleRate.
QByteArray WaveFile(const std::vector<float>& samples);

}  // namespace ventro
