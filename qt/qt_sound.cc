#include "qt/qt_sound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "qt/wave.h"

namespace ventro {
namespace {

constexpr std::array<SoundId, 3> kSounds = {SoundId::kError, SoundId::kVoid, SoundId::kDone};
constexpr std::array<const char*, 3> kFileNames = {"error.wav", "void.wav", "done.wav"};

}  // namespace

QtSound::QtSound() {
  QAudioDevice output = QMediaDevices::defaultAudioOutput();
  if (output.isNull()) return;
  folder_ = std::make_unique<QTemporaryDir>();
  if (!folder_->isValid()) return;
  for (size_t i = 0; i < kSounds.size(); ++i) {
    QString path = folder_->filePath(kFileNames[i]);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    QByteArray wave = WaveFile(SoundSamples(kSounds[i]));
    if (file.write(wave) != wave.size()) return;
    file.close();
    effects_[i] = std::make_unique<QSoundEffect>(output);
    effects_[i]->setSource(QUrl::fromLocalFile(path));
  }
  available_ = true;
}

QtSound::~QtSound() = default;

void QtSound::Play(SoundId id) {
  if (!available_) return;
  auto index = static_cast<size_t>(id);
  if (index < effects_.size() && effects_[index]) effects_[index]->play();
}

}  // namespace ventro
