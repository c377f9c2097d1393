#pragma once

#include <QString>

#include <atomic>
#include <vector>

struct PcmSound {
    std::vector<short> samples; // interleaved
    int channels = 0;
    int rate = 0;
};

enum class PcmPlayed { Played, Stopped, NoDevice };

// Plays through an ALSA PCM device and returns once the device has drained
// and is closed. The sound effects and speech both play through here, one
// after the other, never at once. With a stop flag the samples go out in
// short writes and the flag is checked between them: once it is set, what
// the device still holds is dropped and the device closed at once, so an
// effect waiting for the device gets it within a write or two.
// ALSA is opened with the first sound, on whichever thread plays it.
PcmPlayed playPcm(const PcmSound &sound, const QString &device, const std::atomic<bool> *stop = nullptr);

// Whether the device can be opened for playing. One that another program
// holds (busy) is there all the same.
bool pcmDevicePresent(const QString &device);
