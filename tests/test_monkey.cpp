// Every screen, fed a few thousand seeded random clicks, key presses, menu
// items, activations and timer ticks: no crash, no hang, no stray window, and
// the data files change only through the screens that save them. QtTest names
// the screen of a crash, and the last screen passed tells a hang; the seeds
// are fixed, so a failing run repeats.
#include "AllScreens.h"
#include "app/ScreenManager.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <set>

namespace {

// Several lists: one long enough for every game, one too short for
// Concentration, one empty, one of accented words, one whose words are all
// too long for Hangman and Scramble, and two of the same name.
QByteArray monkeyStore()
{
    return TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "bird", "p\u00e1jaro",
                           "fish", "pez", "cow", "vaca", "pig", "cerdo", "sheep", "oveja", "mouse", "rat\u00f3n",
                           "<New List>", "Colours", "red", "rojo", "blue", "azul", "green", "verde",
                           "<New List>", "Empty",
                           "<New List>", "Caf\u00e9 words", "caf\u00e9", "coffee", "cr\u00e8me", "cream",
                           "na\u00efve", "innocent", "fa\u00e7ade", "front", "\u00fcber", "over", "jalape\u00f1o",
                           "pepper", "d\u00e9j\u00e0 vu", "already seen", "se\u00f1or", "sir",
                           "<New List>", "Long words", "extraordinarily", "very much", "incomprehensibilities",
                           "not understood at all", "<New List>", "Colours", "black", "negro", "white", "blanco"});
}

const std::set<ScreenId> StoreSavers = {ScreenId::MakeNewList, ScreenId::SureForm, ScreenId::EditList,
                                        ScreenId::DeleteList, ScreenId::CreateList, ScreenId::ImportList};
const std::set<ScreenId> SettingsSavers = {ScreenId::ChangePassword, ScreenId::SoundOptions};

bool isOurs(QWidget *w)
{
    auto *screen = qobject_cast<Screen *>(w);
    return screen && screens().find(screen->id()) == screen;
}

QList<Screen *> visibleScreens()
{
    QList<Screen *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && isOurs(w))
            found.append(static_cast<Screen *>(w));
    return found;
}

void pump()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// What a save must leave: a store every screen can read back, each list a
// name that is not empty, then whole pairs.
QString storeFault(const QByteArray &bytes)
{
    const auto lines = ReadStoreLines();
    if (!bytes.endsWith("\r\n") || !lines)
        return QStringLiteral("the store cannot be read or does not end in CR LF");
    if (lines->size() == 1 && lines->first() == NoListsLine)
        return {};
    for (qsizetype i = 0, start = 0; i <= lines->size(); ++i) {
        if (i < lines->size() && lines->at(i) != NewListLine)
            continue;
        if (i == start || lines->at(start).isEmpty() || (i - start - 1) % 2 != 0)
            return QStringLiteral("a list without a name or with a word without a meaning before line %1").arg(i + 1);
        start = i + 1;
    }
    return {};
}

class Monkey {
public:
    Monkey(TestEnv &env, const ScreenRow &row, quint32 seed) : m_env(env), m_row(row), m_random(seed) {}

    // The number of events run; stops at the first fault.
    int run(int events, qint64 budgetMs)
    {
        showRowScreen();
        m_store = m_env.read(QStringLiteral("thelists.dat"));
        m_settings = m_env.read(QStringLiteral("lsdata.dat"));
        QElapsedTimer clock;
        clock.start();
        int done = 0;
        for (; done < events && clock.elapsed() < budgetMs; ++done) {
            if (visibleScreens().isEmpty() || (!screens().exists(m_row.id) && chance(2)))
                showRowScreen();
            Screen *target = pickScreen();
            if (!target)
                continue;
            // The event may close the screen: keep what is needed afterwards.
            const ScreenId targetId = target->id();
            const ScreenId active = screens().activeScreen() ? screens().activeScreen()->id() : targetId;
            m_event = QStringLiteral("event %1 on %2").arg(done).arg(QLatin1String(target->metaObject()->className()));
            m_env.answerNext(chance(50) ? MsgAnswer::Yes : MsgAnswer::No);
            oneEvent(target);
            pump();
            checkFiles({targetId, active});
            checkWindows();
            if (QTest::currentTestFailed())
                break;
            if (done % 256 == 0)
                m_env.takeSounds();
        }
        return done;
    }

    int storeSaves = 0;

private:
    void showRowScreen()
    {
        for (ScreenId id : m_row.beneath)
            screens().show(id);
        screens().show(m_row.id);
        pump();
    }

    bool chance(int percent) { return int(m_random.bounded(100)) < percent; }
    template <class T> T pick(const QList<T> &items) { return items.at(int(m_random.bounded(int(items.size())))); }

    Screen *pickScreen()
    {
        const QList<Screen *> shown = visibleScreens();
        if (shown.isEmpty())
            return nullptr;
        Screen *active = screens().activeScreen();
        if (active && active->isVisible() && isOurs(active) && chance(80))
            return active;
        return pick(shown);
    }

    void oneEvent(Screen *screen)
    {
        const int kind = int(m_random.bounded(100));
        if (kind < 45)
            clickSomething(screen);
        else if (kind < 80)
            pressKey(screen);
        else if (kind < 85)
            typeKnownText(screen);
        else if (kind < 91)
            triggerMenuItem(screen);
        else if (kind < 95)
            screens().activate(screen->id());
        else if (kind < 99)
            tickTimers(screen);
        else if (chance(50))
            QTest::qWait(int(m_random.bounded(5, 30)));
    }

    // Mostly a control, sometimes anything shown (a picture, a label); in a
    // list box mostly one of its rows.
    void clickSomething(Screen *screen)
    {
        QList<QWidget *> controls;
        QList<QWidget *> anything;
        for (QWidget *w : screen->findChildren<QWidget *>()) {
            if (!w->isVisible() || !w->isEnabled() || w->window() != screen || qobject_cast<QMenuBar *>(w)
                || qobject_cast<QMenu *>(w))
                continue;
            anything.append(w);
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSlider *>(w) || qobject_cast<QLineEdit *>(w)
                || qobject_cast<QAbstractItemView *>(w))
                controls.append(w);
        }
        if (anything.isEmpty())
            return;
        QWidget *w = controls.isEmpty() || chance(15) ? pick(anything) : pick(controls);
        auto *view = qobject_cast<QAbstractItemView *>(w);
        if (view)
            w = view->viewport();
        QPoint at(int(m_random.bounded(qMax(1, w->width()))), int(m_random.bounded(qMax(1, w->height()))));
        const int rows = view && view->model() ? view->model()->rowCount() : 0;
        if (rows > 0 && chance(80)) {
            const QPoint row = view->visualRect(view->model()->index(int(m_random.bounded(rows)), 0)).center();
            if (w->rect().contains(row))
                at = row;
        }
        if (chance(10))
            QTest::mouseDClick(w, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }

    QWidget *keyTarget(Screen *screen)
    {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->isVisible() && isOurs(focus->window()) && chance(85))
            return focus;
        QWidget *own = screen->focusWidget();
        return own && own->isVisible() ? own : screen;
    }

    void pressKey(Screen *screen)
    {
        static const QList<Qt::Key> keys = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab,
                                            Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space,
                                            Qt::Key_Backspace, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
        QWidget *target = keyTarget(screen);
        if (chance(45))
            QTest::keyClick(target, char('a' + m_random.bounded(26)), chance(15) ? Qt::ShiftModifier : Qt::NoModifier);
        else
            QTest::keyClick(target, pick(keys));
    }

    // Words that get somewhere: the password, words of the lists, a new
    // list's name, a letter Hangman may want.
    void typeKnownText(Screen *screen)
    {
        static const QStringList texts = {"OPENDOOR", "dog", "cat", "caf\u00e9", "Animals", "A new list", "<New List>",
                                          "e", "r", "o"};
        QPointer<QWidget> target(keyTarget(screen));
        for (const QChar ch : pick(texts)) {
            if (!target)
                return;
            // QTest types ASCII only; an accented letter comes as its key with its text.
            if (ch.unicode() < 0x80)
                QTest::keyClick(target, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
        }
        if (target && chance(50))
            QTest::keyClick(target, Qt::Key_Return);
    }

    void triggerMenuItem(Screen *screen)
    {
        QList<QAction *> items;
        for (QAction *action : screen->menuBar()->actions()) {
            const QList<QAction *> inner = action->menu() ? action->menu()->actions() : QList<QAction *>{action};
            for (QAction *item : inner)
                if (item->isEnabled() && item->isVisible() && !item->isSeparator() && !item->menu())
                    items.append(item);
        }
        if (!items.isEmpty())
            pick(items)->trigger();
    }

    void tickTimers(Screen *screen)
    {
        QList<QTimer *> running;
        for (QTimer *timer : screen->findChildren<QTimer *>())
            if (timer->isActive())
                running.append(timer);
        if (running.isEmpty())
            return;
        QPointer<QTimer> timer = pick(running);
        const int ticks = int(m_random.bounded(1, 40));
        for (int i = 0; i < ticks && timer && timer->isActive(); ++i) {
            QMetaObject::invokeMethod(timer, "timeout");
            pump();
        }
    }

    // A changed file must come from a screen that saves it, the event's or the
    // one active before it, and be readable.
    void checkFiles(const std::set<ScreenId> &actors)
    {
        const auto actedBy = [&](const std::set<ScreenId> &savers) {
            return std::any_of(actors.begin(), actors.end(), [&](ScreenId id) { return savers.count(id) > 0; });
        };
        const QByteArray store = m_env.read(QStringLiteral("thelists.dat"));
        if (store != m_store) {
            QVERIFY2(actedBy(StoreSavers),
                     qPrintable(m_event + ": the store changed on a screen that does not save it"));
            const QString fault = storeFault(store);
            QVERIFY2(fault.isEmpty(), qPrintable(m_event + ": a save left a bad store: " + fault));
            m_store = store;
            ++storeSaves;
        }
        const QByteArray settings = m_env.read(QStringLiteral("lsdata.dat"));
        if (settings != m_settings) {
            QVERIFY2(actedBy(SettingsSavers),
                     qPrintable(m_event + ": the settings changed on a screen that does not save them"));
            QVERIFY2(settings.endsWith("\r\n") && settings.count("\r\n") >= 3,
                     qPrintable(m_event + ": a save left a bad settings file"));
            m_settings = settings;
        }
    }

    // Every box is answered through MsgBox: a visible window that is not one
    // of our screens is a box or window that escaped it.
    void checkWindows()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMenu *>(w) && w->windowType() != Qt::ToolTip && !isOurs(w))
                QFAIL(qPrintable(QStringLiteral("%1: a stray window is shown: %2 \"%3\"")
                                     .arg(m_event, QLatin1String(w->metaObject()->className()), w->windowTitle())));
    }

    TestEnv &m_env;
    const ScreenRow &m_row;
    QRandomGenerator m_random;
    QByteArray m_store;
    QByteArray m_settings;
    QString m_event;
};

} // namespace

// The offscreen platform says at every show that it cannot raise a window,
// and QTest that a key went unused: thousands of lines that hide a finding.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("This plugin does not support"))
            || message.startsWith(QLatin1String("Keyboard event not accepted"))))
        return;
    previousHandler(type, context, message);
}

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void randomInputOnEveryScreen_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(everyScreen().size()); ++i)
            QTest::addRow("%s", everyScreen()[i].name) << i;
    }

    void randomInputOnEveryScreen()
    {
        QFETCH(int, index);
        const ScreenRow &row = everyScreen()[index];
        const quint32 seed = 20240611u + quint32(index) * 7919u;
        // A slow machine stops a screen early rather than running into the
        // suite's time limit; the sanitizer build, several times slower per
        // event, gets longer so that it too runs thousands of events.
#if defined(__SANITIZE_ADDRESS__)
        constexpr int BudgetMs = 5000;
#else
        constexpr int BudgetMs = 1400;
#endif
        int quits = 0; // outlives the environment, whose teardown may still quit
        TestEnv env(monkeyStore());
        // The shipped backgrounds, so that they are decoded (on their worker
        // thread) while screens open and close under the monkey. The other
        // pictures would only slow each event down.
        const QDir data(QStringLiteral(LINGO_DATA_DIR));
        for (const char *picture : {"lspark.jpg", "first.jpg", "summary.jpg", "zap.jpg"})
            QFile::copy(data.filePath(QLatin1String(picture)), env.path(QLatin1String(picture)));
        registerAllScreens(screens());
        screens().setEndProgramHandler([&quits] { ++quits; });
        // The system's file and print dialogs would block: a list to import,
        // files saved in the test folder, printing cancelled.
        env.write(QStringLiteral("import.csv"), "sol,sun\r\nluna,moon\r\n");
        exchange::setFileDialogHandler([&env](exchange::FileDialog kind, const QString &, const QString &suggested) {
            return kind == exchange::FileDialog::Open ? env.path(QStringLiteral("import.csv"))
                                                      : env.path(QFileInfo(suggested).fileName());
        });
        exchange::setPrintDialogHandler([](QPrinter &) { return false; });
        const auto restoreDialogs = qScopeGuard([] {
            exchange::setFileDialogHandler({});
            exchange::setPrintDialogHandler({});
        });

        prepareSharedState();
        Shared.SoundFlag = 1;
        Shared.ListChoice = 1;
        Shared.ZapSound = -1;
        Monkey monkey(env, row, seed);
        const int ran = monkey.run(2000, BudgetMs);
        qInfo("%s: %d events, %d store saves, %d quits (seed %u)", row.name, ran, monkey.storeSaves, quits, seed);
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
