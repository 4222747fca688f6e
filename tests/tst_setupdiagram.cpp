#include "frmselcon.h"
#include "memorylink.h"
#include "scriptedprompt.h"
#include "setupdiagram.h"
#include "simmodem.h"
#include "virtualclock.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;

namespace {

// Whether a line shows the change mark, in the write button's light red.
bool marked(QWidget *line)
{
    const QImage image = line->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *begin = reinterpret_cast<const QRgb *>(image.constBits());
    const auto *end = begin + image.sizeInBytes() / 4;
    return std::find(begin, end, qRgb(255, 128, 128)) != end;
}

} // namespace

// Each click target of the diagram reaches exactly its own editor: a click
// that opened the wrong dialog, or the schedule of the wrong device, would
// edit another setting than the one the technician pointed at.
class TestSetupDiagram : public QObject
{
    Q_OBJECT

    // "name" or "name index" of every editor the diagram asked for, in order.
    struct Spies
    {
        QObject context; // ends the connections with the recorder
        QStringList names;

        explicit Spies(SetupDiagram &d)
        {
            const std::pair<void (SetupDiagram::*)(), const char *> plain[] = {
                {&SetupDiagram::gprsClicked, "gprs"},
                {&SetupDiagram::serverClicked, "server"},
                {&SetupDiagram::serverPortClicked, "serverPort"},
                {&SetupDiagram::smsClicked, "sms"},
                {&SetupDiagram::emailClicked, "email"},
                {&SetupDiagram::baudClicked, "baud"},
                {&SetupDiagram::passwordClicked, "password"},
                {&SetupDiagram::clockClicked, "clock"}};
            for (const auto &[signal, name] : plain)
                connect(&d, signal, &context, [this, name] { names << QLatin1String(name); });
            for (const auto &[signal, name] :
                 {std::pair{&SetupDiagram::scheduleClicked, "schedule"}, {&SetupDiagram::deviceClicked, "device"}})
                connect(&d, signal, &context,
                        [this, name](int i) { names << u"%1 %2"_s.arg(QLatin1String(name)).arg(i); });
        }
        QStringList fired() const { return names; }
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
        QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);

        // The keyboard reaches the same editor; a picture through its caption.
        // The target that takes the focus shows it.
        QWidget *stop = widget->focusProxy() ? widget->focusProxy() : widget;
        stop->clearFocus();
        const QImage unfocused = stop->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), stop);
        QVERIFY(stop->grab().toImage() != unfocused);
        QTest::keyClick(stop, Qt::Key_A);
        QTest::keyClick(stop, Qt::Key_Space);
        QTest::keyClick(stop, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(spies.fired(), QStringList(3, editor));

        // A diagram disabled while the modem is talked to opens nothing.
        diagram.setEnabled(false);
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::keyClick(stop, Qt::Key_Return);
        QCOMPARE(spies.fired(), QStringList(3, editor));
    }

    // What a pointer's tip and a screen reader say about the links.
    void linksSayWhatTheyDo()
    {
        SetupDiagram diagram;
        const auto said = [&](const char *name) {
            auto *widget = diagram.findChild<QWidget *>(QLatin1String(name));
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            return face->text(QAccessible::Name) + QLatin1String(" | ") + widget->toolTip();
        };
        QCOMPARE(said("lblPWDSet"), QStringLiteral("Change password | Click to change password"));
        QCOMPARE(said("lblTimeSet"), QStringLiteral("Set the Merolan's clock from this computer | "
                                                    "Click to set the Merolan's clock from this computer's clock"));
        QCOMPARE(said("lblDevice2"),
                 QStringLiteral("Device 3 | Click to connect to Device 3 and close Merolan Programmer."));
        QCOMPARE(said("imgDevice1"),
                 QStringLiteral("Device 2 | Click to connect to Device 2 and close Merolan Programmer."));
        QCOMPARE(said("imgTime0"), QStringLiteral("Device 1 On/Off times | Click to set On/Off times"));
        diagram.showLogger(true, 0);
        QCOMPARE(said("lblDevice0"), QStringLiteral("Ombrilex data logger | "
                                                    "Click to connect to data logger and close Merolan Programmer."));
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

    // Each line a write would change says so, and what the modem holds; the
    // rest keep their plain look and tip. The pointer underlines a target.
    void changedLinesAreMarked()
    {
        SetupDiagram diagram;
        diagram.showRole(0);
        diagram.showDevices(3);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        const auto line = [&](const char *name) { return diagram.findChild<QWidget *>(QLatin1String(name)); };
        diagram.showChanges({{Item::lblAPN, QStringLiteral("In the Merolan: internet.example")},
                             {Item::lblTime1, QStringLiteral("In the Merolan: ALWAYS ON")}});
        QVERIFY(marked(line("lblAPN")) && marked(line("lblTime1")));
        QVERIFY(!marked(line("lblProviderUser")));
        QCOMPARE(line("lblAPN")->toolTip(), QStringLiteral("In the Merolan: internet.example"));
        QCOMPARE(line("lblTime1")->toolTip(), QStringLiteral("In the Merolan: ALWAYS ON"));
        QCOMPARE(line("lblProviderUser")->toolTip(), QStringLiteral("Click to edit"));
        diagram.showChanges({{Item::lblTime1, QStringLiteral("In the Merolan: ALWAYS OFF")}});
        QVERIFY(!marked(line("lblAPN")));
        QCOMPARE(line("lblAPN")->toolTip(), QStringLiteral("Click to edit"));
        QCOMPARE(line("lblTime1")->toolTip(), QStringLiteral("In the Merolan: ALWAYS OFF"));
        diagram.showChanges({});
        QVERIFY(!marked(line("lblTime1")));
        QCOMPARE(line("lblTime1")->toolTip(), QStringLiteral("Click to set On/Off times"));

        const auto hover = [&](const char *name, QEvent::Type type) {
            QEvent event(type);
            QApplication::sendEvent(line(name), &event);
        };
        hover("imgTime2", QEvent::Enter);
        QVERIFY(line("lblTime2")->font().underline());
        hover("imgTime2", QEvent::Leave);
        QVERIFY(!line("lblTime2")->font().underline());
        // The links among the facts stay underlined.
        hover("lblPWDSet", QEvent::Enter);
        hover("lblPWDSet", QEvent::Leave);
        QVERIFY(line("lblPWDSet")->font().underline());
    }

    // In the window the marks follow the change marker. The window fits a
    // small screen in every role and keeps its width when long values come
    // in; a value that does not fit is cut at its end, whole in its tip.
    void inTheWindow()
    {
        VirtualClock clock;
        SimModem sim{clock};
        MemorySerialLink link{clock, sim};
        ScriptedPrompt prompt;
        frmSelCon window(link, prompt);
        Session &s = window.session();
        auto *apn = window.findChild<QWidget *>(QStringLiteral("lblAPN"));
        s.ModemSetup.APN = QStringLiteral("internet.example");
        s.EditSetup = s.ModemSetup;
        s.EditSetup.APN = QStringLiteral("web");
        QVERIFY(s.HasChanges());
        QCOMPARE(apn->toolTip(), QStringLiteral("In the Merolan: internet.example"));
        s.EditSetup.APN = QStringLiteral("internet.example");
        QVERIFY(!s.HasChanges());
        QCOMPARE(apn->toolTip(), QStringLiteral("Click to edit"));

        SetupView &view = window;
        view.showProgramming(true);
        s.DeviceCount = 3;
        view.ShowDevices();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int role : {2, 1, 0}) {
            view.showRole(role);
            QVERIFY(window.minimumSizeHint().width() <= 800);
            QVERIFY(window.minimumSizeHint().height() <= 600);
        }
        window.resize(800, 600);
        QCoreApplication::processEvents();
        const QSize least = window.minimumSizeHint();
        const QString sms = QStringLiteral("Alarm SMS: +306912345678901234567890");
        view.setCaption(Item::lblTessarinIP, QStringLiteral("mediation-gateway.long-host-name.tessarin.example.net"));
        view.setCaption(Item::lblSMS, sms);
        QCoreApplication::processEvents();
        QCOMPARE(window.minimumSizeHint(), least);
        QCOMPARE(window.width(), 800);
        auto *line = window.findChild<QLabel *>(QStringLiteral("lblSMS"));
        QCOMPARE(line->text(), sms);
        QCOMPARE(line->toolTip(), sms + QStringLiteral("\nClick to edit"));
        // Given room, the line fits whole again.
        view.setCaption(Item::lblSMS, QStringLiteral("Alarm SMS: 112"));
        window.resize(1100, 600);
        QCoreApplication::processEvents();
        QCOMPARE(line->toolTip(), QStringLiteral("Click to edit"));
        QCOMPARE(prompt.unexpected(), QStringList());
    }
};

QTEST_MAIN(TestSetupDiagram)
#include "tst_setupdiagram.moc"
