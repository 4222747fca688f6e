#include "clock.h"
#include "frmcom.h"
#include "frmselcon.h"
#include "memorylink.h"
#include "portpicker.h"
#include "ptymodem.h"
#include "qtseriallink.h"
#include "recordingplatform.h"
#include "scriptedprompt.h"
#include "setupdiagram.h"
#include "virtualclock.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <memory>

using Item = SetupView::Item;
using Flag = bool OperationState::*;
Q_DECLARE_METATYPE(Flag)

namespace {

const QColor kLightRed(255, 128, 128);
const QString kRejected =
    QStringLiteral("Password rejected\n\nThe Merolan waits for its password: check the password and connect again.");

// The main window with a scripted user, on a simulated modem behind an
// in-memory port on the virtual clock, or on the link it is given.
struct Rig
{
    VirtualClock clock;
    SimModem sim{clock};
    MemorySerialLink link{clock, sim};
    ScriptedPrompt prompt;
    RecordingPlatform system;
    std::unique_ptr<frmSelCon> window;

    // COMx3 is there for a port field that is not a number: it must not be taken.
    explicit Rig(const QString &commandLine = {},
                 const QStringList &ports = QStringLiteral("COM1 COM3 COMx3 COM4").split(' '),
                 SerialLink *other = nullptr)
    {
        link.setPorts(ports);
        window = std::make_unique<frmSelCon>(other ? *other : link, prompt,
                                             StartOptions{commandLine, other ? ports : QStringList()}, system);
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
    bool shownOnItsTab(const char *name) const { return get(name)->isVisibleTo(get("fraDataStyl")->parentWidget()); }
    // The face a button shows, whatever the style does with its palette.
    QColor colour(const char *button) const
    {
        const QImage face = get(button)->grab().toImage();
        return face.pixelColor(4, face.height() / 2);
    }
    void openPort()
    {
        link.setSettings(QStringLiteral("9600,n,8,1"));
        link.setPortOpen(true);
    }
    // Every part of the first `groups` devices, and without a data logger the
    // modem's side of them with any.
    void checkDevicesShown(int groups, bool logger) const
    {
        for (int g = 0; g < 3; ++g) {
            for (const char *part : {"lblDevice%1", "imgTime%1", "lblTime%1"})
                QCOMPARE(shownOnItsTab(qPrintable(QString::fromLatin1(part).arg(g))), g < groups);
        }
        for (const char *part : {"imgDevice0", "imgTick", "imgStop"})
            QVERIFY(logger || shownOnItsTab(part) == (groups > 0));
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    // Every window of the run keeps its settings here, never in the user's own.
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path()); }
    void init() { QSettings().clear(); }

    // The window remembers the port, the baud rate and its size, never the
    // password; a port or rate that is no longer offered is left alone.
    void remembersWhereTheTechnicianLeftOff()
    {
        {
            Rig rig(QStringLiteral(",PW77"));
            rig.get<QComboBox>("cboPort")->setCurrentIndex(1);
            rig.get<QComboBox>("cboBaud")->setCurrentText(QStringLiteral("19200"));
            rig.window->resize(910, 655);
            rig.get<QPushButton>("cmdConnect")->click();
            QVERIFY(rig.window->close());
        }
        Rig again;
        QCOMPARE(again.get<QComboBox>("cboPort")->currentText(), QStringLiteral("COM3"));
        QCOMPARE(again.get<QComboBox>("cboBaud")->currentText(), QStringLiteral("19200"));
        QCOMPARE(again.window->size(), QSize(910, 655));
        QCOMPARE(again.get<QLineEdit>("txtPWD")->text(), QString());
        QSettings settings;
        for (const QString &key : settings.allKeys())
            QVERIFY2(!settings.value(key).toByteArray().contains("PW77"), qPrintable(key));

        settings.setValue(QStringLiteral("connection/baud"), QStringLiteral("57600"));
        Rig moved({}, {QStringLiteral("COM1"), QStringLiteral("COM4")});
        QCOMPARE(moved.get<QComboBox>("cboPort")->currentText(), QStringLiteral("COM4"));
        QCOMPARE(moved.get<QComboBox>("cboBaud")->currentText(), QStringLiteral("9600"));
    }

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
        QVERIFY(!o.help && !o.version);
        QVERIFY(splitProgramOptions({QStringLiteral(",1"), QStringLiteral("-h")}).help);
        QVERIFY(splitProgramOptions({QStringLiteral("--version")}).version);
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
        QTest::addColumn<int>("groups"); // device groups on the diagram
        const auto row = [](const char *name, const char *line, const char *password, const char *port, bool logger,
                            bool passwordLine, int kind, int devices, int groups) {
            QTest::newRow(name) << line << password << port << logger << passwordLine << kind << devices << groups;
        };
        row("no arguments", "", "", "COM4", false, true, 0, 3, 3);
        row("password and port", ",12AB,3", "12AB", "COM3", false, true, 0, 3, 3);
        row("port 03 is not COM3", ",7,03", "7", "COM4", false, true, 0, 3, 3);
        row("port x3, rest applies", ",9,x3,1,2", "9", "COM4", true, true, 2, 3, 3);
        row("logger 50 hides password", ",,3,50.0", "", "COM3", true, false, 0, 3, 3);
        row("logger 40", ",,3,40", "", "COM3", true, true, 0, 3, 3);
        row("logger 7 is no logger", ",,3,7", "", "COM3", false, true, 0, 3, 3);
        row("gsm data call", ",,3,0,1", "", "COM3", false, true, 1, 3, 3);
        row("unknown kind is local", ",,3,0,7", "", "COM3", false, true, 0, 3, 3);
        row("count 1", ",,1,0,0,1", "", "COM1", false, true, 0, 1, 1);
        row("count 2", ",,3,0,0,2", "", "COM3", false, true, 0, 2, 2);
        row("count 9 is none", ",,3,0,0,9", "", "COM3", false, true, 0, 9, 0);
        row("count 7 is three", ",,3,0,0,7", "", "COM3", false, true, 0, 3, 3);
        row("count 0 is three", ",,3,0,0,0", "", "COM3", false, true, 0, 3, 3);
        row("one field ignored", "12AB", "", "COM4", false, true, 0, 3, 3);
        row("seven fields ignored", ",12AB,3,1,1,1,1", "", "COM4", false, true, 0, 3, 3);
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
        QFETCH(int, groups);

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
        QCOMPARE(rig.get<QAction>("mnuHelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(rig.get<QAction>("mnuFileExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        QCOMPARE(rig.window->caption(Item::txtPWD), password);
        QCOMPARE(rig.get<QComboBox>("cboPort")->currentText(), port);
        QCOMPARE(rig.get("cboPort")->isEnabled(), port == QLatin1String("COM4"));
        QCOMPARE(baud->isEnabled(), port == QLatin1String("COM4"));
        QCOMPARE(rig.get<QCheckBox>("chkOmbrilex")->isChecked(), logger);
        QCOMPARE(rig.get("chkOmbrilex")->isEnabledTo(rig.tabs()->widget(1)), !logger);
        QCOMPARE(rig.window->isShown(Item::lblPWD), passwordLine);
        QCOMPARE(rig.window->isShown(Item::lblPWDSet), passwordLine);

        QCOMPARE(rig.session().ConnectionKind, kind);
        for (int k = 0; k < 3; ++k) {
            QWidget *frame = rig.get(qPrintable(QStringLiteral("fraConnection%1").arg(k)));
            QCOMPARE(frame->isVisibleTo(rig.tabs()->widget(0)), k == kind);
        }
        const char *const how = kind == 1 ? "DATA (GSM)" : kind == 2 ? "Ethernet (GPRS)" : "local COM port";
        QVERIFY(rig.get<QLabel>("lblInfo")->text().contains(QLatin1String(how)));

        QCOMPARE(rig.session().DeviceCount, devices);
        rig.checkDevicesShown(groups, logger);
        // What was hidden shows again for a modem with three.
        rig.session().DeviceCount = 3;
        rig.window->ShowDevices();
        rig.checkDevicesShown(3, logger);
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
        // A typed device path survives a change of the list, and is the one connected to.
        port->setEditText(QStringLiteral(" /dev/pts/7"));
        rig.link.setPorts({QStringLiteral("COM1")});
        port->refreshPorts();
        QCOMPARE(port->chosenPort(), QStringLiteral("/dev/pts/7"));
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

        // The bar and the status line follow the operation; the bar lives in the status bar.
        state.setProgressRange(30);
        state.setProgress(12);
        state.setStatus(QStringLiteral("Reading setup..."));
        auto *bar = rig.get<QProgressBar>("ProgBar");
        QCOMPARE(bar->value(), 12);
        QCOMPARE(rig.get<QLabel>("lblStatus")->text(), QStringLiteral("Reading setup..."));
        QVERIFY(bar->isVisibleTo(rig.window.get()) && rig.window->statusBar()->isAncestorOf(bar));

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

    void roleHandler_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("reading");
        QTest::addColumn<QString>("message");
        const QString reset = QStringLiteral("Changing the Merolan operation will require a 3-minute reset after "
                                             "pressing 'Finish programming'");
        QTest::newRow("client on 2.99") << 0 << "2.99" << false << reset;
        QTest::newRow("server on 3.0") << 1 << "3.0" << false
                                       << "The Merolan operation will change after pressing 'Finish programming'";
        QTest::newRow("no version") << 1 << "" << false << reset;
        QTest::newRow("the modem's own role") << 2 << "3.0" << false << "";
        QTest::newRow("while reading") << 0 << "3.0" << true << "";
    }

    void roleHandler()
    {
        QFETCH(int, entry);
        QFETCH(QString, version);
        QFETCH(bool, reading);
        QFETCH(QString, message);

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
        // Marked as a change exactly when the user was told.
        QCOMPARE(rig.colour("cmdWrite"), message.isEmpty() ? rig.colour("cmdRefresh") : kLightRed);
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
        QCOMPARE(rig.colour("cmdWrite"), rig.colour("cmdRefresh"));
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
        QCOMPARE(rig.colour("cmdWrite"), kLightRed);

        box->click();
        QCOMPARE(s.EditSetup.Logger, 0);
        QVERIFY(!rig.shownOnItsTab("imgOmbrilex"));
        QVERIFY(baud->isEnabled());
        QVERIFY(!email->isEnabled());
        QVERIFY(rig.prompt.shown().isEmpty());
    }

    void serialTrafficAndClose()
    {
        Rig rig;
        rig.openPort();
        rig.window->show();
        QTest::keyRelease(rig.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        frmCom *com = rig.window->com();
        QVERIFY(com->isVisible());
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

        // Closing it only hides it; the main window's close takes it along.
        QVERIFY(!com->close());
        QVERIFY(!com->isVisible());
        com->show();
        // With the port open the modem is handed back, and given a second for it.
        const qint64 before = rig.clock.now();
        QVERIFY(rig.window->close());
        QVERIFY(!com->isVisible());
        QCOMPARE(rig.sim.wireIn(), QByteArray("A\r\n#AUTO\r\n"));
        QVERIFY(rig.clock.now() - before >= 1000);
    }

    void connectThenFinish()
    {
        Rig rig(QStringLiteral(",4321"), {QStringLiteral("ttyS0")});
        rig.sim.config().password = QStringLiteral("1234");
        rig.window->show();
        auto *connect = rig.get<QPushButton>("cmdConnect");

        // A refused login is no connection: the port closes and the start tab stays.
        connect->click();
        QCOMPARE(rig.prompt.messages(), QStringList{kRejected});
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QVERIFY(!rig.tabs()->isTabEnabled(1));
        QVERIFY(!rig.link.PortOpen());

        rig.prompt.clear();
        rig.window->setCaption(Item::txtPWD, QStringLiteral("1234"));
        connect->click();
        QVERIFY(rig.prompt.shown().isEmpty());
        QCOMPARE(rig.tabs()->currentIndex(), 1);
        QVERIFY(!rig.tabs()->isTabEnabled(0));
        QCOMPARE(rig.tabs()->tabText(0), QStringLiteral("Merolan found"));
        QVERIFY(rig.get("cmdRefresh")->isVisible());
        QCOMPARE(rig.window->caption(Item::lblPWD), QStringLiteral("Password: Enabled"));

        // The file menu saves, and a load shows what it brought back.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Setup.mrl"));
        rig.prompt.answerFile(path);
        rig.get<QAction>("mnuFileSave")->trigger();
        rig.window->setCaption(Item::lblAPN, QString());
        rig.prompt.answerFile(path);
        rig.get<QAction>("mnuFileLoad")->trigger();
        QCOMPARE(rig.get<QLabel>("lblAPN")->text(), QStringLiteral("APN: internet.example"));

        // An unwritten change: closing and Finish ask, Enter means No, and No
        // keeps everything as it is.
        rig.session().EditSetup.SMSNum = QStringLiteral("+306900000000");
        rig.sim.clearRecord();
        rig.prompt.answerQuestion(false);
        QVERIFY(!rig.window->close());
        rig.prompt.answerQuestion(false);
        rig.get<QPushButton>("cmdFinish")->click();
        const QString leave = QStringLiteral("Do you want to leave without writing changes to the Merolan?");
        QCOMPARE(rig.prompt.questions(), (QStringList{leave, leave}));
        for (const ScriptedPrompt::Shown &shown : rig.prompt.shown()) {
            if (shown.kind == ScriptedPrompt::Shown::Question) {
                QCOMPARE(shown.icon, UserPrompt::Icon::Warning);
                QCOMPARE(shown.preferred, UserPrompt::Answer::No);
            }
        }
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

    // A device is switched on from the diagram, by keyboard or mouse, only
    // after a Yes; once on, the window closes and hands the modem back.
    void deviceActivation()
    {
        Rig rig;
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.get<QPushButton>("cmdConnect")->click();
        rig.sim.clearRecord();
        rig.sim.config().errorOn = {QStringLiteral("P2ON")};
        rig.window->UpdateControls();

        // Tab crosses the diagram between the role and the buttons.
        rig.get("cboRole")->setFocus(Qt::TabFocusReason);
        QStringList stops;
        while (stops.size() < 40 && !stops.contains(QStringLiteral("cmdRefresh"))) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(stops.join(' '),
                 QStringLiteral("chkOmbrilex lblTimeSet lblPWDSet lblTessarinIP lblTessarinPort lblAPN "
                                "lblProviderUser lblProviderPWD lblSMS lblBaud lblDevice0 lblTime0 "
                                "lblDevice1 lblTime1 lblDevice2 lblTime2 cmdRefresh"));

        // No: nothing goes out.
        rig.prompt.answerQuestion(false);
        QTest::keyClick(rig.get("lblDevice0"), Qt::Key_Space);
        QVERIFY(rig.sim.wireIn().isEmpty());

        // Refused: told on the status bar and in a message; the window stays.
        rig.prompt.answerQuestion(true);
        QTest::keyClick(rig.get("lblDevice1"), Qt::Key_Return);
        const QString refused = QStringLiteral("Merolan peripheral 2 port failed to activate");
        QCOMPARE(rig.get<QLabel>("lblStatus")->text(), refused);
        QCOMPARE(rig.prompt.messages(), QStringList{refused});
        QCOMPARE(rig.sim.wireIn(), QByteArray("#P2ON\r\n\r\n"));
        QVERIFY(rig.window->isVisible());

        rig.sim.clearRecord();
        rig.prompt.answerQuestion(true);
        QTest::mouseClick(rig.get("imgDevice2"), Qt::LeftButton);
        QCOMPARE(rig.prompt.questions().size(), 3);
        QCOMPARE(rig.prompt.questions().last(),
                 QStringLiteral("Merolan programmer will now bring online Device 3 and terminate.\n"
                                "Merolan will start executing its schedule at the Device 3 OFF time.\n\n"
                                "Do you want to proceed?"));
        QCOMPARE(rig.sim.wireIn(), QByteArray("#P3ON\r\n\r\n#AUTO\r\n"));
        QVERIFY(!rig.window->isVisible());
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // The password box keeps to the modem's rule however the text comes in,
    // with the caret after what was kept.
    void passwordBoxFilters()
    {
        Rig rig;
        rig.window->show();
        auto *box = rig.get<QLineEdit>("txtPWD");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("ab7"));
        QCOMPARE(box->text(), QStringLiteral("7"));
        QTest::keyClicks(box, QStringLiteral("X1[]^\\Q"));
        QCOMPARE(box->text(), QStringLiteral("7X1[]^\\Q"));
        QTest::keyClicks(box, QStringLiteral("Z"));
        QCOMPARE(box->text(), QStringLiteral("7X1[]^\\Q"));
        QCOMPARE(box->cursorPosition(), 8);

        box->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("pw 4A_b"));
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("4A"));
        QCOMPARE(box->cursorPosition(), 2);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), QStringLiteral("Password"));
    }

    // The drift under the modem's clock after a read and after Set, marked
    // past a minute; and the Change link reaches the password change.
    void clockDriftAndLinks()
    {
        Rig rig;
        const auto modemClock = [&] {
            return QDateTime::fromString(rig.sim.clockNow(), QStringLiteral("dd-MM-yy,HH:mm:ss")).addYears(100);
        };
        // The computer's clock reads 2 min 13 s behind the modem's as the question goes out.
        QString read;
        rig.sim.lineReceived = [&](const QString &line) {
            if (line == QLatin1String("#TIME?")) {
                read = rig.sim.clockNow();
                rig.clock.setWallTime(modemClock().addSecs(-133));
            }
        };
        rig.window->show();
        rig.get<QPushButton>("cmdConnect")->click();
        rig.sim.lineReceived = nullptr;
        auto *drift = rig.get<QLabel>("lblClockDrift");
        // The mark fills the label's edge; its text stays dark whatever the colours around.
        const auto marked = [&] { return drift->grab().toImage().pixelColor(1, drift->height() / 2) == kLightRed; };
        QCOMPARE(rig.get<QLabel>("lblClock")->text(), read);
        QCOMPARE(drift->text(), QStringLiteral("Clock: +2 min 13 s from this computer"));
        QCOMPARE(drift->toolTip(), QStringLiteral("The Merolan's clock is 2 min 13 s ahead of this computer's local "
                                                  "time.\nClick Set to set it from this computer's clock."));
        QVERIFY(marked());

        rig.clock.setWallTime(QDateTime(QDate(2027, 3, 1), QTime(8, 30)));
        rig.sim.clearRecord();
        QTest::mouseClick(rig.get("lblTimeSet"), Qt::LeftButton);
        static const QRegularExpression set(QStringLiteral("#TIME=01-03-27,08:30:\\d\\d\r\n"));
        QVERIFY2(set.match(QString::fromLatin1(rig.sim.wireIn())).hasMatch(), rig.sim.wireIn().constData());
        QCOMPARE(drift->text(), QStringLiteral("Clock: 0 s from this computer"));
        QVERIFY(!marked());

        rig.window->showClockDrift(60);
        QVERIFY(!marked());
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, Qt::white);
        rig.window->setPalette(dark);
        rig.window->showClockDrift(-61);
        QCOMPARE(drift->text(), QStringLiteral("Clock: -1 min 1 s from this computer"));
        QVERIFY(marked());
        const QImage face = drift->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x)
                darkest = qMin(darkest, face.pixelColor(x, y).lightness());
        }
        QVERIFY2(darkest < 60, qPrintable(QString::number(darkest)));
        rig.window->showClockDrift(std::nullopt);
        QVERIFY(drift->isHidden());

        // Change: the firmware 2.x notice, then the new password.
        rig.sim.clearRecord();
        rig.prompt.answerQuestion(true);
        rig.prompt.answerInput(QStringLiteral("NEW1"));
        QTest::keyClick(rig.get("lblPWDSet"), Qt::Key_Space);
        QVERIFY(rig.sim.wireIn().endsWith("#PASSWORD=,NEW1\r\n"));
        QCOMPARE(rig.get<QLabel>("lblPWD")->text(), QStringLiteral("Password: Enabled"));
        QCOMPARE(rig.get<QLineEdit>("txtPWD")->text(), QStringLiteral("NEW1"));
    }

    // The settings lines open their dialogs on the edited record. What a
    // dialog leaves in the record after Cancel or its close box is part of
    // its rule; a damaged presets file is told once.
    // Help in the user's language from the main window; the English file from
    // four of the dialogs, whatever modifier is held; none from the baud dialog.
    void helpFromTheWindowsThatOfferIt()
    {
        Rig rig;
        rig.system.greek = true;
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        QTest::keyClick(rig.window.get(), Qt::Key_F1);
        rig.system.greek = false;
        rig.get<QAction>("mnuHelpContents")->trigger();
        rig.system.greek = true;
        SetupDiagram *diagram = rig.window->diagram();
        const std::pair<std::function<void()>, Qt::KeyboardModifiers> dialogs[] = {
            {[diagram] { emit diagram->scheduleClicked(1); }, Qt::NoModifier},
            {[diagram] { emit diagram->gprsClicked(); }, Qt::ShiftModifier},
            {[diagram] { emit diagram->serverClicked(); }, Qt::ControlModifier},
            {[diagram] { emit diagram->emailClicked(); }, Qt::ShiftModifier | Qt::ControlModifier},
            {[diagram] { emit diagram->baudClicked(); }, Qt::NoModifier}};
        for (const auto &[open, held] : dialogs) {
            QTimer::singleShot(0, rig.window.get(), [held = held] {
                auto *dialog = static_cast<QDialog *>(QApplication::activeModalWidget());
                QTRY_VERIFY(QApplication::activeWindow() == dialog);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, held);
                dialog->reject();
            });
            open();
        }
        QCOMPARE(rig.system.helpShown,
                 (std::vector<std::string>{
                     "/opt/merolan/Merolan Programmer_GR.chm", "/opt/merolan/Merolan Programmer_EN.chm",
                     "/opt/merolan/Merolan Programmer_EN.chm", "/opt/merolan/Merolan Programmer_EN.chm",
                     "/opt/merolan/Merolan Programmer_EN.chm", "/opt/merolan/Merolan Programmer_EN.chm"}));
    }

    void settingsDialogsFromTheDiagram()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                            + QStringLiteral("/merolan/presets.json");
        QVERIFY(QDir().mkpath(QFileInfo(own).path()));
        QFile damaged(own);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{") == 1);
        damaged.close();
        const auto cleanUp = qScopeGuard([&] {
            QFile::remove(own);
            QStandardPaths::setTestModeEnabled(false);
        });

        Rig rig;
        Session &s = rig.session();
        SetupDiagram *diagram = rig.window->diagram();
        s.EditSetup.APN = QStringLiteral("iot.plant");
        s.EditSetup.MailServer = QStringLiteral("smtp.plant");
        s.EditSetup.ESender = QStringLiteral("m7@plant.gr");
        s.EditSetup.ERecep = QStringLiteral("ops@plant.gr");
        s.ModemSetup = s.EditSetup;
        const auto onDialog = [&](const std::function<void(QWidget *)> &act) {
            QTimer::singleShot(0, rig.window.get(), [act] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                act(dialog);
                // A refused OK leaves it open: end it, the checks then tell.
                if (dialog->isVisible())
                    static_cast<QDialog *>(dialog)->reject();
            });
        };
        const auto click = [](QWidget *dialog, const char *button) {
            dialog->findChild<QPushButton *>(QLatin1String(button))->click();
        };

        // A network's mail server, once agreed to, stays after Cancel; its APN does not.
        rig.prompt.answerQuestion(true);
        onDialog([&](QWidget *dialog) {
            auto *provider = dialog->findChild<QComboBox *>(QStringLiteral("cboProvider"));
            provider->setCurrentIndex(0);
            emit provider->activated(0);
            click(dialog, "cmdCancel");
        });
        emit diagram->gprsClicked();
        QCOMPARE(s.EditSetup.MailServer, QStringLiteral("mailgate.cosmotemail.gr"));
        QCOMPARE(s.EditSetup.APN, QStringLiteral("iot.plant"));
        QCOMPARE(rig.colour("cmdWrite"), kLightRed);
        QCOMPARE(rig.prompt.messages().size(), 1);
        QVERIFY2(rig.prompt.messages()[0].startsWith(QStringLiteral("The network presets could not be read (") + own
                                                     + QStringLiteral(": ")),
                 qPrintable(rig.prompt.messages()[0]));
        QVERIFY(rig.prompt.messages()[0].endsWith(QStringLiteral("). The built-in presets are offered instead.")));

        // The server's port goes into the record on opening, Cancel or not,
        // and the diagram shows it; no mediation server is known to offer.
        s.EditSetup.HostIP.clear();
        s.EditSetup.HostPort = 0;
        onDialog([&](QWidget *dialog) { click(dialog, "cmdCancel"); });
        emit diagram->serverClicked();
        QCOMPARE(s.EditSetup.HostIP, QString());
        QCOMPARE(s.EditSetup.HostPort, 1023);
        QCOMPARE(rig.window->caption(Item::lblTessarinPort), QStringLiteral("Port: 1023"));
        QCOMPARE(rig.window->caption(Item::lblServerPort), QStringLiteral("Server IP port: 1023"));

        // The e-mail dialog's close box keeps what was typed for the next
        // opening, until another setup replaces the one it was filled from.
        const auto sender = [](QWidget *dialog) { return dialog->findChild<QLineEdit *>(QStringLiteral("txtSender")); };
        QString seen;
        onDialog([&](QWidget *dialog) {
            sender(dialog)->setText(QStringLiteral("typed@plant.gr"));
            dialog->close();
        });
        emit diagram->emailClicked();
        onDialog([&](QWidget *dialog) {
            seen = sender(dialog)->text();
            dialog->close();
        });
        emit diagram->emailClicked();
        QCOMPARE(seen, QStringLiteral("typed@plant.gr"));
        QCOMPARE(s.EditSetup.ESender, QStringLiteral("m7@plant.gr"));
        // OK in the kept dialog stores what was typed into it; its other
        // boxes show what was edited meanwhile, the hidden APN too.
        s.EditSetup.SMSNum = QStringLiteral("+30690001");
        s.EditSetup.APN = QStringLiteral("newapn");
        s.EditSetup.MailServer = QStringLiteral("smtp.agreed");
        const QString apnCaption = rig.window->caption(Item::lblAPN);
        QStringList boxes;
        onDialog([&](QWidget *dialog) {
            for (const char *box : {"txtAPN", "txtSMTP", "txtSender"})
                boxes << dialog->findChild<QLineEdit *>(QLatin1String(box))->text();
            click(dialog, "cmdOK");
        });
        emit diagram->emailClicked();
        QCOMPARE(boxes, (QStringList{QStringLiteral("newapn"), QStringLiteral("smtp.agreed"),
                                     QStringLiteral("typed@plant.gr")}));
        QCOMPARE(s.EditSetup.ESender, QStringLiteral("typed@plant.gr"));
        QCOMPARE(s.EditSetup.APN, QStringLiteral("newapn"));
        QCOMPARE(s.EditSetup.MailServer, QStringLiteral("smtp.agreed"));
        QCOMPARE(s.EditSetup.SMSNum, QStringLiteral("+30690001"));
        QCOMPARE(rig.window->caption(Item::lblAPN), apnCaption);
        onDialog([&](QWidget *dialog) {
            sender(dialog)->setText(QStringLiteral("again@plant.gr"));
            dialog->close();
        });
        emit diagram->emailClicked();
        s.ModemSetup.ESender = s.EditSetup.ESender = QStringLiteral("read@plant.gr");
        onDialog([&](QWidget *dialog) {
            seen = sender(dialog)->text();
            click(dialog, "cmdCancel");
        });
        emit diagram->emailClicked();
        QCOMPARE(seen, QStringLiteral("read@plant.gr"));

        // The two lines edited in an input box.
        rig.prompt.answerInput(QStringLiteral("5020"));
        emit diagram->serverPortClicked();
        rig.prompt.answerInput(QStringLiteral(" +30690002 "));
        emit diagram->smsClicked();
        QCOMPARE(s.EditSetup.HostPort, 5020);
        QCOMPARE(rig.window->caption(Item::lblServerPort), QStringLiteral("Server IP port: 5020"));
        QCOMPARE(rig.window->caption(Item::lblSMS), QStringLiteral("Alarm SMS: +30690002"));

        // File > Pending changes lists what Write would send, passwords masked.
        // They are for the modem read: another one gets the whole setup.
        s.EditSetup.XPas = QStringLiteral("m41lpw");
        s.SerialNumber = QStringLiteral("MRL0012345");
        QStringList pending;
        onDialog([&](QWidget *dialog) {
            for (const char *label : {"lblPending", "lblOther"})
                pending << dialog->findChild<QLabel *>(QLatin1String(label))->text();
            const auto *list = dialog->findChild<QListWidget *>(QStringLiteral("lstPending"));
            for (int i = 0; list && i < list->count(); ++i)
                pending << list->item(i)->text();
            dialog->close();
        });
        auto *mnuFilePending = rig.window->findChild<QAction *>(QStringLiteral("mnuFilePending"));
        rig.window->UpdateControls();
        mnuFilePending->trigger();
        QCOMPARE(pending.mid(0, 2),
                 (QStringList{QStringLiteral("Write sends these setting lines to the Merolan S/N MRL0012345, in this "
                                             "order:"),
                              QStringLiteral("A Merolan with another serial number gets the whole setup.")}));
        QVERIFY2(pending.contains(QStringLiteral("HSTPORTNUMBER=5020")), qPrintable(pending.join('|')));
        QVERIFY(pending.contains(QStringLiteral("XPAS=***")));
        QVERIFY(!pending.join('|').contains(QStringLiteral("m41lpw")));

        // A record without a rate takes 9600 on opening, Cancel or not, and
        // the diagram shows it.
        s.EditSetup.Baud = 0;
        onDialog([&](QWidget *dialog) { click(dialog, "cmdCancel"); });
        emit diagram->baudClicked();
        QCOMPARE(s.EditSetup.Baud, 4);
        QCOMPARE(rig.window->caption(Item::lblBaud), QStringLiteral("Baud: 9600"));
        // Changes are pending, and no modem has said its firmware.
        QCOMPARE(rig.prompt.messages().size(), 2);
        QCOMPARE(rig.prompt.messages().last(), QStringLiteral("Changing the Merolan baud rate will require a 3-minute "
                                                              "reset after pressing 'Finish programming'"));
        QCOMPARE(rig.prompt.unexpected(), QStringList());
    }

    // The round on the real serial layer in real time, where the window's own
    // timer and events run during every wait: log in and read, write a change, finish.
    void programOverPseudoTerminal()
    {
        PtyModemThread modem;
        modem.config().password = QStringLiteral("1234");
        modem.config().syncMs = 300;
        QVERIFY2(modem.start(), qPrintable(modem.errorString()));
        RealClock clock;
        QtSerialLink link(clock);
        Rig rig(QStringLiteral(",1234"), {modem.devicePath()}, &link);
        rig.window->show();
        const auto apn = [&] { return modem.call([](SimModem &m) { return m.setting(QStringLiteral("APN")); }); };

        rig.get<QPushButton>("cmdConnect")->click();
        QCOMPARE(rig.tabs()->currentIndex(), 1);

        rig.session().EditSetup.APN = QStringLiteral("field.example");
        auto *write = rig.get<QPushButton>("cmdWrite");
        QTRY_VERIFY(write->isEnabled());
        write->click();
        QCOMPARE(apn(), QStringLiteral("field.example"));

        // Written, so nothing to ask.
        auto *finish = rig.get<QPushButton>("cmdFinish");
        QTRY_VERIFY(finish->isEnabled());
        finish->click();
        QVERIFY(rig.prompt.shown().isEmpty());
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QTRY_VERIFY(modem.call([](SimModem &m) { return m.receivedLines().endsWith(QStringLiteral("#AUTO")); }));
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
