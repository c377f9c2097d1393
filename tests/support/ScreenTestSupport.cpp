#include "support/ScreenTestSupport.h"

#include "support/TestSupport.h"

#include <QListWidget>
#include <QTest>

const std::vector<ScreenRow> &everyScreen()
{
    using S = ScreenId;
    static const std::vector<ScreenRow> all = {
        {S::First, "First", {}},
        {S::AboutForm, "AboutForm", {S::First}},
        {S::ChooseAList, "ChooseAList", {S::QuizOptions}},
        {S::Error, "Error", {}},
        {S::frmTitle, "frmTitle", {}},
        {S::Main, "Main", {}},
        {S::QuizOptions, "QuizOptions", {}},
        {S::Quiz, "Quiz", {}},
        {S::summary, "summary", {S::Quiz}},
        {S::GameOption, "GameOption", {}},
        {S::Hangman, "Hangman", {}},
        {S::GiveHint, "GiveHint", {S::Hangman}},
        {S::youwin, "youwin", {S::Hangman}},
        {S::LoseForm, "LoseForm", {S::Hangman}},
        {S::Scramble, "Scramble", {}},
        {S::ScrambleWin, "ScrambleWin", {S::Scramble}},
        {S::ScrambleLose, "ScrambleLose", {S::Scramble}},
        {S::Concentration, "Concentration", {}},
        {S::ZapOptions, "ZapOptions", {}},
        {S::Zap, "Zap", {}},
        {S::ZapDone, "ZapDone", {}},
        {S::MyProgress, "MyProgress", {}},
        {S::PasswordForm, "PasswordForm", {S::First}},
        {S::ChangePassword, "ChangePassword", {S::Manager}},
        {S::Manager, "Manager", {}},
        {S::CreateList, "CreateList", {}},
        {S::MakeNewList, "MakeNewList", {}},
        {S::SureForm, "SureForm", {S::MakeNewList}},
        {S::EditChooseList, "EditChooseList", {}},
        {S::EditList, "EditList", {}},
        {S::ChangeListName, "ChangeListName", {S::EditList}},
        {S::DeletWordSure, "DeletWordSure", {S::EditList}},
        {S::EditWord, "EditWord", {S::EditList}},
        {S::AddWord, "AddWord", {S::EditList}},
        {S::DeleteList, "DeleteList", {}},
        {S::SoundOptions, "SoundOptions", {S::Manager}},
        {S::LanguagesOfAList, "LanguagesOfAList", {}},
        {S::SpeechForPupils, "SpeechForPupils", {S::Manager}},
        {S::ClassProgress, "ClassProgress", {}},
        {S::ImportList, "ImportList", {}},
        {S::ExportList, "ExportList", {}},
        {S::PrintList, "PrintList", {}},
    };
    static_assert(int(ScreenId::PrintList) + 1 == 42, "a new screen belongs in this table");
    return all;
}

QByteArray storeWithDegenerateLists()
{
    return TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "<New List>", "Empty",
                           "<New List>", "Lonely", "sun", "sol", "<New List>", "Echo", "hola", "hello", "hola", "hi",
                           "hola", "hey"});
}

QAbstractButton *button(QWidget *screen, const QString &caption)
{
    for (QAbstractButton *b : screen->findChildren<QAbstractButton *>())
        if (visibleCaption(b->text()) == caption)
            return b;
    qFatal("no control \"%s\"", qPrintable(caption));
}

void selectList(QWidget *screen, const QString &list)
{
    auto *lists = screen->findChild<QListWidget *>();
    QVERIFY(lists);
    const auto found = lists->findItems(list, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    lists->scrollToItem(found.first());
    QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, lists->visualItemRect(found.first()).center());
    QCOMPARE(lists->selectedItems().value(0), found.first());
}

void clickAt(Screen *screen, QPoint point, bool pressOnly)
{
    QWidget *target = screen->area()->childAt(point);
    QVERIFY(target);
    const QPoint local = target->mapFrom(screen->area(), point);
    if (pressOnly)
        QTest::mousePress(target, Qt::LeftButton, {}, local);
    else
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
}
