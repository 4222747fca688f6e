#include "setupdiagram.h"

#include <QSignalSpy>
#include <QtTest>

// Each click target of the diagram reaches exactly its own editor: a click
// that opened the wrong dialog, or the schedule of the wrong device, would
// edit another setting than the one the technician pointed at.
class TestSetupDiagram : public QObject
{
    Q_OBJECT

    struct Spies
    {
        explicit Spies(SetupDiagram &d)
            : gprs(&d, &SetupDiagram::gprsClicked), server(&d, &SetupDiagram::serverClicked),
              serverPort(&d, &SetupDiagram::serverPortClicked), sms(&d, &SetupDiagram::smsClicked),
              email(&d, &SetupDiagram::emailClicked), baud(&d, &SetupDiagram::baudClicked),
              schedule(&d, &SetupDiagram::scheduleClicked), device(&d, &SetupDiagram::deviceClicked),
              password(&d, &SetupDiagram::passwordClicked), clock(&d, &SetupDiagram::clockClicked)
        {}
        // "name" or "name index" of every signal emitted, in order.
        QStringList fired() const
        {
            QStringList out;
            const std::pair<const char *, const QSignalSpy *> plain[] = {
                {"gprs", &gprs},   {"server", &server}, {"serverPort", &serverPort}, {"sms", &sms},
                {"email", &email}, {"baud", &baud},     {"password", &password},     {"clock", &clock}};
            for (const auto &[name, spy] : plain) {
                for (qsizetype i = 0; i < spy->size(); ++i)
                    out << QLatin1String(name);
            }
            for (const auto &[name, spy] : {std::pair{"schedule", &schedule}, std::pair{"device", &device}}) {
                for (const QList<QVariant> &args : *spy)
                    out << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(args.at(0).toInt());
            }
            return out;
        }
        QSignalSpy gprs, server, serverPort, sms, email, baud, schedule, device, password, clock;
    };

private slots:
    void eachTargetOpensItsEditor_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("editor");
        const std::pair<const char *, const char *> rows[] = {
            {"lblAPN", "gprs"},          {"lblProviderUser", "gprs"},   {"lblProviderPWD", "gprs"},
            {"lblTessarinIP", "server"}, {"lblTessarinPort", "server"}, {"lblServerPort", "serverPort"},
            {"lblSMS", "sms"},           {"lblEmail", "email"},         {"lblBaud", "baud"},
            {"lblTime0", "schedule 0"},  {"imgTime0", "schedule 0"},    {"lblTime1", "schedule 1"},
            {"imgTime1", "schedule 1"},  {"lblTime2", "schedule 2"},    {"imgTime2", "schedule 2"},
            {"lblDevice0", "device 0"},  {"imgDevice0", "device 0"},    {"lblDevice1", "device 1"},
            {"imgDevice1", "device 1"},  {"lblDevice2", "device 2"},    {"imgDevice2", "device 2"},
            {"lblPWDSet", "password"},   {"lblTimeSet", "clock"},
        };
        for (const auto &[target, editor] : rows)
            QTest::newRow(target) << QString::fromLatin1(target) << QString::fromLatin1(editor);
    }

    void eachTargetOpensItsEditor()
    {
        QFETCH(QString, target);
        QFETCH(QString, editor);
        SetupDiagram diagram;
        // Every element on show, as with the client role; the e-mail line
        // is open in logger mode only.
        diagram.showRole(0);
        diagram.showLogger(target == QLatin1String("lblEmail"), 0);
        diagram.showDevices(3);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        auto *widget = diagram.findChild<QWidget *>(target);
        QVERIFY(widget);
        if (target == QLatin1String("lblServerPort"))
            diagram.showRole(1);
        QVERIFY(widget->isVisible());
        Spies spies(diagram);

        // Only the left button counts.
        QTest::mouseClick(widget, Qt::RightButton);
        QCOMPARE(spies.fired(), QStringList());
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(spies.fired(), QStringList{editor});

        // A diagram disabled while the modem is talked to opens nothing.
        diagram.setEnabled(false);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(spies.fired(), QStringList{editor});
    }

    // Captions and pictures that are no click target stay inert.
    void decorationsOpenNothing()
    {
        SetupDiagram diagram;
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        Spies spies(diagram);
        for (const char *name : {"lblVersion", "lblSerial", "lblBattery", "lblClock", "lblPWD", "lblNetwork",
                                 "lblMerolan", "lblServer", "imgMerolan"}) {
            auto *widget = diagram.findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(widget, name);
            QTest::mouseClick(widget, Qt::LeftButton);
        }
        QCOMPARE(spies.fired(), QStringList());
    }
};

QTEST_MAIN(TestSetupDiagram)
#include "tst_setupdiagram.moc"
