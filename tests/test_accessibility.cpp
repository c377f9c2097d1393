// Every screen as a screen reader or an accessibility client meets it: every
// control it can press or type into has a name, every label is announced as
// the text it shows, the scroll bars speak the screen's numbers, and every
// menu item has a key of its own.
#include "AllScreens.h"
#include "app/ClickLabel.h"
#include "app/NumberScrollBar.h"
#include "flashcards/Main.h"
#include "flashcards/frmTitle.h"
#include "games/zap/Zap.h"
#include "games/zap/ZapOptions.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QScopeGuard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <map>

namespace {

// A list long enough for every game, with a pair whose "&" a reader must not
// drop, and a short one.
QByteArray sampleStore()
{
    return TestEnv::lines({"Animals", "dog & cat", "perro & gato", "cat", "gato", "horse", "caballo", "bird", "pajaro", "fish",
                           "pez", "cow", "vaca", "pig", "cerdo", "sheep", "oveja", "mouse", "raton", "<New List>",
                           "Colours", "red", "rojo", "blue", "azul", "green", "verde"});
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject *object)
{
    QAccessibleInterface *a = accessible(object);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QString describe(QObject *object)
{
    const QString name = object->objectName();
    return QString::fromLatin1(object->metaObject()->className()) + (name.isEmpty() ? QString() : u' ' + name);
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
    if (a->editableTextInterface() || a->valueInterface())
        return true;
    const QAccessible::Role role = a->role();
    if (role == QAccessible::List || role == QAccessible::ComboBox)
        return true;
    // Every widget offering an action: a press, a toggle, or taking focus.
    return a->actionInterface() && !a->actionInterface()->actionNames().isEmpty();
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
        if (object && object->isWidgetType()) {
            const QString shown = shownText(object);
            if (!shown.isEmpty() && name != shown)
                faults << QStringLiteral("%1 shows \"%2\" but is named \"%3\"").arg(describe(object), shown, name);
        }
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

void doAction(QObject *object, const QString &action)
{
    QAccessibleInterface *a = accessible(object);
    QVERIFY(a && a->actionInterface());
    QVERIFY2(a->actionInterface()->actionNames().contains(action), qPrintable(describe(object)));
    auto *button = qobject_cast<QAbstractButton *>(object);
    QVERIFY(button);
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
    QCOMPARE(nameOf(m->TheDefinition), QString());
    doAction(m->Gimme, QAccessibleActionInterface::pressAction());
    QTRY_COMPARE_WITH_TIMEOUT(nameOf(m->TheDefinition), Shared.CurrentMeaning, 3000);
    // The next card covers the meaning again at once.
    doAction(m->Label2, QAccessibleActionInterface::pressAction());
    QCOMPARE(nameOf(m->TheDefinition), QString());
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

// A turn begun by a reader's press: the targets now carry words.
void zapTurn(Screen *screen)
{
    auto *zap = qobject_cast<Zap *>(screen);
    QVERIFY(zap);
    doAction(zap->ReadyLabel, QAccessibleActionInterface::pressAction());
    QVERIFY(!zap->DefLabel->text().isEmpty());
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

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyScreenReadsAsItShows_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < everyScreen().size(); ++i)
            QTest::addRow("%s", everyScreen()[i].name) << int(i);
    }

    void everyScreenReadsAsItShows()
    {
        QFETCH(int, row);
        const ScreenRow &r = everyScreen()[size_t(row)];
        TestEnv env(sampleStore());
        registerAllScreens(screens());
        prepareSharedState();
        // The import screen asks for its file as it opens; answer with one.
        env.write(QStringLiteral("import.csv"), "sol,sun\r\nluna,moon\r\n");
        exchange::setFileDialogHandler([&env](exchange::FileDialog, const QString &, const QString &) {
            return env.path(QStringLiteral("import.csv"));
        });
        const auto restore = qScopeGuard([] { exchange::setFileDialogHandler({}); });
        for (ScreenId id : r.beneath)
            screens().show(id);
        Screen *screen = screens().show(r.id);
        settle();
        QVERIFY(screen && screen->isVisible());

        checkNames(screen);
        checkMnemonics(screen);
        if (const auto act = ReaderActions.find(r.id); act != ReaderActions.end() && !QTest::currentTestFailed())
            act->second(screen);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
