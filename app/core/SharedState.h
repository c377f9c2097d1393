#pragma once

#include "WordPair.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The program-wide variables through which screens hand over to each other.
// Screens never call each other: one stores values here, shows the next
// screen and closes itself; the next one reads them when it loads.
constexpr int MaxPairs = 600;

struct Module1 {
    std::int16_t CardOrder = 0;
    std::int16_t CardSide = 0;
    // 1-based like the rest of the design; index 0 is never used. A load
    // overwrites only the entries it reads, so entries above WordCount may
    // hold an earlier list's words and must never be read as part of a list.
    std::array<QString, MaxPairs + 1> Words;
    std::array<QString, MaxPairs + 1> Meanings;
    QString CurrentWord;
    QString CurrentMeaning;
    std::int16_t CardPosition = 0;
    std::int16_t WordCount = 0;
    std::int16_t QuizType = 0;
    std::int16_t QuestionsLeft = 0;
    std::int16_t RightAnswer = 0;
    std::int16_t ChosenAnswer = 0;
    std::array<QString, 6> Choices; // 1..5
    QString QuestionText;
    std::int16_t QuizDirection = 0;
    std::int16_t RightCount = 0;
    std::int16_t WrongCount = 0;
    QString StartLetter;
    QString CurrentList;
    QString NewPassword;
    QString NewListName;
    std::int16_t ScrambleTime = 0;
    std::int16_t DeleteConfirmed = 0;
    std::int16_t WordEdited = 0;
    std::int16_t WordIndex = 0;
    QString EditedListName;
    std::int16_t SoundFlag = 0;
    std::int32_t SoundResult = 0;
    int ZapSpeed = 0;
    std::int16_t ZapScore = 0;
    std::int16_t ZapSound = 0; // -1 = true, 0 = false
    QString AppPath; // the data folder
    std::int16_t ListChoice = 0;
    // Pairs of the chosen list to practise instead of the whole list (the
    // pupil's hard words). The next activity's load takes them and leaves
    // this empty, so a later start from its options gets the whole list.
    WordPairs HardWords;
};

extern Module1 Shared;

// Entries 1..WordCount: the list loaded last, without stale entries.
QStringList loadedWords();
WordPairs loadedPairs();

// A data file: AppPath (the data folder, fixed at start) joined with a bare
// file name. The data folder holds only the store, the settings and the
// optional languages.dat.
QString appFile(const QString &name);

// The program's own files (pictures and sounds), the same whatever the data
// folder is, found from the executable (needs the application object).
QString programFolder();
QString programFile(const QString &name);
