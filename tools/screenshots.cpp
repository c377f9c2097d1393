// Renders every screen of Lingo-Spark into PNG files, the way a teacher would
// see it part-way through its use: a list chosen, a quiz question asked, a
// hangman game with some letters guessed, a Zap turn running, a list open in
// the editor. Runs on a copy of a data folder, so nothing shipped changes.
//
// Usage: lingo-screenshots OUTPUT_DIR DATA_DIR   (QT_QPA_PLATFORM=offscreen)

#include "AllScreens.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/core/Letters.h"
#include "app/core/ListStore.h"
#include "app/core/SharedState.h"
#include "app/core/StoreContent.h"
#include "games/concentration/Concentration.h"
#include "games/hangman/Hangman.h"
#include "games/zap/Zap.h"
#include "manage/editor/EditList.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "progress/Book.h"
#include "progress/Recorder.h"
#include "translations/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <cstdio>
#include <utility>

#include <pwd.h>
#include <unistd.h>

namespace {

// Screenshots are of what is seen; sounds would only hold the run up.
class SilentPlayer : public SoundPlayer {
public:
    int play(const QString &) override { return 1; }
    void beep() override {}
};

constexpr std::array<std::pair<ScreenId, const char *>, 42> ScreenNames{{
    {ScreenId::First, "First"},
    {ScreenId::AboutForm, "AboutForm"},
    {ScreenId::ChooseAList, "ChooseAList"},
    {ScreenId::Error, "Error"},
    {ScreenId::frmTitle, "frmTitle"},
    {ScreenId::Main, "Main"},
    {ScreenId::QuizOptions, "QuizOptions"},
    {ScreenId::Quiz, "Quiz"},
    {ScreenId::summary, "summary"},
    {ScreenId::GameOption, "GameOption"},
    {ScreenId::Hangman, "Hangman"},
    {ScreenId::GiveHint, "GiveHint"},
    {ScreenId::youwin, "youwin"},
    {ScreenId::LoseForm, "LoseForm"},
    {ScreenId::Scramble, "Scramble"},
    {ScreenId::ScrambleWin, "ScrambleWin"},
    {ScreenId::ScrambleLose, "ScrambleLose"},
    {ScreenId::Concentration, "Concentration"},
    {ScreenId::ZapOptions, "ZapOptions"},
    {ScreenId::Zap, "Zap"},
    {ScreenId::ZapDone, "ZapDone"},
    {ScreenId::MyProgress, "MyProgress"},
    {ScreenId::PasswordForm, "PasswordForm"},
    {ScreenId::ChangePassword, "ChangePassword"},
    {ScreenId::Manager, "Manager"},
    {ScreenId::CreateList, "CreateList"},
    {ScreenId::MakeNewList, "MakeNewList"},
    {ScreenId::SureForm, "SureForm"},
    {ScreenId::EditChooseList, "EditChooseList"},
    {ScreenId::EditList, "EditList"},
    {ScreenId::ChangeListName, "ChangeListName"},
    {ScreenId::DeletWordSure, "DeletWordSure"},
    {ScreenId::EditWord, "EditWord"},
    {ScreenId::AddWord, "AddWord"},
    {ScreenId::DeleteList, "DeleteList"},
    {ScreenId::SoundOptions, "SoundOptions"},
    {ScreenId::LanguagesOfAList, "LanguagesOfAList"},
    {ScreenId::SpeechForPupils, "SpeechForPupils"},
    {ScreenId::ClassProgress, "ClassProgress"},
    {ScreenId::ImportList, "ImportList"},
    {ScreenId::ExportList, "ExportList"},
    {ScreenId::PrintList, "PrintList"},
}};
static_assert(int(ScreenId::PrintList) + 1 == int(ScreenNames.size()), "a screen is missing from the gallery");

const char *nameOf(ScreenId id)
{
    for (const auto &[screen, name] : ScreenNames)
        if (screen == id)
            return name;
    return "?";
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class Renderer {
public:
    explicit Renderer(QString outDir) : m_outDir(std::move(outDir)) {}

    Screen *show(ScreenId id, int settleMs = 150)
    {
        Screen *screen = screens().show(id);
        wait(settleMs);
        if (!screen)
            std::fprintf(stderr, "%s did not open\n", nameOf(id));
        return screen;
    }

    void snap(ScreenId id, const QString &variant = QString())
    {
        wait(50);
        Screen *screen = screens().find(id);
        if (!screen || !screen->isVisible()) {
            std::fprintf(stderr, "%s is not shown: no picture\n", nameOf(id));
            ++m_failures;
            return;
        }
        const QString file = QDir(m_outDir).filePath(QString::fromLatin1(nameOf(id)) + variant + QStringLiteral(".png"));
        if (!screen->grab().save(file, "PNG", 0)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++m_failures;
            return;
        }
        if (variant.isEmpty())
            ++m_saved;
        else
            ++m_variants;
    }

    // Shown over whatever is open, pictured, and closed again.
    void snapDialog(ScreenId id)
    {
        show(id);
        snap(id);
        screens().close(id);
        wait(20);
    }

    void closeAll()
    {
        screens().closeAll();
        wait(20);
    }

    int saved() const { return m_saved; }
    int variants() const { return m_variants; }
    int failures() const { return m_failures; }

private:
    QString m_outDir;
    int m_saved = 0;
    int m_variants = 0;
    int m_failures = 0;
};

void chooseRow(Screen *screen, int row)
{
    if (!screen)
        return;
    for (QListWidget *list : screen->findChildren<QListWidget *>()) {
        if (list->isVisible() && list->count() > 0) {
            list->setCurrentRow(qMin(row, list->count() - 1));
            list->setFocus();
        }
    }
}

void typeInto(Screen *screen, const QString &text)
{
    if (!screen)
        return;
    for (QLineEdit *box : screen->findChildren<QLineEdit *>()) {
        if (box->isVisible() && box->isEnabled()) {
            box->setFocus();
            box->setText(text);
            return;
        }
    }
}

// A store in every script family's own letters, as a Linux editor or a
// teacher's UTF-8 save leaves it: byte-order mark, CR LF.
bool writeScriptsStore(const QString &path)
{
    const QStringList lines{
        QStringLiteral("Русский - Животные"), QStringLiteral("кошка"), QStringLiteral("cat"), QStringLiteral("собака"),
        QStringLiteral("dog"), QStringLiteral("лошадь"), QStringLiteral("horse"), QStringLiteral("корова"),
        QStringLiteral("cow"), QStringLiteral("<New List>"), QStringLiteral("العربية - الطعام"), QStringLiteral("خبز"),
        QStringLiteral("bread"), QStringLiteral("ماء"), QStringLiteral("water"), QStringLiteral("حليب"),
        QStringLiteral("milk"), QStringLiteral("تفاحة"), QStringLiteral("apple"), QStringLiteral("جبن"),
        QStringLiteral("cheese"), QStringLiteral("<New List>"), QStringLiteral("हिन्दी - घर"), QStringLiteral("किताब"),
        QStringLiteral("book"), QStringLiteral("पानी"), QStringLiteral("water"), QStringLiteral("दरवाज़ा"),
        QStringLiteral("door"), QStringLiteral("खिड़की"), QStringLiteral("window")};
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A class folder of pupils who practised `pairs`, each missing every
// `step`-th pair. Files are taken only from the accounts they are named
// after: this account's own, two numbered ones where this program may give
// them away (root), and a visitor's that the screen names as skipped.
void writeClassFolder(const QString &dataFolder, const WordPairs &pairs)
{
    const QString classDir = QDir(dataFolder).filePath(QStringLiteral("progress"));
    QDir().mkpath(classDir);
    const passwd *me = ::getpwuid(::geteuid());
    const QList<std::tuple<QString, uid_t, int>> pupils{
        {me ? QString::fromLocal8Bit(me->pw_name) : QString::number(::geteuid()), ::geteuid(), 3},
        {QStringLiteral("64201"), 64201, 2},
        {QStringLiteral("64202"), 64202, 4},
        {QStringLiteral("visitor"), ::geteuid(), 5}};
    const QDateTime when(QDate(2026, 3, 2), QTime(10, 0));
    for (const auto &[account, uid, step] : pupils) {
        progress::Book book;
        for (qsizetype i = 0; i < std::min<qsizetype>(pairs.size(), 12); ++i)
            book.graded(pairs[i], i % step != 1, when);
        const QString path = QDir(classDir).filePath(account + QStringLiteral(".dat"));
        QFile file(path);
        const QByteArray bytes = book.toBytes();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        file.close();
        if (uid != ::geteuid() && ::chown(QFile::encodeName(path).constData(), uid, ::getegid()) != 0)
            QFile::remove(path);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    // The program's own reading of --language, so the gallery shows what a pupil of that language sees.
    const QString language = translations::languageOption(arguments);
    for (qsizetype i = 1; i < arguments.size();) {
        if (arguments[i] == QStringLiteral("--language"))
            arguments.remove(i, qMin<qsizetype>(2, arguments.size() - i));
        else if (arguments[i].startsWith(QStringLiteral("--language=")))
            arguments.remove(i);
        else
            ++i;
    }
    if (arguments.size() != 3 || (!language.isEmpty() && !translations::shippedLanguages().contains(language))) {
        std::fprintf(stderr, "usage: %s [--language CODE] OUTPUT_DIR DATA_DIR\n", argv[0]);
        return 2;
    }
    translations::InterfaceLanguage catalogues(language.isEmpty() ? QStringLiteral("en") : language);
    catalogues.install();
    const QString outDir = QDir(arguments[1]).absolutePath();
    const QDir data(arguments[2]);
    QDir().mkpath(outDir);

    QTemporaryDir folder;
    for (const QString &name : data.entryList(QDir::Files))
        QFile::copy(data.filePath(name), QDir(folder.path()).filePath(name));
    QDir::setCurrent(folder.path());
    Shared.AppPath = folder.path();

    // The games pictured part-way record answers: into a folder of the run's
    // own, on a clock the gallery's pupil can be given a month of practice by.
    QTemporaryDir state;
    QDateTime day = QDateTime::currentDateTime();
    progress::recorder().reset({state.path(), [&day] { return day; }});

    QApplication::setQuitOnLastWindowClosed(false);
    setSoundPlayer(std::make_unique<SilentPlayer>());
    setMessageBoxHandler([](const QString &text, const QString &title, MsgButtons) {
        std::fprintf(stderr, "message box \"%s\": %s (answered No)\n", qPrintable(title), qPrintable(text));
        return MsgAnswer::No;
    });
    screens().setEndProgramHandler([] {});
    registerAllScreens(screens());

    const QStringList names = ReadListNames();
    const QString list = names.value(0);
    Renderer r(outDir);

    // The start screen once its title animation has run.
    r.show(ScreenId::First, 1500);
    r.snap(ScreenId::First);
    r.snapDialog(ScreenId::AboutForm);
    r.snapDialog(ScreenId::ChooseAList);
    r.snapDialog(ScreenId::Error);
    r.closeAll();

    // Flash cards: a list picked, then a card with its word shown.
    Shared.ListChoice = 0;
    chooseRow(r.show(ScreenId::frmTitle), 1);
    r.snap(ScreenId::frmTitle);
    r.closeAll();
    Shared.CurrentList = list;
    r.show(ScreenId::Main, 1000);
    r.snap(ScreenId::Main);
    r.closeAll();

    // Quiz: options, a question waiting for its answer, and a summary.
    chooseRow(r.show(ScreenId::QuizOptions), 1);
    r.snap(ScreenId::QuizOptions);
    r.closeAll();
    Shared.CurrentList = list;
    Shared.QuizType = 1;
    Shared.QuestionsLeft = 10;
    r.show(ScreenId::Quiz);
    r.snap(ScreenId::Quiz);
    r.closeAll();
    Shared.RightCount = 8;
    Shared.WrongCount = 2;
    r.show(ScreenId::summary, 600);
    r.snap(ScreenId::summary);
    r.closeAll();

    // Games.
    chooseRow(r.show(ScreenId::GameOption), 1);
    r.snap(ScreenId::GameOption);
    r.closeAll();

    Shared.CurrentList = list;
    if (auto *hangman = qobject_cast<Hangman *>(r.show(ScreenId::Hangman))) {
        // Three letters of the word and three not: a game part-way through.
        const QString word = Shared.CurrentWord.toLower();
        QString guesses;
        for (const QChar ch : word) {
            if (ch.isLetter() && !guesses.contains(ch) && guesses.size() < 3)
                guesses += ch;
        }
        for (const QChar ch : QStringLiteral("zqxkwj")) {
            if (!word.contains(ch) && guesses.size() < 6)
                guesses += ch;
        }
        for (const QChar ch : guesses) {
            hangman->GuessLetter->setText(QString(ch));
            hangman->Go_Click();
            wait(20);
        }
        wait(100);
        r.snap(ScreenId::Hangman);
        hangman->Hint_Click();
        r.snap(ScreenId::GiveHint);
        screens().close(ScreenId::GiveHint);
        // The outcome screens open over the game they end.
        r.snapDialog(ScreenId::youwin);
        r.snapDialog(ScreenId::LoseForm);
    }
    r.closeAll();

    Shared.CurrentList = list;
    r.show(ScreenId::Scramble, 1200);
    r.snap(ScreenId::Scramble);
    r.closeAll();
    Shared.ScrambleTime = 23;
    r.snapDialog(ScreenId::ScrambleWin);
    r.snapDialog(ScreenId::ScrambleLose);
    r.closeAll();

    Shared.CurrentList = list;
    if (auto *game = qobject_cast<Concentration *>(r.show(ScreenId::Concentration, 1200))) {
        game->Image1_Click(1);
        wait(100);
        r.snap(ScreenId::Concentration);
    }
    r.closeAll();

    r.show(ScreenId::ZapOptions);
    r.snap(ScreenId::ZapOptions);
    r.closeAll();
    Shared.CurrentList = list;
    Shared.ZapSpeed = 4000;
    Shared.ZapSound = 0;
    if (auto *zap = qobject_cast<Zap *>(r.show(ScreenId::Zap))) {
        zap->ReadyLabel_Click();
        wait(1500);
        r.snap(ScreenId::Zap);
    }
    r.closeAll();
    Shared.ZapScore = 1250;
    r.snapDialog(ScreenId::ZapDone);
    r.closeAll();

    // My Progress after some weeks with the first list: a pair missed at
    // first, then known on as many days as its place in the list gives,
    // and every seventh never asked.
    Shared.CurrentList = list;
    LoadList();
    const WordPairs pairs = loadedPairs();
    const QDateTime today = day;
    for (int i = 0; i < int(pairs.size()); ++i) {
        if (i % 7 == 6)
            continue;
        day = today.addDays(-12);
        progress::recorder().graded(pairs[i], i % 3 != 0);
        for (int k = 1; k <= i % 5; ++k) {
            day = today.addDays(-12 + k);
            progress::recorder().graded(pairs[i], true);
        }
    }
    day = today;
    if (Screen *mine = r.show(ScreenId::MyProgress)) {
        auto *lists = mine->findChild<QListWidget *>();
        if (const auto found = lists->findItems(list, Qt::MatchExactly); !found.isEmpty())
            lists->setCurrentItem(found.first());
        r.snap(ScreenId::MyProgress);
    }
    r.closeAll();

    // Teacher management.
    typeInto(r.show(ScreenId::PasswordForm), QStringLiteral("OPENDO"));
    r.snap(ScreenId::PasswordForm);
    r.closeAll();
    r.show(ScreenId::Manager);
    r.snap(ScreenId::Manager);
    r.snapDialog(ScreenId::ChangePassword);
    r.snapDialog(ScreenId::SoundOptions);
    r.snapDialog(ScreenId::SpeechForPupils);
    r.closeAll();
    chooseRow(r.show(ScreenId::LanguagesOfAList), 1);
    r.snap(ScreenId::LanguagesOfAList);
    r.closeAll();
    if (const auto store = ReadStore(); store && store->hasListNamed(list))
        writeClassFolder(Shared.AppPath, store->listNamed(list)->pairs);
    if (Screen *classView = r.show(ScreenId::ClassProgress)) {
        auto *lists = classView->findChild<QListWidget *>();
        if (const auto found = lists->findItems(list, Qt::MatchExactly); !found.isEmpty())
            lists->setCurrentItem(found.first());
        lists->setFocus();
    }
    r.snap(ScreenId::ClassProgress);
    r.closeAll();

    typeInto(r.show(ScreenId::CreateList), QStringLiteral("French - Food"));
    r.snap(ScreenId::CreateList);
    r.closeAll();
    Shared.NewListName = QStringLiteral("French - Food");
    typeInto(r.show(ScreenId::MakeNewList), QStringLiteral("le pain"));
    r.snap(ScreenId::MakeNewList);
    r.snapDialog(ScreenId::SureForm);
    r.closeAll();

    chooseRow(r.show(ScreenId::EditChooseList), 1);
    r.snap(ScreenId::EditChooseList);
    r.closeAll();
    Shared.CurrentList = list;
    if (auto *editor = qobject_cast<EditList *>(r.show(ScreenId::EditList))) {
        chooseRow(editor, 2);
        editor->WordList_Click();
        wait(50);
        r.snap(ScreenId::EditList);
        Shared.EditedListName = list;
        r.snapDialog(ScreenId::ChangeListName);
        Shared.CurrentWord = Shared.Words[3];
        Shared.CurrentMeaning = Shared.Meanings[3];
        r.snapDialog(ScreenId::DeletWordSure);
        r.snapDialog(ScreenId::EditWord);
        r.snapDialog(ScreenId::AddWord);
    }
    r.closeAll();

    chooseRow(r.show(ScreenId::DeleteList), 1);
    r.snap(ScreenId::DeleteList);
    r.closeAll();

    // The import preview of a spreadsheet file, with a row it refuses.
    const QString sheet = QDir(folder.path()).filePath(QStringLiteral("Spanish - Food.csv"));
    QFile sheetFile(sheet);
    if (sheetFile.open(QIODevice::WriteOnly))
        sheetFile.write("Word,Meaning\r\nel pan,bread\r\nla leche,milk\r\nel queso,\r\nla manzana,apple\r\n");
    sheetFile.close();
    exchange::setFileDialogHandler([sheet](exchange::FileDialog, const QString &, const QString &) { return sheet; });
    r.show(ScreenId::ImportList, 300);
    r.snap(ScreenId::ImportList);
    r.closeAll();
    exchange::setFileDialogHandler({});
    chooseRow(r.show(ScreenId::ExportList), 1);
    r.snap(ScreenId::ExportList);
    r.closeAll();
    chooseRow(r.show(ScreenId::PrintList), 1);
    r.snap(ScreenId::PrintList);
    r.closeAll();

    // One screen per script family: Cyrillic, Arabic (right to left) and an
    // Indic script whose letters carry vowel signs; in English only, since the
    // lists, not the interface, are what they show.
    if (!language.isEmpty()) {
        std::printf("%d screens pictured in %s\n", r.saved(), qPrintable(outDir));
        progress::recorder().reset();
        return r.failures() == 0 && r.saved() == int(ScreenNames.size()) ? 0 : 1;
    }
    if (!writeScriptsStore(appFile(QStringLiteral("thelists.dat"))))
        std::fprintf(stderr, "cannot write the store of every script\n");
    Shared.CurrentList = QStringLiteral("Русский - Животные");
    Shared.CardOrder = 1;
    Shared.CardSide = 1;
    Shared.StartLetter.clear();
    r.show(ScreenId::Main, 1000);
    r.snap(ScreenId::Main, QStringLiteral("-Russian"));
    r.closeAll();
    Shared.CurrentList = QStringLiteral("العربية - الطعام");
    Shared.QuizType = 2;
    Shared.QuestionsLeft = 10;
    r.show(ScreenId::Quiz);
    r.snap(ScreenId::Quiz, QStringLiteral("-Arabic"));
    r.closeAll();
    Shared.CurrentList = QStringLiteral("हिन्दी - घर");
    if (auto *hangman = qobject_cast<Hangman *>(r.show(ScreenId::Hangman))) {
        // The first letter of the word, then one that is not in it.
        for (const QString &guess : {letters::first(Shared.CurrentWord), QStringLiteral("क्ष")}) {
            hangman->GuessLetter->setText(guess);
            hangman->Go_Click();
            wait(20);
        }
        r.snap(ScreenId::Hangman, QStringLiteral("-Hindi"));
    }
    r.closeAll();

    std::printf("%d screens pictured in %s, and %d in other scripts\n", r.saved(), qPrintable(outDir), r.variants());
    // Writes under way end before the folder goes.
    progress::recorder().reset();
    return r.failures() == 0 && r.saved() == int(ScreenNames.size()) && r.variants() == 3 ? 0 : 1;
}
