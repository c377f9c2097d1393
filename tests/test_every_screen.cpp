// Every screen as shown in the middle of normal use. To a screen reader every control it can press or type into
// has a name, every label reads as the text it shows, the scroll bars speak the screen's numbers and every menu item
// has a key of its own. Then a few thousand seeded random clicks, key presses, menu items, activations and timer
// ticks: no crash, no hang, no stray window, and the data files change only through the screens that save them.
// QtTest names the screen of a crash, the last screen passed tells a hang; the seeds are fixed, so a failure repeats.
#include "AllScreens.h"
#include "app/ClickLabel.h"
#include "app/NumberScrollBar.h"
#include "app/ScreenManager.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "flashcards/Main.h"
#include "flashcards/frmTitle.h"
#include "games/zap/Zap.h"
#include "games/zap/ZapOptions.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <map>
#include <set>

namespace {

// Several lists: one long enough for every game, whose first pair has an "&"
// a reader must not drop, one too short for Concentration, one empty, one of
// accented words, one whose words are all too long for Hangman and Scramble,
// and two of the same name.
QByteArray monkeyStore()
{
    return TestEnv::lines({"Animals", "dog & cat", "perro & gato", "dog", "perro", "cat", "gato", "horse", "caballo",
                           "bird", "p\u00e1jaro", "fish", "pez", "cow", "vaca", "pig", "cerdo", "sheep", "oveja",
                           "mouse", "rat\u00f3n",
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

// The screen of the row over what it is usually shown over.
Screen *showRow(const ScreenRow &row)
{
    for (ScreenId id : row.beneath)
        screens().show(id);
    Screen *screen = screens().show(row.id);
    settle();
    return screen;
}

// What a save must leave: a store every screen can read back, each list a
// name that is not empty, then whole pairs.
QString storeFault(const QByteArray &bytes)
{
    const auto lines = ReadStoreLines();
    if (!bytes.endsWith("\r\n") || !lines)
        return QStringLiteral("the store cannot be read or does not end in CR LF");
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
        showRow(m_row);
        m_store = m_env.read(QStringLiteral("thelists.dat"));
        m_settings = m_env.read(QStringLiteral("lsdata.dat"));
        QElapsedTimer clock;
        clock.start();
        int done = 0;
        for (; done < events && clock.elapsed() < budgetMs; ++done) {
            if (visibleScreens().isEmpty() || (!screens().exists(m_row.id) && chance(2)))
                showRow(m_row);
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
    // of our screens, nor the pop-up of a menu or drop-down, is a box or
    // window that escaped it.
    void checkWindows()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip && !isOurs(w))
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

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString describe(QObject *object)
{
    return QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName();
}

// The text a control shows, or nothing when it shows none of its own.
QString shownText(QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *box = qobject_cast<QGroupBox *>(object))
        return visibleCaption(box->title());
    if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        // Push and option buttons underline their mnemonic; a clickable
        // label paints its text exactly as set.
        if (qobject_cast<QPushButton *>(object) || qobject_cast<QRadioButton *>(object))
            return visibleCaption(button->text());
        return button->text();
    }
    return QString();
}

bool pressableOrTypeable(QAccessibleInterface *a)
{
    if (a->state().disabled)
        return false;
    const QAccessible::Role role = a->role();
    // Besides text, values and lists: every widget offering an action (a
    // press, a toggle, or taking focus).
    return a->editableTextInterface() || a->valueInterface() || role == QAccessible::List
        || role == QAccessible::ComboBox || (a->actionInterface() && !a->actionInterface()->actionNames().isEmpty());
}

// Walks the screen's accessible tree, adding one line per fault.
void collectFaults(QAccessibleInterface *a, QStringList &faults)
{
    for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface *child = a->child(i);
        if (!child || !child->isValid())
            continue;
        QObject *object = child->object();
        const QString name = child->text(QAccessible::Name);
        const QString shown = shownText(object);
        if (!shown.isEmpty() && name != shown)
            faults << QStringLiteral("%1 shows \"%2\" but is named \"%3\"").arg(describe(object), shown, name);
        if (object && !child->state().invisible && pressableOrTypeable(child) && name.trimmed().isEmpty())
            faults << QStringLiteral("%1 has no name").arg(describe(object));
        if (!child->state().invisible)
            collectFaults(child, faults);
    }
}

void checkNames(Screen *screen)
{
    QStringList faults;
    collectFaults(accessible(screen), faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
}

// Within each menu, every item a key can reach has a mnemonic of its own.
void checkMnemonics(Screen *screen)
{
    auto *bar = qobject_cast<QMenuBar *>(screen->menuWidget());
    if (!bar)
        return;
    QList<QList<QAction *>> menus{bar->actions()};
    for (QAction *title : bar->actions())
        if (title->menu())
            menus.append(title->menu()->actions());
    for (const QList<QAction *> &actions : menus) {
        QSet<QChar> keys;
        for (QAction *action : actions) {
            const QString text = action->text();
            if (action->isSeparator() || visibleCaption(text).trimmed().isEmpty())
                continue;
            const qsizetype at = text.indexOf(u'&');
            QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(text));
            QVERIFY2(!keys.contains(text[at + 1].toLower()), qPrintable(text + " shares its key"));
            keys.insert(text[at + 1].toLower());
        }
    }
}

void doAction(QAbstractButton *button, const QString &action)
{
    QAccessibleInterface *a = accessible(button);
    QVERIFY(a && a->actionInterface());
    QVERIFY2(a->actionInterface()->actionNames().contains(action), qPrintable(describe(button)));
    // A pressed button is released by a timer, as on screen.
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    a->actionInterface()->doAction(action);
    if (action == QAccessibleActionInterface::pressAction())
        QVERIFY(clicked.count() > 0 || clicked.wait(2000));
    settle();
}

// The meaning is never readable while under its card.
void flashCards(Screen *screen)
{
    auto *m = qobject_cast<Main *>(screen);
    QVERIFY(m);
    const auto definition = [m] { return accessible(m->TheDefinition)->text(QAccessible::Name); };
    QCOMPARE(definition(), QString());
    doAction(m->Gimme, QAccessibleActionInterface::pressAction());
    QTRY_COMPARE_WITH_TIMEOUT(definition(), Shared.CurrentMeaning, 3000);
    // The next card covers the meaning again at once.
    doAction(m->Label2, QAccessibleActionInterface::pressAction());
    QCOMPARE(definition(), QString());
}

// Each option toggled by a client acts as clicked (the other screens read
// their options only when a button is pressed).
void flashCardOptions(Screen *screen)
{
    auto *f = qobject_cast<frmTitle *>(screen);
    QVERIFY(f);
    doAction(f->Option6, QAccessibleActionInterface::toggleAction());
    QCOMPARE(Shared.CardSide, 2);
    doAction(f->Option3, QAccessibleActionInterface::toggleAction());
    QCOMPARE(Shared.CardOrder, 2);
    doAction(f->Option2, QAccessibleActionInterface::toggleAction());
    QVERIFY(f->Letter->isVisible());
    QCOMPARE(Shared.CardOrder, 3);
}

// The speed bar reads and takes milliseconds, "Slow" at its left end (as
// the question bar of the quiz options, 100 at its top).
void zapOptions(Screen *screen)
{
    auto *options = qobject_cast<ZapOptions *>(screen);
    QVERIFY(options);
    QAccessibleValueInterface *value = accessible(options->SpeedBar)->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), 650);
    QCOMPARE(value->minimumValue().toInt(), 10);
    QCOMPARE(value->maximumValue().toInt(), 1250);
    value->setCurrentValue(1250);
    QCOMPARE(options->SpeedBar->sliderPosition(), options->SpeedBar->minimum());
    value->setCurrentValue(300);
    QCOMPARE(options->SpeedBar->number(), 300);
}

// A turn begun by a reader's press: the targets now carry words, each named.
void zapTurn(Screen *screen)
{
    auto *zap = qobject_cast<Zap *>(screen);
    QVERIFY(zap);
    doAction(zap->ReadyLabel, QAccessibleActionInterface::pressAction());
    checkNames(zap);
}

// The management menu bar's untitled About menu is said by its name.
void untitledMenu(Screen *screen)
{
    QAccessibleInterface *bar = accessible(screen->menuBar());
    QVERIFY(bar);
    QAccessibleInterface *about = nullptr;
    for (int i = 0; i < bar->childCount(); ++i)
        if (bar->child(i)->text(QAccessible::Name) == QStringLiteral("About"))
            about = bar->child(i);
    QVERIFY(about && about->actionInterface());
    QMenu *menu = qobject_cast<QAction *>(about->object())->menu();
    about->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

// What each screen does beyond being read: a reader's actions on it.
const std::map<ScreenId, void (*)(Screen *)> ReaderActions = {
    {ScreenId::frmTitle, flashCardOptions}, {ScreenId::Main, flashCards},       {ScreenId::ZapOptions, zapOptions},
    {ScreenId::Zap, zapTurn},               {ScreenId::Manager, untitledMenu},
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

class EveryScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void readThenRandomInputOnEveryScreen_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(everyScreen().size()); ++i)
            QTest::addRow("%s", everyScreen()[i].name) << i;
    }

    void readThenRandomInputOnEveryScreen()
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
        TestEnv env(monkeyStore());
        // The shipped backgrounds, so that they are decoded (on their worker
        // thread) while screens open and close under the monkey. The other
        // pictures would only slow each event down.
        const QDir data(QStringLiteral(LINGO_DATA_DIR));
        for (const char *picture : {"lspark.jpg", "first.jpg", "summary.jpg", "zap.jpg"})
            QFile::copy(data.filePath(QLatin1String(picture)), env.path(QLatin1String(picture)));
        registerAllScreens(screens());
        // The system's file and print dialogs would block (the import screen asks as it opens): a list to
        // import, files saved in the test folder, printing cancelled.
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

        // First as a screen reader meets it, and what a reader does on it.
        Screen *screen = showRow(row);
        QVERIFY(screen && screen->isVisible());
        checkNames(screen);
        checkMnemonics(screen);
        if (const auto act = ReaderActions.find(row.id); act != ReaderActions.end() && !QTest::currentTestFailed())
            act->second(screen);

        // Then under the monkey (a failure above stops it at its first event).
        Shared.SoundFlag = 1;
        Shared.ListChoice = 1;
        Shared.ZapSound = -1;
        Monkey monkey(env, row, seed);
        const int ran = monkey.run(2000, BudgetMs);
        qInfo("%s: %d events, %d store saves (seed %u)", row.name, ran, monkey.storeSaves, seed);
    }
};

QTEST_MAIN(EveryScreenTest)
#include "test_every_screen.moc"
