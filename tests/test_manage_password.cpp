// links: lingo_manage
#include "app/First.h"
#include "app/ScreenManager.h"
#include "app/core/SharedState.h"
#include "manage/ManageScreens.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QString alertText = "The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer "
                          "available to students, you should change the password to keep the files secure.";

QLineEdit *box(Screen *screen, const QString &name = "Password")
{
    for (auto *edit : screen->findChildren<QLineEdit *>())
        if (edit->accessibleName() == name)
            return edit;
    return nullptr;
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
    click(screens().show(ScreenId::Manager), "Change Password");
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
    void shippedPasswordInAnyCaseAlertsAndAWrongOneBeeps()
    {
        TestEnv env(TestEnv::defaultStore(), "OpenDoor\r\nx\r\nSound On\r\n");
        registerManageScreens(screens());
        Screen *gate = openGate();
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, "Password Alert");
        QCOMPARE(env.messages[0].text, alertText);

        // Ten characters at most, masked, kept through Cancel; the trailing
        // spaces are not trimmed away, so OK refuses them.
        QTest::keyClicks(box(gate), "opendoor   ");
        QCOMPARE(box(gate)->displayText(), QString(10, '*'));
        click(gate, "Cancel");
        QVERIFY(!gate->isVisible());
        QVERIFY(screens().isShown(ScreenId::First));
        QCOMPARE(openGate(), gate);
        QVERIFY(gate->isVisible());
        QCOMPARE(box(gate)->text(), "opendoor  ");
        QCOMPARE(env.messages.size(), 1);

        click(gate, "OK");
        settle();
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QVERIFY(!screens().exists(ScreenId::PasswordForm) && !screens().exists(ScreenId::Manager));
        QVERIFY(screens().isShown(ScreenId::First));
        gate = openGate(); // afresh: empty box, alert again
        QCOMPARE(box(gate)->text(), QString());
        QCOMPARE(env.messages.size(), 2);
    }

    void noStoredPasswordKeepsTheGateShut()
    {
        TestEnv env(TestEnv::defaultStore(), "\r\nx\r\nSound On\r\n");
        registerManageScreens(screens());
        QTest::keyClick(box(openGate()), Qt::Key_Return); // the empty box against the empty password
        settle();
        QVERIFY(!screens().exists(ScreenId::Manager) && !screens().exists(ScreenId::PasswordForm));
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.contains("lsdata.dat"));
    }

    void changeRewritesLineOneAndTheNewPasswordAdmitsInAnyCase()
    {
        TestEnv env(TestEnv::defaultStore(), "Secret\r\n\xe9t\xe9 kept \x81\r\nSound Off\r\n");
        registerManageScreens(screens());
        Screen *dialog = openChangePassword();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(box(dialog, "Old Password:")->echoMode(), QLineEdit::Normal);
        QCOMPARE(box(dialog, "New Password:")->echoMode(), QLineEdit::Password);

        fillChange(dialog, "Secret", "Lemon", "Lemon");
        click(dialog, "OK");
        QCOMPARE(env.read("lsdata.dat"), "Lemon\r\n\xe9t\xe9 kept \x81\r\nSound Off\r\n");
        QCOMPARE(Shared.NewPassword, "Lemon");
        QCOMPARE(env.takeSounds(), QStringList{"beep"});
        QVERIFY(labelShown(dialog, "Password Change Successful!"));
        QVERIFY(!labelShown(dialog, "Old Password:") && box(dialog, "Old Password:")->isHidden());
        QVERIFY(!shownButton(dialog, "Cancel"));
        click(dialog, "OK");
        settle();
        QVERIFY(!screens().exists(ScreenId::ChangePassword));
        QVERIFY(screens().isActive(ScreenId::Manager));

        screens().close(ScreenId::Manager);
        Screen *gate = openGate();
        QVERIFY(env.messages.isEmpty()); // an ordinary password gives no alert
        QTest::keyClicks(box(gate), "lEMON");
        QTest::keyClick(box(gate), Qt::Key_Return);
        settle();
        QVERIFY(screens().isShown(ScreenId::Manager));
        QVERIFY(!screens().exists(ScreenId::First) && !screens().exists(ScreenId::PasswordForm));
        QVERIFY(env.takeSounds().isEmpty());
    }

    void failedChangeBeepsAndEmptiesTheBoxes_data()
    {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addRow("old password in other case") << "opendoor" << "lemon" << "lemon";
        QTest::addRow("confirmation in other case") << "OPENDOOR" << "lemon" << "Lemon";
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
};

QTEST_MAIN(ManagePasswordTest)
#include "test_manage_password.moc"
