// links: lingo_manage
#include "app/First.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "manage/ManageScreens.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString alertText = "The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer "
                          "available to students, you should change the password to keep the files secure.";

QPushButton *shownButton(Screen *screen, const QString &caption)
{
    for (auto *b : screen->findChildren<QPushButton *>())
        if (b->text() == caption && !b->isHidden())
            return b;
    return nullptr;
}

QLineEdit *box(Screen *screen, const QString &name = "Password")
{
    for (auto *edit : screen->findChildren<QLineEdit *>())
        if (edit->accessibleName() == name)
            return edit;
    return nullptr;
}

bool labelShown(Screen *screen, const QString &text)
{
    for (auto *label : screen->findChildren<QLabel *>())
        if (label->text() == text && !label->isHidden())
            return true;
    return false;
}

// The start screen with its menu's "Teacher Management" chosen.
Screen *openGate()
{
    auto *first = qobject_cast<First *>(screens().find(ScreenId::First));
    if (!first)
        first = qobject_cast<First *>(screens().show(ScreenId::First));
    first->Manage_Click();
    return screens().find(ScreenId::PasswordForm);
}

Screen *openChangePassword()
{
    screens().show(ScreenId::Manager);
    QTest::mouseClick(shownButton(screens().find(ScreenId::Manager), "Change Password"), Qt::LeftButton);
    return screens().find(ScreenId::ChangePassword);
}

void fillChange(Screen *dialog, const QString &oldPassword, const QString &newPassword, const QString &confirmation)
{
    QTest::keyClicks(box(dialog, "Old Password:"), oldPassword);
    QTest::keyClicks(box(dialog, "New Password:"), newPassword);
    QTest::keyClicks(box(dialog, "Confirm New Password:"), confirmation);
}

} // namespace

class ManagePasswordTest : public QObject {
    Q_OBJECT

private slots:
    void rightPasswordInAnyCaseAdmitsByEnter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addRow("Return") << int(Qt::Key_Return);
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void rightPasswordInAnyCaseAdmitsByEnter()
    {
        QFETCH(int, key);
        TestEnv env;
        registerManageScreens(screens());
        Screen *gate = openGate();
        QVERIFY(gate && gate->isVisible());
        QTest::keyClicks(box(gate), "oPeNdOoR");
        QTest::keyClick(box(gate), Qt::Key(key));
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager));
        QVERIFY(!screens().exists(ScreenId::First));
        QVERIFY(!screens().exists(ScreenId::PasswordForm));
        QVERIFY(env.takeSounds().isEmpty());
        QVERIFY(!env.programEnded());
    }

    void shippedPasswordAlertsAndCancelKeepsWhatWasTyped()
    {
        TestEnv env;
        registerManageScreens(screens());
        Screen *gate = openGate();
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, "Password Alert");
        QCOMPARE(env.messages[0].text, alertText);

        QTest::keyClicks(box(gate), "open");
        QTest::mouseClick(shownButton(gate, "Cancel"), Qt::LeftButton);
        QVERIFY(!gate->isVisible());
        QVERIFY(screens().isShown(ScreenId::First));

        QCOMPARE(openGate(), gate);
        QVERIFY(gate->isVisible());
        QCOMPARE(box(gate)->text(), "open");
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.takeSounds().isEmpty());

        // An ordinary password gives no alert.
        TestEnv other(TestEnv::defaultStore(), "lemon\r\nx\r\nSound On\r\n");
        registerManageScreens(screens());
        openGate();
        QVERIFY(other.messages.isEmpty());
    }

    void wrongPasswordBeepsAndClosesTheGate()
    {
        TestEnv env(TestEnv::defaultStore(), "OpenDoor\r\nx\r\nSound On\r\n");
        registerManageScreens(screens());
        Screen *gate = openGate();
        QCOMPARE(env.messages.size(), 1); // the shipped password in another case still alerts
        QTest::keyClicks(box(gate), "opendoor ");
        QTest::mouseClick(shownButton(gate, "OK"), Qt::LeftButton);
        settle();
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QVERIFY(!screens().exists(ScreenId::PasswordForm));
        QVERIFY(!screens().exists(ScreenId::Manager));
        QVERIFY(screens().isShown(ScreenId::First));

        // Choosing the menu again starts afresh: empty box, alert again.
        gate = openGate();
        QCOMPARE(box(gate)->text(), QString());
        QCOMPARE(env.messages.size(), 2);
    }

    void passwordBoxMasksWithStarsAndTakesTenCharacters()
    {
        TestEnv env;
        registerManageScreens(screens());
        QLineEdit *edit = box(openGate());
        QTest::keyClicks(edit, "abcdefghijk");
        QCOMPARE(edit->text(), "abcdefghij");
        QCOMPARE(edit->displayText(), QString(10, '*'));
    }

    void noStoredPasswordKeepsTheGateShut()
    {
        TestEnv env(TestEnv::defaultStore(), "\r\nx\r\nSound On\r\n");
        registerManageScreens(screens());
        Screen *gate = openGate();
        QTest::keyClick(box(gate), Qt::Key_Return); // the empty box against the empty password
        settle();
        QVERIFY(!screens().exists(ScreenId::Manager));
        QVERIFY(!screens().exists(ScreenId::PasswordForm));
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("lsdata.dat"));

        QFile::remove(env.path("lsdata.dat"));
        openGate();
        QTest::keyClick(box(screens().find(ScreenId::PasswordForm)), Qt::Key_Return);
        settle();
        QVERIFY(!screens().exists(ScreenId::Manager));
        QCOMPARE(env.messages.size(), 2);
        QVERIFY(env.messages[1].text.contains("lsdata.dat"));
    }

    void changeRewritesLineOneOnlyAndTheNewPasswordAdmits()
    {
        const QByteArray rest = "\xe9t\xe9  kept as it is \x81\r\nSound Off\r\nline four\r\n";
        TestEnv env(TestEnv::defaultStore(), "Secret\r\n" + rest);
        registerManageScreens(screens());
        Screen *dialog = openChangePassword();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(box(dialog, "Old Password:")->echoMode(), QLineEdit::Normal);
        QCOMPARE(box(dialog, "New Password:")->echoMode(), QLineEdit::Password);

        fillChange(dialog, "Secret", "Lemon", "Lemon");
        QTest::mouseClick(shownButton(dialog, "OK"), Qt::LeftButton);
        QCOMPARE(env.read("lsdata.dat"), "Lemon\r\n" + rest);
        QCOMPARE(Shared.NewPassword, "Lemon");
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QVERIFY(labelShown(dialog, "Password Change Successful!"));
        QVERIFY(!labelShown(dialog, "Old Password:"));
        QVERIFY(box(dialog, "Old Password:")->isHidden());
        QVERIFY(!shownButton(dialog, "Cancel"));

        QTest::mouseClick(shownButton(dialog, "OK"), Qt::LeftButton);
        settle();
        QVERIFY(!screens().exists(ScreenId::ChangePassword));
        QVERIFY(screens().isActive(ScreenId::Manager));

        screens().close(ScreenId::Manager);
        Screen *gate = openGate();
        QVERIFY(env.messages.isEmpty());
        QTest::keyClicks(box(gate), "lemon");
        QTest::keyClick(box(gate), Qt::Key_Return);
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager));
    }

    void failedChangeBeepsAndEmptiesTheBoxes_data()
    {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addRow("old password in other case") << "opendoor" << "lemon" << "lemon";
        QTest::addRow("confirmation in other case") << "OPENDOOR" << "lemon" << "Lemon";
        QTest::addRow("wrong old password") << "OPEN" << "lemon" << "lemon";
        QTest::addRow("empty confirmation") << "OPENDOOR" << "lemon" << "";
        QTest::addRow("all empty") << "" << "" << "";
    }

    void failedChangeBeepsAndEmptiesTheBoxes()
    {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        TestEnv env;
        registerManageScreens(screens());
        Screen *dialog = openChangePassword();
        fillChange(dialog, oldPassword, newPassword, confirmation);
        QTest::keyClick(box(dialog, "Confirm New Password:"), Qt::Key_Return);
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        for (const QString name : {"Old Password:", "New Password:", "Confirm New Password:"})
            QCOMPARE(box(dialog, name)->text(), QString());
        QCOMPARE(env.read("lsdata.dat"), "OPENDOOR\r\nx\r\nSound On\r\n");
        QVERIFY(shownButton(dialog, "Cancel"));
        QVERIFY(!labelShown(dialog, "Password Change Successful!"));
    }

    void shortSettingsFileIsWrittenWithThreeLines()
    {
        TestEnv env(TestEnv::defaultStore(), "pw\r\n");
        registerManageScreens(screens());
        Screen *dialog = openChangePassword();
        fillChange(dialog, "pw", "new", "new");
        QTest::mouseClick(shownButton(dialog, "OK"), Qt::LeftButton);
        QCOMPARE(env.read("lsdata.dat"), "new\r\n\r\n\r\n");
    }

    void activatingTheMenuClosesTheChangeWithoutWriting()
    {
        TestEnv env;
        registerManageScreens(screens());
        Screen *dialog = openChangePassword();
        settle();
        fillChange(dialog, "OPENDOOR", "lemon", "lemon");
        screens().activate(ScreenId::Manager);
        settle();
        QVERIFY(!screens().exists(ScreenId::ChangePassword));
        QCOMPARE(env.read("lsdata.dat"), "OPENDOOR\r\nx\r\nSound On\r\n");
        dialog = openChangePassword();
        QCOMPARE(box(dialog, "Old Password:")->text(), QString());
        QVERIFY(!env.programEnded());
    }
};

QTEST_MAIN(ManagePasswordTest)
#include "test_manage_password.moc"
