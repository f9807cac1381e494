#include "platform/sound.h"

#include <QObject>
#include <QSoundEffect>
#include <QUrl>

namespace baltu::platform {
namespace {

constexpr const char* kClickResource = "qrc:/sounds/click.wav";

SoundPlayer& soundPlayer() {
  static SoundPlayer player;
  return player;
}

}  // namespace

void playClickSound(QObject* owner) {
  const QString resource = QString::fromLatin1(kClickResource);
  if (soundPlayer()) {
    soundPlayer()(resource);
    return;
  }
  // One effect per owner, loaded at the first click and kept for the next ones.
  auto* effect = owner->findChild<QSoundEffect*>(QStringLiteral("clickSound"), Qt::FindDirectChildrenOnly);
  if (effect == nullptr) {
    effect = new QSoundEffect(owner);
    effect->setObjectName(QStringLiteral("clickSound"));
    effect->setSource(QUrl(resource));
  }
  effect->play();
}

void setSoundPlayer(SoundPlayer player) { soundPlayer() = std::move(player); }

}  // namespace baltu::platform
