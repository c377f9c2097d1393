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

std::function<void()> &beforeEffect()
{
    static std::function<void()> hook;
    return hook;
}

void runBeforeEffect()
{
    if (beforeEffect())
        beforeEffect()();
}

} // namespace

void setBeforeEffect(std::function<void()> hook)
{
    beforeEffect() = std::move(hook);
}

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
    runBeforeEffect();
    Shared.SoundResult = soundPlayer().play(file);
}

void Beep()
{
    runBeforeEffect();
    soundPlayer().beep();
}
