#pragma once

#include "Book.h"

#include <QDateTime>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

class QObject;
class QTimer;

namespace progress {

struct RecorderSetup {
    QString stateFolder;              // empty: defaultStateFolder()
    std::function<QDateTime()> clock; // empty: the local time now
};

// The account's progress in the data folder (AppPath), as the activities
// feed it. Every call returns at once with the answer in memory; the file
// is written by a thread of its own from a copy handed over, so a slow or
// full disk never holds up a screen. Nothing is read before the first call
// that needs the progress (the main menu reads nothing); that first call
// reads the account's file and the store, a few milliseconds.
//
// When it writes: at flush() (an activity's screen closing), at
// flushAndWait() (the program ending), and by itself at most every
// FlushIntervalMs while changes wait, from a timer of the application's
// event loop: a pupil who answers once and then stays on the screen still
// has the answer saved, which a check made only at the next answer would
// not give. A write that fails is tried again at the next of these.
// Used from the interface thread only.
class Recorder {
public:
    static constexpr int FlushIntervalMs = 30000;

    explicit Recorder(RecorderSetup setup = {});
    ~Recorder();
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    void graded(const WordPair &pair, bool right);
    void seen(const WordPair &pair);

    BoxCounts boxCounts(const WordPairs &list);
    // Box 1 first (Book::duePairs); the list's own spelling of each pair.
    WordPairs duePairs(const WordPairs &list);
    void startAgain(const WordPairs &list);

    // Hands the changes to the writing thread and returns.
    void flush();
    // The same, then waits up to `ms` for the write; true when everything
    // recorded is on disk (or there was nothing to write).
    bool flushAndWait(int ms);

    // Waits for writes under way, then forgets everything and starts over
    // with `setup`: the next call reads the files again. For tests.
    void reset(RecorderSetup setup = {});

    // The account's file for the data folder, once read.
    QString accountFile() const { return m_accountPath; }

private:
    struct Writer;

    QDateTime now() const;
    void ensureLoaded();
    void changed();

    RecorderSetup m_setup;
    bool m_loaded = false;
    bool m_mayWrite = true;
    Book m_book;
    QString m_accountPath;
    QString m_dataFolder;
    quint64 m_generation = 0; // counts changes; the writer reports the last one saved
    QPointer<QTimer> m_timer;
    std::chrono::steady_clock::time_point m_lastFlush{};
    std::shared_ptr<Writer> m_writer;
};

// The program's recorder.
Recorder &recorder();

// An activity's screen: what it recorded is saved as it closes, rather
// than up to FlushIntervalMs later.
void flushWhenClosed(QObject *screen);

} // namespace progress
