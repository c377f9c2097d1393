#pragma once

#include "app/Screen.h"
#include "app/ScreenManager.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "manage/editor/EditorHandOver.h"

#include <QAbstractButton>
#include <QPoint>
#include <QString>
#include <vector>

// Every screen of the program, with what it is usually shown over.
struct ScreenRow {
    ScreenId id;
    const char *name;
    std::vector<ScreenId> beneath;
};
const std::vector<ScreenRow> &everyScreen();

// "Animals" (3 pairs) and lists no activity can use: "Empty", "Lonely" (one
// pair) and "Echo" (three pairs of the same word).
QByteArray storeWithDegenerateLists();

// Shared state as a screen opened in the middle of normal use finds it: the
// "Animals" list loaded with its first pair current, a quiz and a game under
// way, and the list editor's choices made.
// Inline: only tests that link the list editor use it.
inline void prepareSharedState()
{
    Shared.CurrentList = QStringLiteral("Animals");
    LoadList();
    Shared.CurrentWord = Shared.Words[1];
    Shared.CurrentMeaning = Shared.Meanings[1];
    Shared.CardOrder = 1;
    Shared.CardSide = 1;
    Shared.QuizType = 3;
    Shared.QuestionsLeft = 5;
    Shared.RightCount = 3;
    Shared.WrongCount = 2;
    Shared.ScrambleTime = 17;
    Shared.ZapSpeed = 650;
    Shared.ZapSound = 0;
    Shared.ZapScore = 150;
    Shared.NewListName = QStringLiteral("Fresh list");
    Shared.EditedListName = Shared.CurrentList;
    Shared.NewPassword = QStringLiteral("OPENDOOR");
    listEditorChoice() = {Shared.CurrentList, 0};
}

// The named control of a screen; a missing one ends the test run.
template <class T = QWidget> T *child(QWidget *screen, const QString &name)
{
    T *w = screen->findChild<T *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

// The button or clickable label showing this caption.
QAbstractButton *button(QWidget *screen, const QString &caption);

// Clicks the list of this name in the screen's list box.
void selectList(QWidget *screen, const QString &list);

// A click where the user points, delivered to whatever control is there.
void clickAt(Screen *screen, QPoint point, bool pressOnly = false);
