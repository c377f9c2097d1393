#pragma once

// Every screen of the program. Screens show one another by id through the
// screen manager, so no screen includes another's header.
enum class ScreenId {
    First,
    AboutForm,
    ChooseAList,
    Error,
    // flash cards
    frmTitle,
    Main,
    // quiz
    QuizOptions,
    Quiz,
    summary,
    // games
    GameOption,
    Hangman,
    GiveHint,
    youwin,
    LoseForm,
    Scramble,
    ScrambleWin,
    ScrambleLose,
    Concentration,
    ZapOptions,
    Zap,
    ZapDone,
    // the pupil's own progress
    MyProgress,
    // teacher management
    PasswordForm,
    ChangePassword,
    Manager,
    CreateList,
    MakeNewList,
    SureForm,
    EditChooseList,
    EditList,
    ChangeListName,
    DeletWordSure,
    EditWord,
    AddWord,
    DeleteList,
    SoundOptions,
    LanguagesOfAList,
    SpeechForPupils,
    ClassProgress,
    // lists exchanged with other programs
    ImportList,
    ExportList,
    PrintList,
};
