// Short sounds of the sale screen. A machine without an audio device plays nothing.
#pragma once

namespace ventro {

enum class SoundId { kError, kVoid, kDone };

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts the sound and returns at once; never fails.
  virtual void Play(SoundId id) = 0;
};

}  // namespace ventro
