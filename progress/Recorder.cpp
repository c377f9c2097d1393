#include "Recorder.h"

#include "ProgressFiles.h"

#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"

#include <QCoreApplication>
#include <QTimer>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>

namespace progress {

namespace {

void tell(const QString &line)
{
    std::fputs(("lingo-spark: " + line + u'\n').toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

// The writing thread and what it shares with the interface thread. The
// thread keeps its own reference: a recorder going away never waits for a
// write stuck on a dead file server.
struct Recorder::Writer {
    struct Job {
        quint64 generation = 0;
        Book book; // a copy: Qt's containers share until the next change
        QString accountPath;
        QString dataFolder;
    };

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable done;
    std::optional<Job> next;
    quint64 writing = 0;   // the generation being written, 0 when idle
    quint64 saved = 0;     // the last generation written whole
    quint64 attempted = 0; // the last generation tried, saved or not
    bool stop = false;
    bool started = false;
    QString lastError;     // said once, not at every retry

    void hand(Job job)
    {
        std::unique_lock lock(mutex);
        if (job.generation <= saved || job.generation == writing)
            return;
        next = std::move(job);
        if (!started) {
            started = true;
            std::thread([self = shared()] { self->run(); }).detach();
        }
        wake.notify_one();
    }

    bool waitFor(quint64 generation, int ms)
    {
        std::unique_lock lock(mutex);
        done.wait_for(lock, std::chrono::milliseconds(ms),
                      [&] { return attempted >= generation && !next && writing == 0; });
        return saved >= generation;
    }

    void waitIdle()
    {
        std::unique_lock lock(mutex);
        done.wait(lock, [&] { return writing == 0 && !next; });
    }

    void run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [&] { return stop || next.has_value(); });
            if (stop)
                return;
            Job job = std::move(*next);
            next.reset();
            writing = job.generation;
            lock.unlock();
            const QString error = write(job);
            lock.lock();
            writing = 0;
            attempted = std::max(attempted, job.generation);
            if (error.isEmpty())
                saved = std::max(saved, job.generation);
            if (!error.isEmpty() && error != lastError)
                tell(error);
            lastError = error;
            done.notify_all();
        }
    }

    static QString write(const Job &job)
    {
        const QByteArray bytes = job.book.toBytes();
        if (QString why = replaceFile(job.accountPath, bytes, OwnFilePermissions, true); !why.isEmpty())
            return QCoreApplication::translate("Recorder",
                "could not save progress to %1: %2").arg(job.accountPath, why);
        if (canWriteClassFolder(job.dataFolder)) {
            const QString path = classFilePath(job.dataFolder);
            if (QString why = replaceFile(path, bytes, ClassFilePermissions, false); !why.isEmpty())
                return QCoreApplication::translate("Recorder", "could not save progress to %1: %2").arg(path, why);
        }
        return {};
    }

    std::shared_ptr<Writer> shared();
    std::weak_ptr<Writer> self;
};

std::shared_ptr<Recorder::Writer> Recorder::Writer::shared()
{
    return self.lock();
}

Recorder::Recorder(RecorderSetup setup)
    : m_setup(std::move(setup))
    , m_writer(std::make_shared<Writer>())
{
    m_writer->self = m_writer;
}

Recorder::~Recorder()
{
    std::lock_guard lock(m_writer->mutex);
    m_writer->stop = true;
    m_writer->wake.notify_one();
    delete m_timer.data();
}

QDateTime Recorder::now() const
{
    return m_setup.clock ? m_setup.clock() : QDateTime::currentDateTime();
}

void Recorder::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_dataFolder = Shared.AppPath;
    const QString stateFolder = m_setup.stateFolder.isEmpty() ? defaultStateFolder() : m_setup.stateFolder;
    m_accountPath = accountFilePath(stateFolder, m_dataFolder);
    const QDateTime at = now();
    BookRead read = readAccountFile(m_accountPath, at);
    if (!read.problem.isEmpty())
        tell(read.problem);
    m_book = std::move(read.book);
    m_mayWrite = read.mayWrite;
    // Pairs are dropped only against a store that was read: a store that
    // cannot be read now holds nothing that could be called unheld.
    if (const auto store = ReadStore()) {
        const qsizetype before = m_book.size();
        m_book.refreshHeld(*store, at.date());
        if (m_book.size() != before)
            changed();
    }
}

void Recorder::changed()
{
    ++m_generation;
    if (!m_timer && QCoreApplication::instance()) {
        m_timer = new QTimer(QCoreApplication::instance());
        m_timer->setSingleShot(true);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { flush(); });
    }
    if (m_timer && !m_timer->isActive()) {
        using namespace std::chrono;
        const auto since = duration_cast<milliseconds>(steady_clock::now() - m_lastFlush).count();
        m_timer->start(int(std::clamp<qint64>(FlushIntervalMs - since, 0, FlushIntervalMs)));
    }
}

void Recorder::graded(const WordPair &pair, bool right)
{
    ensureLoaded();
    m_book.graded(pair, right, now());
    changed();
}

void Recorder::seen(const WordPair &pair)
{
    ensureLoaded();
    m_book.seen(pair, now());
    changed();
}

BoxCounts Recorder::boxCounts(const WordPairs &list)
{
    ensureLoaded();
    return m_book.boxCounts(list, now().date());
}

WordPairs Recorder::duePairs(const WordPairs &list)
{
    ensureLoaded();
    return m_book.duePairs(list, now().date());
}

void Recorder::startAgain(const WordPairs &list)
{
    ensureLoaded();
    if (m_book.startAgain(list))
        changed();
}

void Recorder::flush()
{
    m_lastFlush = std::chrono::steady_clock::now();
    if (m_timer)
        m_timer->stop();
    if (!m_loaded || !m_mayWrite || m_generation == 0)
        return;
    m_writer->hand({m_generation, m_book, m_accountPath, m_dataFolder});
}

bool Recorder::flushAndWait(int ms)
{
    flush();
    if (!m_loaded || m_generation == 0)
        return true;
    return m_mayWrite && m_writer->waitFor(m_generation, ms);
}

void Recorder::reset(RecorderSetup setup)
{
    m_writer->waitIdle();
    if (m_timer)
        m_timer->stop();
    m_setup = std::move(setup);
    m_loaded = false;
    m_mayWrite = true;
    m_book = {};
    m_accountPath.clear();
    m_dataFolder.clear();
    // Generations go on counting: the writer's "saved" must never look
    // newer than a fresh change.
}

Recorder &recorder()
{
    static Recorder instance;
    return instance;
}

void flushWhenClosed(QObject *screen)
{
    QObject::connect(screen, &QObject::destroyed, [] { recorder().flush(); });
}

} // namespace progress
