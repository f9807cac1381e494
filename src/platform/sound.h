// The program's own short sounds.
#pragma once

#include <QString>

#include <functional>

class QObject;

namespace baltu::platform {

// Plays the click sound (":/sounds/click.wav"); returns at once. A machine
// without sound output plays nothing and says nothing.
void playClickSound(QObject* owner);

// Replaces the player (window tests); an empty function restores it.
using SoundPlayer = std::function<void(const QString& resource)>;
void setSoundPlayer(SoundPlayer player);

}  // namespace baltu::platform
