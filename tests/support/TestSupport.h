#pragma once

#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/core/Random.h"
#include "app/core/SharedState.h"
#include "speech/Speaker.h"

#include <QByteArray>
#include <QListWidget>
#include <QPushButton>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// The program's draws without the clock: repeatable after rnd::seedRandom.
inline rnd::Source pinnedRandom(std::function<int(int)> from1To = rnd::drawFrom1To)
{
    return {[] {}, std::move(from1To)};
}

// Word i with meaning i (an empty meaning where `meanings` is shorter).
inline WordPairs pairsOf(const QStringList &words, const QStringList &meanings = {})
{
    WordPairs pairs;
    for (qsizetype i = 0; i < words.size(); ++i)
        pairs.append({words[i], meanings.value(i)});
    return pairs;
}

// Records what the program asked to play: the file name of each sound, and
// "beep" for the system beep.
class RecordingSoundPlayer : public SoundPlayer {
public:
    int play(const QString &path) override;
    void beep() override;
    QStringList played;
};

// Records each word the program asked to say as "language:text"; the
// blocked languages give their reason.
class RecordingSpeaker : public Speaker {
public:
    void prepare() override {}
    quint64 say(const QString &text, const QString &languageCode) override;
    void stop(quint64) override {}
    SpeechBlock blockFor(const QString &languageCode) const override;
    QStringList said;
    QHash<QString, SpeechBlock> blocked;
};

struct ShownMessage {
    QString text;
    QString title;
};

// A program folder of its own for one test: a temporary AppPath (and current
// folder) holding the given store and settings, fresh shared state, a
// recording sound player, answered message boxes and a recorded "Quit".
// Only the start screen and the small shared screens are registered: a test
// registers the screens of the activity it drives (registerQuizScreens...).
class TestEnv {
public:
    explicit TestEnv(const QByteArray &store = defaultStore(), const QByteArray &settings = "OPENDOOR\r\nx\r\nSound On\r\n");
    ~TestEnv();

    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

    // Sounds asked for since the last call, then forgets them.
    QStringList takeSounds();
    QStringList sounds() const { return m_player->played; }
    // The pupil's progress files (the recorder starts afresh there).
    QString stateFolder() const { return m_stateHome.path(); }

    // Words said since the screen was opened, as "language:text".
    QStringList said() const { return m_speaker->said; }
    RecordingSpeaker &speaker() { return *m_speaker; }

    // Answers for the coming Yes/No boxes, in order (default: Yes).
    void answerNext(MsgAnswer answer) { m_answers.append(answer); }
    QList<ShownMessage> messages;

    bool programEnded() const { return screens().programEnded(); }

    // Two lists: "Animals" (3 pairs) and "Colours" (2 pairs).
    static QByteArray defaultStore();
    // Lines joined with CR LF, each line ended by CR LF.
    static QByteArray lines(const QStringList &lines);
    // A UTF-8 store as a Linux program writes one: the byte-order mark, CR LF.
    static QByteArray utf8Lines(const QStringList &lines);

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_configHome; // the pupil's own speech choice
    QTemporaryDir m_stateHome;  // the pupil's progress
    QByteArray m_oldConfigHome;
    QString m_oldCurrent;
    RecordingSoundPlayer *m_player;
    RecordingSpeaker *m_speaker;
    QList<MsgAnswer> m_answers;
};

// Lets deferred activation and close handling run.
void settle();

// A left click in the middle of the widget.
void click(QWidget *widget);

// The push button of `screen` showing `caption`; nullptr when there is none.
QPushButton *findButton(QWidget *screen, const QString &caption);

// The same among the buttons not hidden (a screen may swap its buttons).
QPushButton *shownButton(QWidget *screen, const QString &caption);

// A click on the shown button or clickable label of `screen` showing
// `caption` (mnemonic marks left out); fails the test when there is none.
void click(QWidget *screen, const QString &caption);

// Whether a label of `screen` not hidden shows `text`.
bool labelShown(QWidget *screen, const QString &text);

// The texts of a list box's rows.
QStringList rows(const QListWidget *list);

// Triggers the menu item of `screen` whose visible caption is `caption`;
// fails the test when there is none.
void triggerMenu(Screen *screen, const QString &caption);

// The control the keyboard reaches: the focus of the active screen (the
// screen itself when nothing in it has the focus).
QWidget *focused();

// What a screen reader says of the focused control: a button's caption, else
// its accessible name.
QString focusedCaption();

// Presses `key` on the focused control `times` times, settling after each.
void press(Qt::Key key, int times = 1);

// Types `text` into `widget` one code point a key, as a keyboard layout of
// its script would (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget *widget, const QString &text);

// "w1", "w2", ... up to `count`.
QStringList numbered(const QString &prefix, int count);

// The games menu with `list` chosen, then the game over it, as the menu's
// buttons open it; nullptr when the game refused to open.
template <class Game> Game *openGame(ScreenId game, const QString &list)
{
    Shared.CurrentList = list;
    screens().show(ScreenId::GameOption);
    auto *opened = qobject_cast<Game *>(screens().show(game));
    screens().close(ScreenId::GameOption);
    settle();
    return opened;
}
