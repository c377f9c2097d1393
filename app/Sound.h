#pragma once

#include <QString>
#include <memory>

// Plays a sound to its end before returning: while it plays no handler or
// timer of the program runs. A file that is missing or cannot be decoded
// plays the desktop's alert sound instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Returns the value kept in SoundResult: 1 when something was played.
    virtual int play(const QString &path) = 0;
    // The system beep.
    virtual void beep() = 0;
};

void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
SoundPlayer &soundPlayer();

// Plays a sound of the program's own files ("clap.wav"), or a file given by
// its absolute path. Sets SoundResult.
void PlaySound(const QString &path);

// The system beep, through the same player so it is heard on Linux too.
void Beep();
