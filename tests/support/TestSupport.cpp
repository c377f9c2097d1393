#include "TestSupport.h"

#include "app/AppScreens.h"
#include "app/Screen.h"
#include "app/core/SharedState.h"
#include "progress/Recorder.h"
#include "translations/InterfaceLanguage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

int RecordingSoundPlayer::play(const QString &path)
{
    played.append(QFileInfo(path).fileName());
    return 1;
}

void RecordingSoundPlayer::beep()
{
    played.append(QStringLiteral("beep"));
}

quint64 RecordingSpeaker::say(const QString &text, const QString &languageCode)
{
    said.append(languageCode + QLatin1Char(':') + text);
    return quint64(said.size());
}

SpeechBlock RecordingSpeaker::blockFor(const QString &languageCode) const
{
    return blocked.value(languageCode, SpeechBlock::None);
}

TestEnv::TestEnv(const QByteArray &store, const QByteArray &settings)
    : m_oldCurrent(QDir::currentPath())
{
    if (qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
        m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    // The program's English: the source texts, with the plural forms of its counted phrases.
    static translations::InterfaceLanguage english(QStringLiteral("en"));
    [[maybe_unused]] static const bool installed = (english.install(), true);
    Shared = Module1{};
    Shared.AppPath = m_dir.path();
    progress::recorder().reset({m_stateHome.path(), {}});
    QDir::setCurrent(m_dir.path());
    write(QStringLiteral("thelists.dat"), store);
    write(QStringLiteral("lsdata.dat"), settings);

    auto player = std::make_unique<RecordingSoundPlayer>();
    m_player = player.get();
    setSoundPlayer(std::move(player));
    auto speaker = std::make_unique<RecordingSpeaker>();
    m_speaker = speaker.get();
    setSpeaker(std::move(speaker));

    setMessageBoxHandler([this](const QString &text, const QString &title, MsgButtons buttons) {
        messages.append({text, title});
        if (buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        return m_answers.isEmpty() ? MsgAnswer::Yes : m_answers.takeFirst();
    });

    ScreenManager &manager = screens();
    manager.resetForTests();
    manager.setEndProgramHandler([] {});
    registerAppScreens(manager);
}

TestEnv::~TestEnv()
{
    screens().resetForTests();
    QApplication::processEvents();
    setMessageBoxHandler({});
    // Writes under way end before the folder goes.
    progress::recorder().reset();
    QDir::setCurrent(m_oldCurrent);
    if (m_oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}

QString TestEnv::path(const QString &name) const
{
    return m_dir.filePath(name);
}

void TestEnv::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(name));
}

QByteArray TestEnv::read(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestEnv::takeSounds()
{
    QStringList sounds = m_player->played;
    m_player->played.clear();
    return sounds;
}

QByteArray TestEnv::defaultStore()
{
    return lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "<New List>", "Colours", "red", "rojo",
                  "blue", "azul"});
}

QByteArray TestEnv::lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

QByteArray TestEnv::utf8Lines(const QStringList &lines)
{
    QByteArray out("\xEF\xBB\xBF");
    for (const QString &line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(1);
    }
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

QWidget *focused()
{
    Screen *screen = screens().activeScreen();
    if (!screen)
        qFatal("no active screen");
    return screen->focusWidget() ? screen->focusWidget() : screen;
}

QString focusedCaption()
{
    QWidget *w = focused();
    if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty())
        return button->text();
    return w->accessibleName();
}

void press(Qt::Key key, int times)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(focused(), key);
        settle();
    }
}

void typeText(QWidget *widget, const QString &text)
{
    for (const char32_t codePoint : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out.append(prefix + QString::number(i));
    return out;
}

QPushButton *findButton(QWidget *screen, const QString &caption)
{
    for (auto *button : screen->findChildren<QPushButton *>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

QPushButton *shownButton(QWidget *screen, const QString &caption)
{
    for (auto *button : screen->findChildren<QPushButton *>())
        if (button->text() == caption && !button->isHidden())
            return button;
    return nullptr;
}

void click(QWidget *screen, const QString &caption)
{
    QAbstractButton *button = shownButton(screen, caption);
    for (QAbstractButton *b : screen->findChildren<QAbstractButton *>())
        if (!button && !b->isHidden() && visibleCaption(b->text()) == caption)
            button = b;
    QVERIFY2(button, qPrintable("no button " + caption));
    QTest::mouseClick(button, Qt::LeftButton);
}

bool labelShown(QWidget *screen, const QString &text)
{
    for (auto *label : screen->findChildren<QLabel *>())
        if (label->text() == text && !label->isHidden())
            return true;
    return false;
}

QStringList rows(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void triggerMenu(Screen *screen, const QString &caption)
{
    for (QAction *action : screen->menuBar()->findChildren<QAction *>()) {
        if (visibleCaption(action->text()) == caption) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable("no menu item " + caption));
}
