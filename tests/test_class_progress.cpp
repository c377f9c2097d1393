// links: lingo_manage
// The teacher's Class Progress screen over a class folder of two pupils'
// files and one that is not the named account's: what it shows, the CSV it
// exports, the sheet it prints, and a data folder without the class folder.
#include "manage/ClassProgress.h"
#include "manage/ManageScreens.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "progress/Book.h"
#include "support/DialogAnswers.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QProcess>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

QList<QStringList> cells(const QTableWidget *table)
{
    QList<QStringList> out;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c)
            row.append(table->item(r, c)->text());
        out.append(row);
    }
    return out;
}

// "word|meaning|R" or "...|W" answers, in order, as one account's file.
QByteArray bookOf(const QStringList &answers)
{
    progress::Book book;
    const QDateTime when(QDate(2026, 3, 2), QTime(10, 0));
    for (const QString &answer : answers)
        book.graded({answer.section(u'|', 0, 0), answer.section(u'|', 1, 1)}, answer.endsWith(QLatin1String("|R")), when);
    return book.toBytes();
}

// The screen, which has replaced the menu; nothing when it has not.
ClassProgress *openFromMenu()
{
    triggerMenu(screens().show(ScreenId::Manager), "Class Progress...");
    settle();
    return screens().exists(ScreenId::Manager) ? nullptr : screens().find<ClassProgress>(ScreenId::ClassProgress);
}

} // namespace

class ClassProgressTest : public QObject {
    Q_OBJECT
private slots:
    void classProgressScreen()
    {
        const passwd *me = ::getpwuid(::geteuid());
        if (!me)
            QSKIP("this account has no name, and the test names one pupil by it");
        // Two pupils this account may stand for: its number and its name.
        const QString uid = QString::number(::geteuid()), name = QString::fromLocal8Bit(me->pw_name);
        TestEnv env(TestEnv::utf8Lines({"Drinks", "eau", "water", "lait", "milk", "thé", "tea", "<New List>", "Bread",
                                        "pain", "bread"}));
        registerManageScreens(screens());
        DialogAnswers dialogs(env.path("printed.pdf"));

        // Without the class folder: told so, the chooser still works.
        ClassProgress *screen = openFromMenu();
        QVERIFY(screen);
        QCOMPARE(screen->Summary->text(),
                 "There is no class progress folder " + QDir::toNativeSeparators(env.path("progress")) + ".");
        screen->TheLists->setCurrentRow(rows(screen->TheLists).indexOf("Drinks"));
        QCOMPARE(screen->Pupils->rowCount() + screen->Missed->rowCount(), 0);
        QVERIFY(!screen->Export->isEnabled() && !screen->Print->isEnabled());
        QTest::mouseClick(screen->Close, Qt::LeftButton);
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager) && !screens().exists(ScreenId::ClassProgress));

        QVERIFY(QDir().mkpath(env.path("progress")));
        env.write("progress/" + uid + ".dat", bookOf({"eau|water|W", "lait|milk|R", "thé|tea|W", "pain|bread|R"}));
        env.write("progress/" + name + ".dat", bookOf({"eau|water|W", "eau|water|R", "thé|tea|R"}));
        // Named after an account this one is not.
        const QString other = uid == "4242" ? "4243" : "4242";
        env.write("progress/" + other + ".dat", bookOf({"lait|milk|W"}));

        screen = openFromMenu();
        QVERIFY(screen);
        QCOMPARE(screen->Skipped->text(), QString("Skipped: %1.dat (owned by %2, not by %1).").arg(other, name));
        QCOMPARE(screen->Summary->text(), QString("The progress of 2 pupils was read."));
        screen->TheLists->setCurrentRow(rows(screen->TheLists).indexOf("Drinks"));
        QCOMPARE(screen->Summary->text(), QString("2 pupils practised \"Drinks\"."));
        QList<QStringList> pupils{{uid, "1", "2", "33%"}, {name, "2", "1", "66%"}};
        std::sort(pupils.begin(), pupils.end());
        QCOMPARE(cells(screen->Pupils), pupils);
        QCOMPARE(cells(screen->Missed), (QList<QStringList>{{"eau", "water", "2"}, {"thé", "tea", "1"}}));
        screen->TheLists->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), screen->Pupils);

        dialogs.file = env.path("drinks");
        QTest::mouseClick(screen->Export, Qt::LeftButton);
        QByteArray csv = "\xEF\xBB\xBF";
        for (const QStringList &pupil : pupils)
            csv += "pupil,Drinks," + pupil[0].toUtf8() + "," + pupil[1].toUtf8() + "," + pupil[2].toUtf8() + "\r\n";
        csv += "missed,Drinks,eau,water,2\r\nmissed,Drinks,th\xC3\xA9,tea,1\r\n";
        QCOMPARE(env.read("drinks.csv"), csv);

        QTest::mouseClick(screen->Print, Qt::LeftButton);
        QProcess text;
        text.start("pdftotext", {"-layout", dialogs.printed, "-"});
        QVERIFY(text.waitForFinished(60000));
        const QString sheet = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *shown : {"Class progress: Drinks", "Share right", "33%", "Pupils who missed it", "thé"})
            QVERIFY2(sheet.contains(QString::fromUtf8(shown)), qPrintable(sheet));

        press(Qt::Key_Escape);
        QVERIFY(screens().isShown(ScreenId::Manager) && !screens().exists(ScreenId::ClassProgress));
    }
};

QTEST_MAIN(ClassProgressTest)
#include "test_class_progress.moc"
