// links: lingo_exchange lingo_manage lingo_flashcards
#include "flashcards/FlashcardScreens.h"
#include "flashcards/Main.h"
#include "flashcards/frmTitle.h"
#include "manage/ManageScreens.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "manage/exchange/ExchangeScreens.h"
#include "manage/exchange/ExportList.h"
#include "manage/exchange/ImportList.h"
#include "manage/exchange/PrintList.h"
#include "app/core/Cp1252.h"
#include "manage/exchange/ExchangeFiles.h"
#include "manage/exchange/ListExport.h"
#include "manage/exchange/ListImport.h"
#include "manage/exchange/ListVerbs.h"
#include "manage/exchange/Worksheet.h"
#include "support/DialogAnswers.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTextStream>

namespace {

QByteArray kvtml(const QString &body, const QString &title = QStringLiteral("From KDE"))
{
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                           "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n<information><title>")
            + title + QStringLiteral("</title></information>\n") + body + QStringLiteral("</kvtml>\n"))
        .toUtf8();
}

QString entry(int id, const QString &translations)
{
    return QStringLiteral("<entry id=\"%1\">%2</entry>\n").arg(id).arg(translations);
}

QString translation(int id, const QString &text)
{
    return QStringLiteral("<translation id=\"%1\"><text>%2</text></translation>").arg(id).arg(text);
}

// The store's bytes: its lines in Windows-1252, each ended by CR LF.
QByteArray storeBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += cp1252::encode(line).value() + "\r\n";
    return out;
}

QStringList report(const ImportResult &result)
{
    QStringList out;
    for (const RefusedRow &row : result.refused)
        out.append(QStringLiteral("%1: %2").arg(row.line).arg(ImportList::refusalText(row)));
    return out + ImportList::notesText(result);
}

void chooseList(QListWidget *lists, const QString &name)
{
    const auto found = lists->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    lists->setCurrentItem(found.first());
}

// Only the text left of the right margin on both A4 and Letter (552 pt: 15 mm in from A4's right edge), so a
// column pushed past the printable width is missed.
QString pdfText(const QString &pdf)
{
    QProcess text;
    text.start("pdftotext", {"-layout", "-x", "0", "-y", "0", "-W", "552", "-H", "842", pdf, "-"});
    if (!text.waitForFinished(60000))
        return {};
    return QString::fromUtf8(text.readAllStandardOutput());
}

// Lists in several scripts, for the round trips and the worksheets.
const QList<std::pair<const char *, WordPairs>> scriptLists{
    {"Russian", {{"собака", "друг человека"}, {"ёжик", "hedgehog, \"ёж\""}}},
    {"Greek", {{"ψυχή", "ψυχές; soul"}, {"ΟΔΟΣ", "Ἀθῆναι"}}},
    {"Polish, Czech, Turkish", {{"jabłko", "apple"}, {"řeka", "river"}, {"ışık", "İstanbul"}}},
    {"Arabic", {{"كتاب", "book"}, {"مدرسة", "مكان التعلم"}}},
    // pdftotext gives back neither Arabic vowel marks nor Devanagari conjuncts from a sheet.
    {"Arabic vowels, Hebrew, Hindi, Thai", {{"كِتَابٌ", " ١٢، عربي"}, {"ספר", "book"}, {"क्षत्रिय", "हिन्दी"}, {"ภาษาไทย", "Thai"}}},
    // The ideographs share their glyphs with radicals that come first in the font's map.
    {"Japanese", {{"日本語", "にほんご"}, {"大きい山", "月と木"}, {"カタカナ", "katakana"}}},
    {"Chinese, Korean, emoji", {{"𠮟る", "scold"}, {"한국어", "Korean"}, {"👨‍👩‍👧", "family"}, {"می‌خواهم", "I want"}}},
};

} // namespace

class ExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void import_data();
    void import();
    void roundTrip_data();
    void roundTrip();
    void exportBytes();
    void worksheetPdf_data();
    void worksheetPdf();
    void importExportPrintThenPractise();
    void verbsWithoutDisplay_data();
    void verbsWithoutDisplay();
};

void ExchangeTest::import_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("header");
    QTest::addColumn<QStringList>("block"); // the name offered, then each pair taken
    QTest::addColumn<QStringList>("report");
    QTest::addColumn<QString>("error");
    const auto take = [](const char *row, const QByteArray &file, const QString &fileName, const QStringList &block,
                         const QStringList &report = {}, HeaderChoice header = HeaderChoice::Detect) {
        QTest::newRow(row) << file << fileName << int(header) << block << report << QString();
    };
    const auto refuse = [](const char *row, const QByteArray &file, const QString &fileName, const QString &error) {
        QTest::newRow(row) << file << fileName << int(HeaderChoice::Detect) << QStringList{} << QStringList{} << error;
    };

    take("spreadsheet CSV",
         "\"Word\",\"Meaning\"\r\n\"dog\",\"Hund, der\"\r\ncat,\"Katze \"\"Mieze\"\"\"\r\n\"two\r\nlines\",zwei\r\n  mouse ,  Maus\r\n",
         "Sheet.csv", {"Sheet", "dog", "Hund, der", "cat", "Katze \"Mieze\"", "mouse", "Maus"},
         {"4: a line break inside the word"});
    take("semicolons in Windows-1252", "chien;dog\r\n\xE9l\xE8ve;pupil, student\r\n", "French.csv",
         {"French", "chien", "dog", "\u00E9l\u00E8ve", "pupil, student"});
    take("tabs, LF only", "house\tHaus\nfree time\tFreizeit, die\n", "German.tsv",
         {"German", "house", "Haus", "free time", "Freizeit, die"});
    QStringEncoder utf16le(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    take("UTF-16 with BOM", utf16le(QStringLiteral("Stra\u00DFe\tstreet\r\nEuro\t\u20AC\r\n")), "U16.txt",
         {"U16", "Stra\u00DFe", "street", "Euro", "\u20AC"});
    QStringEncoder utf16be(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
    take("UTF-16 big-endian, an emoji", utf16be(QStringLiteral("\U0001F600\tsmile\r\nEuro\t\u20AC\r\n")), "BE.txt",
         {"BE", "\U0001F600", "smile", "Euro", "\u20AC"});
    // Alef and a combining hamza, "e" and a combining accent: taken as the one letter a keyboard types.
    take("Arabic CSV, decomposed letters", "كِتَاب,book\r\nا\u0654ب,\"father, dad\"\r\nمدرسة,مكان التعلم\r\ne\u0301te\u0301,summer\r\n",
         "عربي.csv", {"عربي", "كِتَاب", "book", "أب", "father, dad", "مدرسة", "مكان التعلم", "été", "summer"});
    take("word = meaning", "der Hund = the dog\r\nKatze=cat, the\r\n\r\nno sign here\r\n", "eq.txt",
         {"eq", "der Hund", "the dog", "Katze", "cat, the"}, {"4: the meaning is empty"});
    take("three columns", "a,b,c\r\nd,e,f\r\n", "three.csv", {"three", "a", "b", "d", "e"},
         {"The file has 3 columns: the first two are taken as word and meaning."});
    take("header forced", "Spanish;English\r\nsol;sun\r\n", "h.csv", {"h", "sol", "sun"}, {}, HeaderChoice::Header);
    take("every refusal",
         ",nothing\r\n<New List>,x\r\nNo Lists,y\r\n\xC5\x82\xC3\xB3" "d\xC5\xBA,boat\r\nbe\x07ll,bell\r\npara,a\xE2\x80\xA9" "b\r\n"
         "q,\"a\r\nb\"\r\nlast,\"open",
         "bad.csv", {"bad", "\u0142\u00F3d\u017A", "boat"},
         {"1: the word is empty",
          "2: \"<New List>\" marks the word list file's structure and cannot be a word or meaning",
          "3: \"No Lists\" marks the word list file's structure and cannot be a word or meaning",
          "5: the control character U+0007 inside the word", "6: a line break inside the meaning",
          "7: a line break inside the meaning", "9: a quote that is never closed"});
    // Two languages: a comment is a note, not the meaning. One language: the hint is, even where an entry
    // carries a second text no identifier names.
    const auto hinted = [](int id, const QString &word, const QString &hint, const QString &extra) {
        return entry(id, "<translation id=\"0\"><text>" + word + "</text><comment>" + hint + "</comment></translation>" + extra);
    };
    take("KVTML, Bulgarian and English, ids out of order, nested lessons",
         kvtml(QStringLiteral("<identifiers><identifier id=\"0\"/><identifier id=\"1\"/></identifiers><entries>")
               + entry(0, translation(1, "dog") + translation(0, "куче")) + hinted(2, "щастие", "ср.", translation(1, "happiness"))
               + entry(1, translation(0, "lonely") + translation(1, "самотен"))
               + QStringLiteral("</entries>\n<lessons><container><name>L1</name><container><name>L2</name><entry id=\"2\"/>"
                                "</container><entry id=\"0\"/></container></lessons>\n"), "Животни"),
         "k.kvtml", {"Животни", "куче", "dog", "щастие", "happiness", "lonely", "самотен"});
    take("KVTML, one language with hints",
         kvtml("<identifiers><identifier id=\"0\"/></identifiers><entries>\n" + hinted(0, "медведь", "\n  Большой зверь ", "")
                   + hinted(1, "кот", "", "") + hinted(2, "élève", "pupil", translation(1, "student")) + "</entries>", "\n Животные\n"),
         "ru.kvtml", {"Животные", "медведь", "Большой зверь", "élève", "pupil"}, {"10: no meaning: the word has no hint"});
    take("KVTML, missing translations",
         kvtml(QStringLiteral("<entries>\n") + entry(0, translation(0, "only word")) + entry(1, translation(1, "only meaning"))
                   + entry(2, translation(0, "both") + translation(1, "beide")) + QStringLiteral("</entries>\n"),
               QString()),
         "Untitled.kvtml", {"Untitled", "both", "beide"}, {"6: the meaning is empty", "7: the word is empty"});
    refuse("KVTML, one translation, no hints", kvtml("<entries>" + entry(0, translation(0, "a")) + "</entries>"), "one.kvtml",
           "holds only one language and no hints");
    refuse("KVTML 1 without a version", "<?xml version=\"1.0\"?>\n<kvtml encoding=\"UTF-8\">\n<e><o>a</o><t>b</t></e></kvtml>",
           "old.kvtml", "an old KVTML 1 vocabulary");
    refuse("KVTML, truncated", kvtml("<entries>" + entry(0, translation(0, "a") + translation(1, "b"))).chopped(30),
           "cut.kvtml", "is not a readable XML file");
    static const char png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10";
    refuse("a PNG", QByteArray(png, sizeof png - 1), "pic.png", "is not a text file");
    QByteArray noise(4096, '\0');
    QRandomGenerator(15).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    refuse("random bytes", noise, "noise.bin", "is not a text file");
    refuse("one column", "just\r\nwords\r\n", "col.txt", "holds no word and meaning pairs");
    refuse("a 50 MB file", {}, "big.csv", "larger than 4 MB");

    QByteArray many;
    QStringList manyBlock{"many"};
    for (int i = 1; i <= 605; ++i) {
        many += QByteArray::number(i) + ",m" + QByteArray::number(i) + "\r\n";
        if (i <= 600)
            manyBlock << QString::number(i) << QStringLiteral("m%1").arg(i);
    }
    take("605 pairs", many, "many.csv", manyBlock,
         {"A list holds at most 600 words: the first 600 are taken and 5 more are left out."});
}

void ExchangeTest::import()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, fileName);
    QFETCH(int, header);
    QFETCH(QStringList, block);
    QFETCH(QStringList, report);
    QFETCH(QString, error);

    TestEnv env;
    env.write(fileName, file);
    if (file.isEmpty()) // stands for a file far too large for a word list
        QVERIFY(QFile::resize(env.path(fileName), 50 * 1024 * 1024));
    const exchange::FileRead read = exchange::readImportFile(env.path(fileName));
    const ImportResult result = readImport(read.bytes, env.path(fileName), HeaderChoice(header));
    const QString failure = read.ok() ? ImportList::failureText(result) : read.error;
    if (!error.isEmpty()) {
        QVERIFY2(failure.contains(fileName) && failure.contains(error), qPrintable(failure));
        return;
    }
    QCOMPARE(failure, QString());
    QCOMPARE(::report(result), report);
    QStringList taken{result.name};
    for (const WordPair &pair : result.pairs)
        taken << pair.word << pair.meaning;
    QCOMPARE(taken, block);
    // Into the store and out again, as the import and the export do.
    QCOMPARE(exchange::appendList(result.name, result.pairs).message, QString());
    QCOMPARE(exchange::pairsOfList(result.name), std::optional(result.pairs));
}

void ExchangeTest::roundTrip_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<WordPairs>("pairs");
    // Every character Windows-1252 prints (the bytes it leaves undefined
    // decode to control characters).
    WordPairs western;
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (const QChar c = cp1252::charFor(static_cast<unsigned char>(b)); c.category() != QChar::Other_Control)
            western.append({QString(c), QStringLiteral("x%1 %1").arg(c)});
    }
    western.append({QStringLiteral("  padded "), QStringLiteral("\"quoted\", \"twice\"")});
    for (const auto &[script, pairs] : scriptLists + QList{std::pair{"Windows-1252", western}}) {
        QTest::addRow("CSV, %s", script) << "list.csv" << pairs;
        QTest::addRow("KVTML, %s", script) << "list.kvtml" << pairs;
    }
}

// Pairs out, bytes, pairs back: every character comes back, and writing
// what was read gives the same bytes again.
void ExchangeTest::roundTrip()
{
    QFETCH(QString, fileName);
    QFETCH(WordPairs, pairs);
    const bool csv = exportFormatFor(fileName) == ExportFormat::Csv;
    const QString title = csv ? "list" : pairs[1].word; // CSV carries no title: the file's name is offered
    const auto write = [&](const QString &name, const WordPairs &list) {
        return csv ? csvBytes(list) : kvtmlBytes(name, list).bytes;
    };
    const QByteArray bytes = write(title, pairs);
    const ImportResult back = readImport(bytes, fileName);
    QCOMPARE(back.failure, ImportFailure::None);
    QCOMPARE(back.refused, QVector<RefusedRow>());
    QCOMPARE(back.pairs, pairs);
    QCOMPARE(back.name, title);
    QCOMPARE(write(back.name, back.pairs), bytes);
}

void ExchangeTest::exportBytes()
{
    const WordPairs pairs{{"a", "b"}, {"x, y", "say \"hi\""}, {" pad", "\u00E9t\u00E9"}};
    QCOMPARE(csvBytes(pairs), QByteArray("\xEF\xBB\xBF"
                                         "a,b\r\n\"x, y\",\"say \"\"hi\"\"\"\r\n\" pad\",\xC3\xA9t\xC3\xA9\r\n"));
    // XML cannot carry a control character: the refusal names the pair.
    const KvtmlBytes out = kvtmlBytes("L", {{"fine", "ok"}, {"be\x01l", "bell"}});
    QVERIFY(!out.ok());
    QCOMPARE(out.refusal, KvtmlBytes::Refusal::ControlInPair);
    const QString told = ExportList::refusalText(out);
    QVERIFY2(told.contains("Pair 2") && told.contains("U+0001"), qPrintable(told));
}

void ExchangeTest::worksheetPdf_data()
{
    QTest::addColumn<WordPairs>("pairs"); // the first word is the list's name
    QTest::addColumn<int>("blank");
    QTest::addColumn<int>("pages");
    WordPairs many;
    for (int i = 1; i <= 600; ++i)
        many.append({QStringLiteral("w%1x").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("m%1y").arg(i, 3, 10, QLatin1Char('0'))});
    QTest::addRow("600 pairs") << many << int(worksheet::Blank::None) << 25;
    QTest::addRow("600 pairs, meanings left empty") << many << int(worksheet::Blank::Meaning) << 25;
    for (const auto &[script, pairs] : scriptLists) {
        if (QByteArrayList{"Russian", "Greek", "Japanese", "Arabic"}.contains(script))
            QTest::addRow("%s", script) << pairs << int(worksheet::Blank::None) << 1;
    }
}

// Every word and meaning can be found in the PDF, and every font it uses travels inside it.
void ExchangeTest::worksheetPdf()
{
    QFETCH(WordPairs, pairs);
    QFETCH(int, blank);
    QFETCH(int, pages);
    QCOMPARE(worksheet::pageCount(24), 1);
    QCOMPARE(worksheet::pageCount(0), 1);
    TestEnv env;
    const QString pdf = env.path("sheet.pdf");
    const QString name = pairs[0].word;
    QCOMPARE(worksheet::savePdf(pdf, name, pairs, worksheet::Blank(blank)), QString());
    // Arabic comes back in the letters' presentation forms where a PDF reader cannot name the shaped glyphs.
    const auto form = QTest::currentDataTag() == QByteArrayView("Arabic") ? QString::NormalizationForm_KC
                                                                         : QString::NormalizationForm_C;
    const QString out = pdfText(pdf).normalized(form);
    QCOMPARE(out.count(u'\f'), pages);
    QVERIFY(out.contains(name.normalized(form)) && out.contains(QString("Page %1 of %1").arg(pages)));
    for (const WordPair &pair : pairs) {
        QVERIFY2(out.contains(pair.word.normalized(form)), qPrintable(pair.word + " in " + out));
        QCOMPARE(out.contains(pair.meaning.normalized(form)), blank == int(worksheet::Blank::None));
    }
    QProcess fonts;
    fonts.start("pdffonts", {pdf});
    QVERIFY(fonts.waitForFinished(60000));
    const QString listed = QString::fromUtf8(fonts.readAllStandardOutput());
    // The columns end: emb sub uni object generation.
    const QRegularExpression notEmbedded(R"(\bno +(yes|no) +(yes|no) +\d+ +\d+ *$)", QRegularExpression::MultilineOption);
    QVERIFY2(listed.count(u'\n') > 2 && !listed.contains(notEmbedded), qPrintable(listed));
}

// One teacher's round through the manager: a list imported, exported and
// printed, then practised with the flash cards.
void ExchangeTest::importExportPrintThenPractise()
{
    TestEnv env;
    registerManageScreens(screens());
    registerExchangeScreens(screens());
    registerFlashcardScreens(screens());
    env.write("class.csv", "word,meaning\r\nsol,sun\r\nluna,moon\r\n,empty\r\n");
    DialogAnswers dialogs(env.path("printed.pdf"));

    // Cancelling the file dialog goes back to the menu, nothing written.
    triggerMenu(screens().show(ScreenId::Manager), "Import a List...");
    settle();
    QVERIFY(screens().isShown(ScreenId::Manager) && !screens().exists(ScreenId::ImportList));

    env.write("pic.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    dialogs.file = env.path("pic.png");
    triggerMenu(screens().find(ScreenId::Manager), "Import a List...");
    settle();
    auto *import = screens().find<ImportList>(ScreenId::ImportList);
    QVERIFY(import && !screens().exists(ScreenId::Manager));
    QCOMPARE(import->CountLabel->text(), QString("No words can be taken from this file."));
    QVERIFY(!import->NameBox->isEnabled() && !import->Import->isEnabled());
    dialogs.file = env.path("class.csv");
    QTest::mouseClick(import->ChooseFile, Qt::LeftButton);
    QCOMPARE(import->NameBox->text(), QString("class"));
    QCOMPARE(import->CountLabel->text(), QString("Words that will be taken: 2"));
    QCOMPARE(import->Rows->columnCount(), 2);
    QCOMPARE(import->Rows->item(1, 1)->text(), QString("moon"));
    QVERIFY(import->HeaderBox->isChecked());
    QCOMPARE(rows(import->Refused), QStringList{"Line 4: the word is empty"});
    // Unticked, the header row is taken as a pair. The click is on the box
    // itself: the middle of the control lies past its caption in some fonts.
    const QPoint onTheBox(8, import->HeaderBox->height() / 2);
    QTest::mouseClick(import->HeaderBox, Qt::LeftButton, {}, onTheBox);
    QCOMPARE(import->CountLabel->text(), QString("Words that will be taken: 3"));
    QTest::mouseClick(import->HeaderBox, Qt::LeftButton, {}, onTheBox);

    import->NameBox->setText("Animals");
    QTest::mouseClick(import->Import, Qt::LeftButton);
    QVERIFY(env.messages.last().text.startsWith("There is already a list named \"Animals\""));
    QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore());
    QVERIFY(screens().isShown(ScreenId::ImportList));

    import->NameBox->setText("Spanish");
    QTest::mouseClick(import->Import, Qt::LeftButton);
    settle();
    QCOMPARE(env.read("thelists.dat"),
             TestEnv::defaultStore() + storeBytes({"<New List>", "Spanish", "sol", "sun", "luna", "moon"}));
    QVERIFY(screens().isShown(ScreenId::Manager) && !screens().exists(ScreenId::ImportList));

    triggerMenu(screens().find(ScreenId::Manager), "Export a List...");
    auto *exporter = screens().find<ExportList>(ScreenId::ExportList);
    QVERIFY(exporter && !screens().exists(ScreenId::Manager));
    QCOMPARE(rows(exporter->TheLists), (QStringList{"Animals", "Colours", "Spanish"}));
    QTest::mouseClick(exporter->Export, Qt::LeftButton);
    QVERIFY(screens().isShown(ScreenId::ChooseAList));
    chooseList(exporter->TheLists, "Colours");
    dialogs.file = env.path("colours.csv");
    QTest::mouseClick(exporter->Export, Qt::LeftButton);
    QCOMPARE(env.read("colours.csv"), QByteArray("\xEF\xBB\xBFred,rojo\r\nblue,azul\r\n"));
    dialogs.file = env.path("colours");
    QTest::mouseClick(exporter->Export, Qt::LeftButton);
    QCOMPARE(env.read("colours.csv"), QByteArray("\xEF\xBB\xBFred,rojo\r\nblue,azul\r\n"));
    dialogs.file = env.path("colours.kvtml");
    QTest::mouseClick(exporter->Export, Qt::LeftButton);
    QCOMPARE(readImport(env.read("colours.kvtml"), "colours.kvtml").pairs, (WordPairs{{"red", "rojo"}, {"blue", "azul"}}));
    // The export verb in this process too: the verb rows below need the program built beside the tests.
    QString said;
    QTextStream verbOut(&said);
    QCOMPARE(exportVerb("Colours", env.path("c.kvtml"), verbOut, verbOut), 0);
    QTest::mouseClick(exporter->Finished, Qt::LeftButton);
    QVERIFY(screens().isShown(ScreenId::Manager) && !screens().exists(ScreenId::ExportList));

    triggerMenu(screens().find(ScreenId::Manager), "Print a List...");
    auto *print = screens().find<PrintList>(ScreenId::PrintList);
    QVERIFY(print);
    chooseList(print->TheLists, "Animals");
    QTest::mouseClick(print->Print, Qt::LeftButton);
    QVERIFY(env.read("printed.pdf").startsWith("%PDF"));
    print->BlankWords->setChecked(true);
    dialogs.file = env.path("sheet");
    QTest::mouseClick(print->SavePdf, Qt::LeftButton);
    const QString out = pdfText(env.path("sheet.pdf"));
    QVERIFY(out.contains("perro") && !out.contains("horse"));
    QVERIFY(env.messages.last().text.startsWith("The worksheet of \"Animals\" was saved as "));
    QTest::mouseClick(print->Finished, Qt::LeftButton);
    QVERIFY(screens().isShown(ScreenId::Manager) && !screens().exists(ScreenId::PrintList));

    screens().close(ScreenId::Manager);
    auto *options = qobject_cast<frmTitle *>(screens().show(ScreenId::frmTitle));
    chooseList(options->TheLists, "Spanish");
    QTest::mouseClick(options->Begin, Qt::LeftButton);
    settle();
    auto *card = screens().find<Main>(ScreenId::Main);
    QVERIFY(card);
    QCOMPARE(card->viewer().wordCaption(), QString("luna"));
    QCOMPARE(card->viewer().meaningCaption(), QString("moon"));
}

void ExchangeTest::verbsWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QStringList>("added"); // the store's lines after the default store

    QTest::addRow("lists") << QStringList{"lists"} << 0 << "Animals\nColours\n" << "" << QStringList{};
    QTest::addRow("import, header kept") << QStringList{"import", "@/w.csv", "--name", "Vocab", "--no-header"} << 0
                                         << "Added the list \"Vocab\" with 2 words from @/w.csv.\n" << ""
                                         << QStringList{"<New List>", "Vocab", "word", "meaning", "sol", "sun"};
    QTest::addRow("import, a row not taken") << QStringList{"import", "@/sp.txt"} << 0
                                             << "Added the list \"sp\" with 1 word from @/sp.txt.\n"
                                             << "@/sp.txt:2: not taken: the meaning is empty\n"
                                             << QStringList{"<New List>", "sp", "sol", "sun"};
    QTest::addRow("import, empty name") << QStringList{"import", "@/w.csv", "--name", ""} << 1 << ""
                                        << "lingo-spark: Please type a name for the list." << QStringList{};
    QTest::addRow("import, a picture") << QStringList{"import", "@/p.png"} << 1 << ""
                                       << "lingo-spark: @/p.png is not a text file" << QStringList{};
    QTest::addRow("import, both header options") << QStringList{"import", "@/w.csv", "--header", "--no-header"} << 2
                                                 << "" << "cannot both be given" << QStringList{};
    QTest::addRow("export KVTML") << QStringList{"export", "Colours", "@/c.kvtml"} << 0
                                  << "Wrote the 2 words of \"Colours\" to @/c.kvtml.\n" << "" << QStringList{};
    QTest::addRow("export, no such list") << QStringList{"export", "Nope", "@/n.csv"} << 1 << ""
                                          << "lingo-spark: there is no list named \"Nope\"" << QStringList{};
    QTest::addRow("export, unknown ending") << QStringList{"export", "Colours", "@/c.doc"} << 1 << ""
                                            << "must end in .csv or .kvtml" << QStringList{};
}

void ExchangeTest::verbsWithoutDisplay()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, added);
    const QString program = QCoreApplication::applicationDirPath() + "/../lingo-spark";
    if (!QFile::exists(program))
        QSKIP("the program is not built");

    TestEnv env;
    env.write("w.csv", "word,meaning\r\nsol,sun\r\n");
    env.write("sp.txt", "sol = sun\r\nluna\r\n");
    env.write("p.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const QString folder = env.path(".").chopped(2);
    for (QString &arg : args)
        arg.replace("@", folder);
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LINGO_SPARK_DATA"})
        environment.remove(name);
    run.setProcessEnvironment(environment);
    run.start(program, args + QStringList{"--data", folder});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(run.readAllStandardOutput()), out.replace("@", folder));
    const QString errors = QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(err.isEmpty() ? errors.isEmpty() : errors.contains(err.replace("@", folder)), qPrintable(errors));
    QCOMPARE(run.exitCode(), status);
    QCOMPARE(env.read("thelists.dat"), TestEnv::defaultStore() + storeBytes(added));
    if (args.first() == "export" && status == 0)
        QCOMPARE(readImport(env.read("c.kvtml"), "c.kvtml").pairs, (WordPairs{{"red", "rojo"}, {"blue", "azul"}}));
}

QTEST_MAIN(ExchangeTest)
#include "test_exchange.moc"
