#include "clock.h"
#include "frmcom.h"
#include "frmselcon.h"
#include "memorylink.h"
#include "portpicker.h"
#include "ptymodem.h"
#include "qtseriallink.h"
#include "scriptedprompt.h"
#include "virtualclock.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Item = SetupView::Item;
using Flag = bool OperationState::*;
Q_DECLARE_METATYPE(Flag)

namespace {

const QString kResetText =
    QStringLiteral("Changing the Merolan operation will require a 3-minute reset after pressing 'Finish programming'");
const QString kPlainText = QStringLiteral("The Merolan operation will change after pressing 'Finish programming'");
const QColor kLightRed(255, 128, 128);

// The main window with a scripted user, on whatever serial link it is given.
struct WindowRig
{
    ScriptedPrompt prompt;
    std::unique_ptr<frmSelCon> window;

    void build(SerialLink &link, const QString &commandLine, const QStringList &extraPorts = {})
    {
        StartOptions options;
        options.commandLine = commandLine;
        options.extraPorts = extraPorts;
        window = std::make_unique<frmSelCon>(link, prompt, options);
    }
    template <typename T = QWidget>
    T *get(const char *name, const QObject *in = nullptr) const
    {
        T *found = (in ? in : window.get())->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    Session &session() { return window->session(); }
    QTabWidget *tabs() const { return get<QTabWidget>("SSTab"); }
};

// On a simulated modem behind an in-memory port, on the virtual clock.
struct Rig : WindowRig
{
    VirtualClock clock;
    SimModem sim{clock};
    MemorySerialLink link{clock, sim};

    explicit Rig(const QString &commandLine = {},
                 const QStringList &ports = QStringLiteral("COM1 COM3 COM4").split(' '))
    {
        link.setPorts(ports);
        build(link, commandLine);
    }
    bool shownOnItsTab(const char *name) const { return get(name)->isVisibleTo(get("fraDataStyl")->parentWidget()); }
    QColor writeColour() const { return get<QPushButton>("cmdWrite")->palette().color(QPalette::Button); }
    QColor refreshColour() const { return get<QPushButton>("cmdRefresh")->palette().color(QPalette::Button); }
    void openPort()
    {
        link.setSettings(QStringLiteral("9600,n,8,1"));
        link.setPortOpen(true);
    }
};

// On the real serial layer and a simulated modem behind a pseudo-terminal, in real time.
struct PtyRig : WindowRig
{
    PtyModemThread modem;
    RealClock clock;
    QtSerialLink link{clock};

    bool start(const QString &commandLine = {})
    {
        modem.config().syncMs = 300;
        if (!modem.start())
            return false;
        build(link, commandLine, {modem.devicePath()});
        window->show();
        return true;
    }
    bool modemReceived(const QString &line)
    {
        return modem.call([line](SimModem &m) { return m.receivedLines().contains(line); });
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void programOptions()
    {
        const ProgramOptions o =
            splitProgramOptions({QStringLiteral("--demo"), QStringLiteral(",a"), QStringLiteral("b,3"),
                                 QStringLiteral("--port"), QStringLiteral("/dev/pts/3"), QStringLiteral("--verbose")});
        QVERIFY(o.demo);
        QCOMPARE(o.port, QStringLiteral("/dev/pts/3"));
        // A password with a blank arrives as two arguments.
        QCOMPARE(o.commandLine, QStringLiteral(",a b,3"));
        QCOMPARE(o.unknown, QStringList{QStringLiteral("--verbose")});
        QCOMPARE(splitProgramOptions({QStringLiteral("--port=/dev/ttyUSB1")}).port, QStringLiteral("/dev/ttyUSB1"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("port"); // COM4, the last, unless named; a named port locks port and baud
        QTest::addColumn<bool>("logger");  // ticked, and the box locked
        QTest::addColumn<bool>("passwordLine");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("devices");

        QTest::newRow("no arguments") << ""
                                      << ""
                                      << "COM4" << false << true << 0 << 3;
        QTest::newRow("password as typed") << ", se cret ,3"
                                           << " se cret "
                                           << "COM3" << false << true << 0 << 3;
        QTest::newRow("port 03 is not COM3") << ",secret,03"
                                             << "secret"
                                             << "COM4" << false << true << 0 << 3;
        QTest::newRow("port x3, rest applies") << ",pw,x3,1,2"
                                               << "pw"
                                               << "COM4" << true << true << 2 << 3;
        QTest::newRow("logger 50 hides password") << ",,3,50.0"
                                                  << ""
                                                  << "COM3" << true << false << 0 << 3;
        QTest::newRow("logger 40") << ",,3,40"
                                   << ""
                                   << "COM3" << true << true << 0 << 3;
        QTest::newRow("logger 7 is no logger") << ",,3,7"
                                               << ""
                                               << "COM3" << false << true << 0 << 3;
        QTest::newRow("gsm data call") << ",,3,0,1"
                                       << ""
                                       << "COM3" << false << true << 1 << 3;
        QTest::newRow("unknown kind is local") << ",,3,0,7"
                                               << ""
                                               << "COM3" << false << true << 0 << 3;
        QTest::newRow("six fields, count 7") << ",,3,0,0,7"
                                             << ""
                                             << "COM3" << false << true << 0 << 3;
        QTest::newRow("six fields, count 1") << ",,1,0,0,1"
                                             << ""
                                             << "COM1" << false << true << 0 << 1;
        QTest::newRow("one field ignored") << "secret"
                                           << ""
                                           << "COM4" << false << true << 0 << 3;
        QTest::newRow("seven fields ignored") << ",secret,3,1,1,1,1"
                                              << ""
                                              << "COM4" << false << true << 0 << 3;
    }

    void commandLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, password);
        QFETCH(QString, port);
        QFETCH(bool, logger);
        QFETCH(bool, passwordLine);
        QFETCH(int, kind);
        QFETCH(int, devices);

        Rig rig(line);
        // The periodic refresh must not unlock a logger the calling program named.
        rig.window->UpdateControls();
        // Whatever the line: the start tab, 9600 Baud, the data-call role, and no help yet
        // (Help and About wait for their own windows; they must not pretend).
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QVERIFY(!rig.tabs()->isTabEnabled(1));
        auto *baud = rig.get<QComboBox>("cboBaud");
        QStringList rates;
        for (int i = 0; i < baud->count(); ++i)
            rates << baud->itemText(i);
        QCOMPARE(rates.join(' '), QStringLiteral("1200 2400 4800 9600 19200 38400 115200"));
        QCOMPARE(baud->currentText(), QStringLiteral("9600"));
        QCOMPARE(rig.get<QComboBox>("cboRole")->currentIndex(), 2);
        QVERIFY(!rig.get<QAction>("mnuHelpContents")->isEnabled());
        QVERIFY(!rig.get<QAction>("mnuHelpAbout")->isEnabled());
        QCOMPARE(rig.get<QAction>("mnuFileExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        QCOMPARE(rig.window->caption(Item::txtPWD), password);
        QCOMPARE(rig.get<QComboBox>("cboPort")->currentText(), port);
        QCOMPARE(rig.get("cboPort")->isEnabled(), port == QLatin1String("COM4"));
        QCOMPARE(rig.get("cboBaud")->isEnabled(), port == QLatin1String("COM4"));
        QCOMPARE(rig.get<QCheckBox>("chkOmbrilex")->isChecked(), logger);
        QCOMPARE(rig.get("chkOmbrilex")->isEnabledTo(rig.tabs()->widget(1)), !logger);
        QCOMPARE(rig.session().EditSetup.Logger, logger ? 1 : 0);
        QCOMPARE(rig.window->isShown(Item::lblPWD), passwordLine);
        QCOMPARE(rig.window->isShown(Item::lblPWDSet), passwordLine);

        QCOMPARE(rig.session().ConnectionKind, kind);
        for (int k = 0; k < 3; ++k) {
            QWidget *frame = rig.get(qPrintable(QStringLiteral("fraConnection%1").arg(k)));
            QCOMPARE(frame->isVisibleTo(rig.tabs()->widget(0)), k == kind);
        }
        const char *const how = kind == 1 ? "DATA (GSM)" : kind == 2 ? "Ethernet (GPRS)" : "local COM port";
        QVERIFY(rig.get<QLabel>("lblInfo")->text().contains(QLatin1String(how)));

        // The diagram follows the count; ShowDevices checks all its parts.
        QCOMPARE(rig.session().DeviceCount, devices);
        QCOMPARE(rig.get("lblDevice1")->isVisibleTo(rig.get("fraDataStyl")), devices != 1 && devices != 9);
        QVERIFY(rig.prompt.shown().isEmpty());
    }

    void portListFollowsTheSystem()
    {
        Rig rig;
        auto *port = rig.get<PortPicker>("cboPort");
        port->setCurrentIndex(port->findText(QStringLiteral("COM3")));

        // An adapter plugged in: listed, the choice stays.
        rig.link.setPorts(QStringLiteral("COM1 COM3 COM4 COM9").split(' '));
        port->refreshPorts();
        QCOMPARE(port->count(), 4);
        QCOMPARE(port->currentText(), QStringLiteral("COM3"));

        // The chosen adapter pulled out: the last port is chosen again.
        rig.link.setPorts({QStringLiteral("COM1"), QStringLiteral("COM9")});
        port->refreshPorts();
        QCOMPARE(port->count(), 2);
        QCOMPARE(port->currentText(), QStringLiteral("COM9"));

#ifndef _WIN32
        // A typed device path survives a change of the list.
        port->setEditText(QStringLiteral("/dev/pts/7"));
        rig.link.setPorts({QStringLiteral("COM1")});
        port->refreshPorts();
        QCOMPARE(port->currentText(), QStringLiteral("/dev/pts/7"));
#endif
    }

    void whileAnOperationRuns_data()
    {
        QTest::addColumn<Flag>("flag");
        QTest::addColumn<bool>("refresh");
        QTest::addColumn<bool>("write");
        QTest::addColumn<bool>("hourglass");
        QTest::newRow("writing") << &OperationState::Writing << false << true << false;
        QTest::newRow("reading") << &OperationState::Reading << true << false << false;
        QTest::newRow("busy") << &OperationState::Busy << false << false << true;
    }

    void whileAnOperationRuns()
    {
        QFETCH(Flag, flag);
        QFETCH(bool, refresh);
        QFETCH(bool, write);
        QFETCH(bool, hourglass);

        Rig rig;
        rig.tabs()->setTabEnabled(1, true); // as after a connect
        rig.openPort();
        rig.window->show();
        // Locked here: only the end of an operation frees the start frame.
        rig.get("fraStart")->setEnabled(false);
        OperationState &state = rig.session().state;
        state.*flag = true;
        rig.window->UpdateControls();
        const char *const locked[] = {"fraDataStyl", "fraInfo", "chkOmbrilex", "cboRole", "cmdFinish", "fraStart"};
        for (const char *name : locked)
            QVERIFY2(!rig.get(name)->isEnabled(), name);
        QCOMPARE(rig.get("cmdRefresh")->isEnabled(), refresh);
        QCOMPARE(rig.get("cmdWrite")->isEnabled(), write);
        QCOMPARE(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor,
                 hourglass);

        // The bar and the status line follow the operation; the bar stays in the status bar at any size.
        state.setProgressRange(30);
        state.setProgress(12);
        state.setStatus(QStringLiteral("Reading setup..."));
        auto *bar = rig.get<QProgressBar>("ProgBar");
        QCOMPARE(bar->value(), 12);
        QCOMPARE(rig.get<QLabel>("lblStatus")->text(), QStringLiteral("Reading setup..."));
        rig.window->resize(rig.window->width() + 200, rig.window->height() + 100);
        QApplication::processEvents();
        QVERIFY(bar->isVisibleTo(rig.window.get()));
        const QRect barRect(bar->mapTo(rig.window.get(), QPoint(0, 0)), bar->size());
        QVERIFY(rig.window->statusBar()->geometry().contains(barRect));

        // The window stays, with a beep and nothing said to the modem.
        QVERIFY(!rig.window->close());
        QCOMPARE(rig.prompt.beeps(), 1);
        QVERIFY(rig.sim.wireIn().isEmpty());

        // When the operation ends everything comes back, and the pointer too.
        state.*flag = false;
        rig.window->UpdateControls();
        for (const char *name : locked)
            QVERIFY2(rig.get(name)->isEnabled(), name);
        QVERIFY(rig.get("cmdRefresh")->isEnabled() && rig.get("cmdWrite")->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!bar->isVisibleTo(rig.window.get()));
    }

    void showDevices_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("after");
        QTest::newRow("1") << 1 << 1 << 1;
        QTest::newRow("2") << 2 << 2 << 2;
        QTest::newRow("3") << 3 << 3 << 3;
        QTest::newRow("9 is none") << 9 << 0 << 9;
        QTest::newRow("5 is three") << 5 << 3 << 3;
        QTest::newRow("0 is three") << 0 << 3 << 3;
    }

    void showDevices()
    {
        QFETCH(int, count);
        QFETCH(int, shown);
        QFETCH(int, after);
        Rig rig;
        // From one device shown, so that showing again is seen too.
        rig.session().DeviceCount = 1;
        rig.window->ShowDevices();
        rig.session().DeviceCount = qint16(count);
        rig.window->ShowDevices();
        QCOMPARE(rig.session().DeviceCount, after);
        QWidget *diagram = rig.get("fraDataStyl");
        for (int g = 0; g < 3; ++g) {
            for (const char *part : {"lblDevice%1", "imgTime%1", "lblTime%1"})
                QCOMPARE(rig.get(qPrintable(QString::fromLatin1(part).arg(g)))->isVisibleTo(diagram), g < shown);
        }
        for (const char *part : {"imgDevice0", "imgTick", "imgStop"})
            QCOMPARE(rig.get(part)->isVisibleTo(diagram), shown > 0);
    }

    void roleHandler_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("reading");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("marked");
        QTest::newRow("client on 2.5") << 0 << "2.5" << false << kResetText << true;
        QTest::newRow("server on 3.0") << 1 << "3.0" << false << kPlainText << true;
        QTest::newRow("no version") << 1 << "" << false << kResetText << true;
        QTest::newRow("the modem's own role") << 2 << "3.0" << false << "" << false;
        QTest::newRow("while reading") << 0 << "3.0" << true << "" << false;
    }

    void roleHandler()
    {
        QFETCH(int, entry);
        QFETCH(QString, version);
        QFETCH(bool, reading);
        QFETCH(QString, message);
        QFETCH(bool, marked);

        Rig rig;
        Session &s = rig.session();
        s.FirmwareVersion = version;
        s.ModemSetup.Role = 3;
        s.EditSetup = s.ModemSetup;
        s.HasChanges();
        s.state.Reading = reading;

        auto *role = rig.get<QComboBox>("cboRole");
        role->setCurrentIndex(entry);
        emit role->activated(entry);
        QCOMPARE(s.EditSetup.Role, entry + 1);
        QCOMPARE(rig.prompt.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(rig.writeColour(), marked ? kLightRed : rig.refreshColour());
        s.state.Reading = false;

        // Which parts of the diagram each role shows: bit 0 client, bit 1 server, bit 2 data calls.
        static const struct
        {
            const char *name;
            int roles;
        } parts[] = {{"lblAPN", 3},        {"lblProviderUser", 3}, {"lblProviderPWD", 3},  {"imgGPRS", 3},
                     {"imgGSM", 4},        {"lblTessarinIP", 1},   {"lblTessarinPort", 1}, {"imgServer", 1},
                     {"lblServerPort", 2}, {"imgInternet", 2},     {"imgModem", 4}};
        for (const auto &part : parts)
            QVERIFY2(rig.shownOnItsTab(part.name) == bool(part.roles & (1 << entry)), part.name);

        // Back to the modem's own role: the write button loses its colour.
        role->setCurrentIndex(2);
        emit role->activated(2);
        QCOMPARE(rig.writeColour(), rig.refreshColour());
    }

    void loggerHandler()
    {
        Rig rig;
        rig.tabs()->setTabEnabled(1, true); // as after a connect
        Session &s = rig.session();
        s.ModemSetup.Baud = 6;
        s.ModemSetup.EmailInterval = 12;
        s.EditSetup = s.ModemSetup;
        s.HasChanges();
        auto *box = rig.get<QCheckBox>("chkOmbrilex");
        auto *baud = rig.get<QLabel>("lblBaud");
        auto *email = rig.get<QLabel>("lblEmail");

        // A logger talks at 9600 (code 4), and only with one can the modem e-mail.
        box->click();
        QCOMPARE(s.EditSetup.Logger, 1);
        QCOMPARE(s.EditSetup.Baud, 4);
        QVERIFY(rig.shownOnItsTab("imgOmbrilex"));
        QCOMPARE(baud->text(), QStringLiteral("Baud: 9600"));
        QVERIFY(!baud->isEnabled());
        QCOMPARE(email->text(), QStringLiteral("Email: per 12h"));
        QVERIFY(email->isEnabled());
        QCOMPARE(rig.writeColour(), kLightRed);

        box->click();
        QCOMPARE(s.EditSetup.Logger, 0);
        QVERIFY(!rig.shownOnItsTab("imgOmbrilex"));
        QVERIFY(baud->isEnabled());
        QVERIFY(!email->isEnabled());
        QVERIFY(rig.prompt.shown().isEmpty());
    }

    void closeHandsTheModemBack()
    {
        Rig rig;
        rig.openPort();
        rig.window->show();
        QTest::keyRelease(rig.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(rig.window->com()->isVisible());
        const qint64 before = rig.clock.now();
        QVERIFY(rig.window->close());
        QVERIFY(!rig.window->com()->isVisible());
        QCOMPARE(rig.sim.wireIn(), QByteArray("#AUTO\r\n"));
        QVERIFY(rig.clock.now() - before >= 1000);
    }

    void serialTrafficWindow()
    {
        Rig rig;
        rig.openPort();
        frmCom *com = rig.window->com();
        com->show();
        auto *view = rig.get<QPlainTextEdit>("txtTerminal", com);
        QTest::keyClicks(view, QStringLiteral("A"));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(rig.sim.wireIn(), QByteArray("A\r\n"));

        // What the modem sends shows line by line; other control bytes as codes.
        rig.sim.transmit(QByteArray("OK\r\nbell\x07\r\n"));
        const QStringList lines = view->toPlainText().split('\n');
        QVERIFY2(lines.contains(QStringLiteral("OK")) && lines.contains(QStringLiteral("bell<07>")),
                 qPrintable(view->toPlainText()));

        // Saved with a time stamp on every line.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("traffic.txt"));
        rig.prompt.answerFile(path);
        rig.get<QPushButton>("cmdSave", com)->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList saved = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        static const QRegularExpression stamped(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3}  "));
        for (const QString &line : saved)
            QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
        QVERIFY(saved.last().endsWith(QStringLiteral("  bell<07>")));

        // Closing only hides it.
        QVERIFY(!com->close());
        QVERIFY(!com->isVisible());
    }

    void finishAsksAboutUnwrittenChanges()
    {
        Rig rig({}, {QStringLiteral("ttyS0")});
        rig.window->show();
        rig.get<QPushButton>("cmdConnect")->click();
        QCOMPARE(rig.tabs()->currentIndex(), 1);
        rig.session().EditSetup.SMSNum = QStringLiteral("+306900000000");
        rig.sim.clearRecord();

        rig.prompt.answerQuestion(false);
        rig.get<QPushButton>("cmdFinish")->click();
        QCOMPARE(rig.prompt.questions(),
                 QStringList{QStringLiteral("Do you want to leave without writing changes to the Merolan?")});
        QCOMPARE(rig.prompt.shown().last().icon, UserPrompt::Icon::Warning);
        QVERIFY(rig.sim.wireIn().isEmpty());
        QCOMPARE(rig.tabs()->currentIndex(), 1);

        rig.prompt.answerQuestion(true);
        rig.get<QPushButton>("cmdFinish")->click();
        QVERIFY(!rig.link.PortOpen());
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QVERIFY(!rig.tabs()->isTabEnabled(1));
        QCOMPARE(rig.tabs()->tabText(0), QStringLiteral("Merolan not found"));
        // With the port closed, closing the window has nothing more to say.
        QVERIFY(rig.window->close());
        QCOMPARE(rig.sim.wireIn(), QByteArray("#AUTO\r\n"));
    }

    // A wrong password, then a device that is not there; the right one is in programOverPseudoTerminal.
    void connectOverPseudoTerminal()
    {
        PtyRig rig;
        rig.modem.config().password = QStringLiteral("1234");
        QVERIFY2(rig.start(QStringLiteral(",4321")), qPrintable(rig.modem.errorString()));
        rig.get<QPushButton>("cmdConnect")->click();
        QCOMPARE(rig.prompt.messages(), QStringList{QStringLiteral("Password rejected")});
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QVERIFY(!rig.tabs()->isTabEnabled(1));
        QVERIFY(!rig.link.PortOpen());

        rig.prompt.clear();
        rig.get<QComboBox>("cboPort")->setEditText(QStringLiteral("/dev/merolan-no-such-port"));
        rig.window->UpdateControls();
        rig.get<QPushButton>("cmdConnect")->click();
        QCOMPARE(rig.prompt.messages(),
                 QStringList{QStringLiteral("Cannot open COM port\n\nThe port /dev/merolan-no-such-port does not "
                                            "exist. Check that the adapter is plugged in and that the port name is "
                                            "right.")});
        QCOMPARE(rig.tabs()->currentIndex(), 0);
    }

    // The technician's whole round on the real serial layer: connect with a password and read,
    // change a setting, write it, keep the setup in a file, bring it back and finish.
    void programOverPseudoTerminal()
    {
        PtyRig rig;
        rig.modem.config().password = QStringLiteral("1234");
        QVERIFY2(rig.start(QStringLiteral(",1234")), qPrintable(rig.modem.errorString()));
        rig.get<QPushButton>("cmdConnect")->click();
        QVERIFY(rig.prompt.shown().isEmpty());
        QVERIFY(rig.modemReceived(QStringLiteral("#PASSWORD=1234")));
        QCOMPARE(rig.tabs()->currentIndex(), 1);
        QVERIFY(!rig.tabs()->isTabEnabled(0));
        QCOMPARE(rig.tabs()->tabText(0), QStringLiteral("Merolan found"));
        QVERIFY(rig.get("cmdRefresh")->isVisible());
        QCOMPARE(rig.window->caption(Item::lblPWD), QStringLiteral("Password: Enabled"));
        QCOMPARE(rig.window->caption(Item::lblSerial), QStringLiteral("S/N: ") + rig.modem.config().serialNumber);
        Session &s = rig.session();
        QCOMPARE(s.ModemSetup.APN, rig.modem.call([](SimModem &m) { return m.setting(QStringLiteral("APN")); }));

        s.EditSetup.APN = QStringLiteral("field.example");
        auto *write = rig.get<QPushButton>("cmdWrite");
        QTRY_VERIFY(write->isEnabled());
        write->click();
        QCOMPARE(rig.modem.call([](SimModem &m) { return m.setting(QStringLiteral("APN")); }),
                 QStringLiteral("field.example"));

        // The file menu saves, and a load shows what it brought back.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Setup.mrl"));
        rig.prompt.answerFile(path);
        rig.get<QAction>("mnuFileSave")->trigger();
        s.EditSetup.APN = QStringLiteral("changed.after.save");
        rig.window->setCaption(Item::lblAPN, QString());
        rig.prompt.answerFile(path);
        rig.get<QAction>("mnuFileLoad")->trigger();
        QCOMPARE(rig.get<QLabel>("lblAPN")->text(), QStringLiteral("APN: field.example"));

        // The loaded file holds what the modem has: nothing to write, and Finish asks nothing.
        QTRY_VERIFY(write->isEnabled());
        write->click();
        QCOMPARE(rig.prompt.messages(),
                 QStringList{QStringLiteral("Write will not be performed because there are no changes.")});
        auto *finish = rig.get<QPushButton>("cmdFinish");
        QTRY_VERIFY(finish->isEnabled());
        finish->click();
        QVERIFY(rig.prompt.unexpected().isEmpty());
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QTRY_VERIFY(rig.modemReceived(QStringLiteral("#AUTO")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
