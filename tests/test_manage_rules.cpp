// links: lingo_manage
#include "app/core/StoreContent.h"
#include "manage/TeacherSettings.h"

#include <QTest>

namespace {

QList<QByteArray> bytes(const QStringList &lines)
{
    QList<QByteArray> out;
    for (const QString &line : lines)
        out.append(line.toLatin1());
    return out;
}

const QStringList abc{"A", "a1", "m1", "a2", "m2", "<New List>", "B", "b1", "n1", "<New List>", "C", "c1", "o1"};

} // namespace

class ManageRulesTest : public QObject {
    Q_OBJECT

private slots:
    void deletion_data()
    {
        QTest::addColumn<QStringList>("store");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("after");

        QTest::addRow("B of A, B, C") << abc << 1
                                      << QStringList{"A", "a1", "m1", "a2", "m2", "<New List>", "C", "c1", "o1"};
        QTest::addRow("A of A, B, C: no leading separator")
            << abc << 0 << QStringList{"B", "b1", "n1", "<New List>", "C", "c1", "o1"};
        QTest::addRow("C of A, B, C") << abc << 2
                                      << QStringList{"A", "a1", "m1", "a2", "m2", "<New List>", "B", "b1", "n1"};
        QTest::addRow("the only list") << QStringList{"A", "w", "m"} << 0 << QStringList{"No Lists"};
        QTest::addRow("the No Lists entry of an empty store") << QStringList{"No Lists"} << 0
                                                              << QStringList{"No Lists"};
        QTest::addRow("a list without pairs in the middle")
            << QStringList{"A", "w", "m", "<New List>", "B", "<New List>", "C"} << 1
            << QStringList{"A", "w", "m", "<New List>", "C"};
        QTest::addRow("same name, first selected")
            << QStringList{"X", "one", "1", "<New List>", "X", "two", "2"} << 0 << QStringList{"X", "two", "2"};
        QTest::addRow("same name, second selected")
            << QStringList{"X", "one", "1", "<New List>", "X", "two", "2"} << 1 << QStringList{"X", "one", "1"};
        QTest::addRow("a word equal to the name is not a name line")
            << QStringList{"A", "B", "bee", "<New List>", "B", "x", "y"} << 1 << QStringList{"A", "B", "bee"};
        QTest::addRow("a blank first name survives another deletion")
            << QStringList{"", "w", "m", "<New List>", "B", "x", "y"} << 1 << QStringList{"", "w", "m"};
        QTest::addRow("a position past the last list changes nothing") << abc << 3 << abc;
        QTest::addRow("no list chosen changes nothing") << abc << -1 << abc;
    }

    void deletion()
    {
        QFETCH(QStringList, store);
        QFETCH(int, position);
        QFETCH(QStringList, after);
        StoreContent content = StoreContent::fromFileLines(bytes(store));
        content.removeAt(position);
        QCOMPARE(content.fileLines(), bytes(after));
    }

    void settingsLinesKeepTheirPlaces()
    {
        const QList<QByteArray> full{"old", "\xe9 kept \xff", "Sound On", "more"};
        QCOMPARE(teacher::withPassword(full, "new"), (QList<QByteArray>{"new", "\xe9 kept \xff", "Sound On", "more"}));
        QCOMPARE(teacher::withSoundDefault(full, false),
                 (QList<QByteArray>{"old", "\xe9 kept \xff", "Sound Off", "more"}));
        QCOMPARE(teacher::withPassword({}, "new"), (QList<QByteArray>{"new", "", ""}));
        QCOMPARE(teacher::withSoundDefault({"pw"}, true), (QList<QByteArray>{"pw", "", "Sound On"}));
    }

    void passwordsIgnoreCaseOnly()
    {
        QVERIFY(teacher::passwordAdmits("LEMON", "Lemon"));
        QVERIFY(!teacher::passwordAdmits("Lemons", "Lemon"));
        QVERIFY(teacher::isShippedPassword("OpenDoor"));
        QVERIFY(!teacher::isShippedPassword("open door"));
    }
};

QTEST_MAIN(ManageRulesTest)
#include "test_manage_rules.moc"
