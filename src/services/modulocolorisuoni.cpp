#include "services/modulocolorisuoni.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <map>

#include "platform/paths.h"
#include "platform/random.h"
#include "settings/moduloperini.h"

namespace ModuloColoriSuoni {
namespace {

SoundPlayer& Player() {
  static SoundPlayer player;
  return player;
}

void Suona(const char* relative) {
  if (!ModuloPerIni::Impostazioni.SuoniAttivati) return;
  const std::string path = platform::ProgramPath(relative);
  if (Player()) {
    Player()(path);
  } else {
    PlayThroughAudioDevice(path);
  }
}

}  // namespace

void SetSoundPlayer(SoundPlayer player) { Player() = std::move(player); }

void PlayThroughAudioDevice(const std::string& path) {
  // One effect per file, loaded once; a new sound cuts the one playing short. The application
  // owns the effects and frees them as it ends; the guards forget an effect freed that way.
  static std::map<std::string, QPointer<QSoundEffect>> effects;
  for (auto& [p, effect] : effects) {
    if (p != path && effect) effect->stop();
  }
  QPointer<QSoundEffect>& effect = effects[path];
  if (!effect) {
    effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  }
  effect->stop();
  effect->play();  // returns at once; with no file or no device it fails silently
}

void SuonoGiusto() { Suona("\\suoni\\si.wav"); }
void SuonoSbagliato() { Suona("\\suoni\\no.wav"); }

std::int32_t ColoreCasuale() {
  static constexpr std::array<std::int32_t, 18> kColori = {
      0xC0C0FF, 0x8080FF, 0xFF,     0x80C0FF, 0x80FF,   0xC0FFFF, 0xFFFF,   0x40C0,   0x80FF80,
      0xC000,   0xFFFFC0, 0xFFFF00, 0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};
  // RandomBelow never reaches 18, so the draw always falls inside the table.
  return kColori[static_cast<size_t>(platform::RandomBelow(static_cast<int>(kColori.size())))];
}

}  // namespace ModuloColoriSuoni
