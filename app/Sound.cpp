#include "Sound.h"

#include "AlsaSoundPlayer.h"
#include "core/SharedState.h"

#include <QDir>

namespace {

std::unique_ptr<SoundPlayer> &current()
{
    static std::unique_ptr<SoundPlayer> player;
    return player;
}

} // namespace

void setSoundPlayer(std::unique_ptr<SoundPlayer> player)
{
    current() = std::move(player);
}

SoundPlayer &soundPlayer()
{
    if (!current())
        current() = std::make_unique<AlsaSoundPlayer>();
    return *current();
}

void PlaySound(const QString &path)
{
    const QString file = QDir::isAbsolutePath(path) ? path : programFile(path);
    Shared.SoundResult = soundPlayer().play(file);
}

void Beep()
{
    soundPlayer().beep();
}
