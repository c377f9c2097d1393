#include "AlsaSoundPlayer.h"

#include "core/RuntimeLibrary.h"

#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QtEndian>

#include <sndfile.h>

#include <algorithm>

namespace {

struct SndFile {
    decltype(&sf_open) open = nullptr;
    decltype(&sf_readf_short) readShorts = nullptr;
    decltype(&sf_close) close = nullptr;
    bool ready = false;
};

const SndFile &sndfile()
{
    static const SndFile api = [] {
        SndFile s;
        QLibrary library(QStringLiteral("sndfile"), 1);
        s.ready = library.load() && resolve(library, "sf_open", s.open)
            && resolve(library, "sf_readf_short", s.readShorts) && resolve(library, "sf_close", s.close);
        return s;
    }();
    return api;
}

std::optional<PcmSound> decodeWithSndfile(const QString &path)
{
    const SndFile &sf = sndfile();
    if (!sf.ready)
        return std::nullopt;
    SF_INFO info{};
    SNDFILE *file = sf.open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return std::nullopt;
    PcmSound sound;
    if (info.channels > 0 && info.samplerate > 0 && info.frames > 0) {
        sound.channels = info.channels;
        sound.rate = info.samplerate;
        sound.samples.resize(size_t(info.frames) * size_t(info.channels));
        const sf_count_t got = sf.readShorts(file, sound.samples.data(), info.frames);
        sound.samples.resize(size_t(got > 0 ? got : 0) * size_t(info.channels));
    }
    sf.close(file);
    if (sound.samples.empty())
        return std::nullopt;
    return sound;
}

std::optional<PcmSound> decode(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (auto sound = readPcmWave(file.readAll()))
        return sound;
    return decodeWithSndfile(path);
}

} // namespace

std::optional<PcmSound> readPcmWave(QByteArrayView file)
{
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(file.data() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(file.data() + at); };
    if (file.size() < 12 || file.first(4) != "RIFF" || file.sliced(8, 4) != "WAVE")
        return std::nullopt;
    PcmSound sound;
    int frameBytes = 0;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArrayView id = file.sliced(at, 4);
        const qint64 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            constexpr quint16 Pcm = 1;
            if (size < 16 || body + 16 > file.size() || u16(body) != Pcm || u16(body + 14) != 16)
                return std::nullopt;
            sound.channels = u16(body + 2);
            sound.rate = int(u32(body + 4));
            frameBytes = u16(body + 12);
            if (sound.channels < 1 || sound.rate < 1 || frameBytes != 2 * sound.channels)
                return std::nullopt;
        } else if (id == "data") {
            if (frameBytes == 0)
                return std::nullopt;
            // A data chunk longer than the file (a recording cut short) plays what is there.
            const qint64 frames = std::min<qint64>(size, file.size() - body) / frameBytes;
            sound.samples.resize(size_t(frames) * size_t(sound.channels));
            for (size_t i = 0; i < sound.samples.size(); ++i)
                sound.samples[i] = qFromLittleEndian<qint16>(file.data() + body + 2 * qsizetype(i));
            if (sound.samples.empty())
                return std::nullopt;
            return sound;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

AlsaSoundPlayer::AlsaSoundPlayer(QString device)
    : m_device(std::move(device))
{
}

QStringList AlsaSoundPlayer::alertSoundCandidates()
{
    return {QStringLiteral("/usr/share/sounds/freedesktop/stereo/bell.oga"),
            QStringLiteral("/usr/share/sounds/freedesktop/stereo/dialog-warning.oga")};
}

int AlsaSoundPlayer::play(const QString &path)
{
    if (playFile(path))
        return 1;
    beep();
    return 0;
}

void AlsaSoundPlayer::beep()
{
    if (!playAlert())
        QApplication::beep();
}

bool AlsaSoundPlayer::playAlert()
{
    for (const QString &candidate : alertSoundCandidates()) {
        if (QFile::exists(candidate))
            return playFile(candidate);
    }
    return false;
}

bool AlsaSoundPlayer::playFile(const QString &path)
{
    const std::optional<PcmSound> sound = decode(path);
    if (!sound)
        return false;

    // Decodable, but without ALSA or a device to hear it on: nothing to fall back to.
    playPcm(*sound, m_device);
    return true;
}
