#include "fieldeditors.h"
#include "modemrig.h"

#include <QtTest>

using Item = SetupView::Item;

namespace {

const QString kWrongPort = QStringLiteral("Wrong Server Port Number!");
const QString kSoon = QStringLiteral("The Merolan baud rate will change after pressing 'Finish programming'");
const QString kReset =
    QStringLiteral("Changing the Merolan baud rate will require a 3-minute reset after pressing 'Finish programming'");

} // namespace

class TestFieldEditors : public QObject
{
    Q_OBJECT
private slots:
    // Asked again until the number is 1 to 65535; empty or Cancel ends it
    // without a change. "-" stands for Cancel.
    void serverPort_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("refusals");
        QTest::newRow("plain") << QStringList{"502"} << "Server IP port: 502" << 502 << 0;
        QTest::newRow("leading number") << QStringList{"80abc"} << "Server IP port: 80" << 80 << 0;
        QTest::newRow("half to even") << QStringList{"1023.5"} << "Server IP port: 1024" << 1024 << 0;
        QTest::newRow("lowest after 0.5") << QStringList{"0.5", "1"} << "Server IP port: 1" << 1 << 1;
        QTest::newRow("highest after 65535.5")
            << QStringList{"65535.5", "65535"} << "Server IP port: 65535" << 65535 << 1;
        QTest::newRow("refused, then empty")
            << QStringList{"0", "70000", "x", ""} << "Server IP port: 4001" << 4001 << 3;
        QTest::newRow("cancel") << QStringList{"-"} << "Server IP port: 4001" << 4001 << 0;
    }
    void serverPort()
    {
        QFETCH(QStringList, answers);
        ModemRig rig;
        Session &s = rig.session;
        s.ModemSetup.HostPort = s.EditSetup.HostPort = 4001;
        rig.view.setCaption(Item::lblServerPort, QStringLiteral("Server IP port: 4001"));
        for (const QString &a : answers)
            rig.prompt.answerInput(a == QLatin1String("-") ? std::nullopt : std::optional<QString>(a));
        ServerPortClicked(s);
        QTEST(rig.view.caption(Item::lblServerPort), "caption");
        QTEST(int(s.EditSetup.HostPort), "port");
        QTEST(int(rig.prompt.messages().count(kWrongPort)), "refusals");
        QCOMPARE(rig.prompt.messages().size(), rig.prompt.messages().count(kWrongPort));
        const ScriptedPrompt::Shown &asked = rig.prompt.shown().first();
        QCOMPARE(asked.text + '|' + asked.title + '|' + asked.defaultText,
                 QStringLiteral("Server port number:|Merolan Server settings|"));
        QCOMPARE(rig.prompt.unusedAnswers(), 0);
        // A changed port colours the write button like every other editor.
        QCOMPARE(rig.view.marked(), s.EditSetup.HostPort != 4001);
    }

    // Trimmed and stored; an empty answer disables the alarm; Cancel keeps it.
    void smsNumber()
    {
        ModemRig rig;
        Session &s = rig.session;
        s.ModemSetup.SMSNum = s.EditSetup.SMSNum = QStringLiteral("+30690001");
        rig.prompt.answerInput(QStringLiteral("  +30 690 002 "));
        SMSClicked(s);
        QCOMPARE(rig.prompt.shown().last().defaultText, QStringLiteral("+30690001"));
        QCOMPARE(rig.prompt.shown().last().title, QStringLiteral("SMS number"));
        QCOMPARE(rig.prompt.shown().last().text,
                 QStringLiteral("Merolan will use this number to send a low power supply alarm. Leave field blank "
                                "to disable this alarm."));
        QCOMPARE(s.EditSetup.SMSNum, QStringLiteral("+30 690 002"));
        QCOMPARE(rig.view.caption(Item::lblSMS), QStringLiteral("Alarm SMS: +30 690 002"));
        QVERIFY(rig.view.marked());

        rig.prompt.answerInput(std::nullopt);
        SMSClicked(s);
        QCOMPARE(s.EditSetup.SMSNum, QStringLiteral("+30 690 002"));

        rig.prompt.answerInput(QStringLiteral(" "));
        SMSClicked(s);
        QCOMPARE(s.EditSetup.SMSNum, QString());
        QCOMPARE(rig.view.caption(Item::lblSMS), QStringLiteral("Alarm SMS: Disabled"));
        QVERIFY(rig.view.marked());

        // Taken as offered, a number with blanks from a file stays as stored.
        s.ModemSetup.SMSNum = s.EditSetup.SMSNum = QStringLiteral(" +30690003 ");
        rig.prompt.answerInput(QStringLiteral(" +30690003 "));
        SMSClicked(s);
        QCOMPARE(s.EditSetup.SMSNum, QStringLiteral(" +30690003 "));
    }

    // Told only while something is pending, by the firmware's version number.
    void baudNoticeByFirmware_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("nothing pending") << "3.0" << false << QStringList();
        QTest::newRow("3.0") << "3.0" << true << QStringList{kSoon};
        QTest::newRow("10.0 by number") << "10.0" << true << QStringList{kSoon};
        QTest::newRow("2.99") << "2.99" << true << QStringList{kReset};
        QTest::newRow("none") << "" << true << QStringList{kReset};
    }
    void baudNoticeByFirmware()
    {
        QFETCH(QString, firmware);
        QFETCH(bool, pending);
        ModemRig rig;
        rig.session.FirmwareVersion = firmware;
        rig.session.ModemSetup.Baud = 4;
        rig.session.EditSetup.Baud = pending ? 6 : 4;
        baudNotice(rig.session);
        QTEST(rig.prompt.messages(), "told");
    }
};

QTEST_GUILESS_MAIN(TestFieldEditors)
#include "tst_fieldeditors.moc"
