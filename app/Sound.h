#pragma once

#include <QString>
#include <functional>
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

// Run by PlaySound and Beep before they play. Speech installs one that stops
// the word being said and waits, briefly, for it to let go of the sound
// device: an effect and a word never play over each other.
void setBeforeEffect(std::function<void()> hook);
