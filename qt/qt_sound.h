// Plays the program's sounds through Qt Multimedia. The sounds are synthesised at start and
// written to a temporary folder that lives as long as this object. A machine without an audio
// output plays nothing.
#pragma once

#include <array>
#include <memory>

#include <QTemporaryDir>

#include "platform/sound.h"

class QSoundEffect;

namespace ventro {

class QtSound : public Sound {
 public:
  QtSound();
  ~QtSound() override;

  void Play(SoundId id) override;
  // False when there is no audio output (or the sounds could not be written): Play does
  // nothing.
  bool available() const { return available_; }

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::array<std::unique_ptr<QSoundEffect>, 3> effects_;
  bool available_ = false;
};

}  // namespace ventro
