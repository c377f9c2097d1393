#pragma once

#include "languages/ListLanguages.h"

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QMenu;
class QWidget;

// What one pupil screen says: the last word or meaning of the list that it
// showed uncovered, in that half's language. Said as it appears while
// "Speak Automatically" is on, and again by "Say It" (F5). Nothing else a
// screen shows (notices, the end of the list) is ever handed in, so speech
// cannot give an answer away.
class ScreenSpeech : public QObject {
    Q_OBJECT
public:
    enum class Side { Word, Meaning };
    // Hangman and Scramble keep their word secret while the game runs.
    enum class SayIt { Offered, Withheld };

    // Fills the screen's "Speech" menu.
    ScreenSpeech(QWidget *screen, QMenu *menu, SayIt sayIt = SayIt::Offered);
    // A game's outcome screen: no menu, F5 says the word.
    explicit ScreenSpeech(QWidget *screen);
    // Closing the screen stops its word.
    ~ScreenSpeech() override;

    void shown(const QString &text, Side side);
    void sayIt();

    QAction *sayItAction() const { return m_sayIt; }
    QAction *automaticAction() const { return m_automatic; }

private:
    struct Text {
        QString text;
        QString language; // BCP 47; empty when not known
    };

    QString languageOf(Side side);
    // Why the last text cannot be said; empty when it can.
    QString reasonNotSaid() const;
    void say();
    void updateSayIt();
    void followSpeaker();

    QAction *m_sayIt;
    QAction *m_automatic = nullptr;
    bool m_offered;
    std::optional<languages::ListLanguages> m_languages;
    std::optional<Text> m_last;
    quint64 m_ticket = 0;
};
