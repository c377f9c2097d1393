// Speech's delays and memory, as a pupil meets them: the first word with the
// engine's start (loading espeak-ng, its voice list, starting it), then the
// next words from say() to the first sample ready to play, and the memory the
// process holds after the first word.
// Usage: speech_probe [--words N]   (plays nothing: the samples are dropped)
#include "speech/Speaker.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool espeakMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libespeak-ng");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int words = argc > 2 && QByteArray(argv[1]) == "--words" ? std::max(1, atoi(argv[2])) : 20;

    std::mutex mutex;
    std::condition_variable ready;
    int heard = 0;
    EspeakSpeaker speaker(QStringLiteral("null"), [&](const PcmSound &, const std::atomic<bool> &) {
        {
            std::lock_guard lock(mutex);
            ++heard;
        }
        ready.notify_all();
        return PcmPlayed::Played;
    });
    const auto sayAndWait = [&](const QString &text, const QString &code) {
        std::unique_lock lock(mutex);
        const int before = heard;
        const Clock::time_point start = Clock::now();
        lock.unlock();
        speaker.say(text, code);
        lock.lock();
        ready.wait(lock, [&] { return heard > before; });
        return msSince(start);
    };

    const long rssBefore = statusKb("VmRSS:");
    const bool mappedBefore = espeakMapped();
    const double first = sayAndWait(QStringLiteral("la manzana"), QStringLiteral("es"));
    const long rssAfter = statusKb("VmRSS:");

    const QStringList texts{"la manzana", "el plátano", "la naranja", "la pera", "la fresa"};
    std::vector<double> same;
    std::vector<double> switching;
    for (int i = 0; i < words; ++i)
        same.push_back(sayAndWait(texts[i % texts.size()], QStringLiteral("es")));
    const QStringList codes{"fr", "de", "ru", "el", "en-GB", "es"};
    for (int i = 0; i < words; ++i)
        switching.push_back(sayAndWait(texts[i % texts.size()], codes[i % codes.size()]));
    const auto report = [](const char *name, std::vector<double> ms) {
        std::sort(ms.begin(), ms.end());
        std::printf("%s: median %.1f ms, max %.1f ms (%zu words)\n", name, ms[ms.size() / 2], ms.back(), ms.size());
    };
    std::printf("espeak-ng mapped before the first word: %s\n", mappedBefore ? "yes" : "no");
    std::printf("first word, engine start included: %.1f ms\n", first);
    report("next words, same language", same);
    report("next words, language changes each word", switching);
    const Clock::time_point check = Clock::now();
    const bool present = pcmDevicePresent(QStringLiteral("default"));
    std::printf("the default sound device's check: %s in %.1f ms\n", present ? "present" : "absent", msSince(check));
    std::printf("RSS before the first word %ld kB, after %ld kB (+%ld kB), peak %ld kB\n", rssBefore, rssAfter,
                rssAfter - rssBefore, statusKb("VmHWM:"));
    return 0;
}
