#include "clock.h"
#include "commandline.h"
#include "frmcom.h"
#include "frmselcon.h"
#include "memorylink.h"
#include "ptymodem.h"
#include "qtseriallink.h"
#include "scriptedprompt.h"
#include "simmodem.h"
#include "virtualclock.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Item = SetupView::Item;

namespace {

const QString kLocalInfo = QStringLiteral(
    "You will be programming a Merolan modem, connected to a local COM port.\n"
    "Select an available COM port and a suitable Baud rate. The default Merolan rate is 9600 Baud.\n"
    "To start click the 'Connect to Merolan' button.");
const QString kGsmInfo = QStringLiteral(
    "You will be programming a remote Merolan modem.\n"
    "The remote Merolan will be reached via a DATA (GSM) connection.\n"
    "To start click the 'Connect to Merolan' button.");
const QString kGprsInfo = QStringLiteral(
    "You will be programming a remote Merolan modem.\n"
    "The remote Merolan will be reached via an Ethernet (GPRS) connection.\n"
    "To start click the 'Connect to Merolan' button.");
const QString kResetText = QStringLiteral(
    "Changing the Merolan operation will require a 3-minute reset after pressing 'Finish programming'");
const QString kPlainText = QStringLiteral("The Merolan operation will change after pressing 'Finish programming'");
const QColor kLightRed(255, 128, 128);

// The main window on a simulated modem behind an in-memory port.
struct Rig
{
    VirtualClock clock;
    SimModem sim{clock};
    MemorySerialLink link{clock, sim};
    ScriptedPrompt prompt;
    std::unique_ptr<frmSelCon> window;

    explicit Rig(const QString &commandLine = {},
                 const QStringList &ports = {QStringLiteral("COM1"), QStringLiteral("COM3"), QStringLiteral("COM4")})
    {
        link.setPorts(ports);
        StartOptions options;
        options.commandLine = commandLine;
        window = std::make_unique<frmSelCon>(link, prompt, options);
    }

    template <typename T = QWidget>
    T *get(const char *name) const
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    Session &session() { return window->session(); }
    QTabWidget *tabs() const { return get<QTabWidget>("SSTab"); }
    bool shownOnItsTab(const char *name) const { return get(name)->isVisibleTo(get("fraDataStyl")->parentWidget()); }
    QColor writeColour() const { return get<QPushButton>("cmdWrite")->palette().color(QPalette::Button); }
    QColor refreshColour() const { return get<QPushButton>("cmdRefresh")->palette().color(QPalette::Button); }
    // As after a connect: the programming tab can be used.
    void openProgramTab() { tabs()->setTabEnabled(1, true); }
    void openPort()
    {
        link.setSettings(QStringLiteral("9600,n,8,1"));
        link.setPortOpen(true);
    }
};

void setFlags(OperationState &s, const QString &flag)
{
    s.Writing = flag == QLatin1String("Writing");
    s.Reading = flag == QLatin1String("Reading");
    s.Busy = flag == QLatin1String("Busy");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void programOptions();
    void commandLineFields_data();
    void commandLineFields();

    void startStateWithoutArguments();
    void commandLine_data();
    void commandLine();
    void portListFollowsTheSystem();

    void updateControls_data();
    void updateControls();
    void progressBarFollowsTheOperation();
    void showDevices_data();
    void showDevices();

    void roleHandler_data();
    void roleHandler();
    void loggerHandler();
    void hasChangesColours();

    void fileMenuSavesAndLoads();
    void closeRefusedWhileRunning_data();
    void closeRefusedWhileRunning();
    void closeHandsTheModemBack();
    void portThatCannotBeOpened();
    void serialTrafficWindow();

    void connectReadAndFinish();
    void finishWithPendingChanges();
    void connectOverPseudoTerminal_data();
    void connectOverPseudoTerminal();
    void programOverPseudoTerminal();
};

void TestMainWindow::programOptions()
{
    ProgramOptions o = splitProgramOptions({QStringLiteral("--demo"), QStringLiteral(",pw,3"),
                                            QStringLiteral("--port"), QStringLiteral("/dev/pts/3")});
    QVERIFY(o.demo);
    QCOMPARE(o.port, QStringLiteral("/dev/pts/3"));
    QCOMPARE(o.commandLine, QStringLiteral(",pw,3"));

    o = splitProgramOptions({QStringLiteral(",a"), QStringLiteral("b,3"), QStringLiteral("--port=/dev/ttyUSB1"),
                             QStringLiteral("--verbose")});
    QVERIFY(!o.demo);
    QCOMPARE(o.port, QStringLiteral("/dev/ttyUSB1"));
    // A password with a blank arrives as two arguments.
    QCOMPARE(o.commandLine, QStringLiteral(",a b,3"));
    QCOMPARE(o.unknown, QStringList{QStringLiteral("--verbose")});
}

void TestMainWindow::commandLineFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("password");  // "-" for none
    QTest::addColumn<QString>("port");      // "-" for none
    QTest::addColumn<QString>("logger");    // "-" for none
    QTest::addColumn<int>("kind");          // -1 for none
    QTest::addColumn<int>("devices");       // -1 for none

    QTest::newRow("empty") << "" << "-" << "-" << "-" << -1 << -1;
    QTest::newRow("one field") << "secret" << "-" << "-" << "-" << -1 << -1;
    QTest::newRow("two fields") << ",secret" << "secret" << "-" << "-" << -1 << -1;
    QTest::newRow("password kept as typed") << ", se cret ,3" << " se cret " << "3" << "-" << -1 << -1;
    QTest::newRow("non-numeric port") << ",pw,x3,1" << "pw" << "-" << "1" << -1 << -1;
    QTest::newRow("logger not a number") << ",,3,abc" << "" << "3" << "0" << -1 << -1;
    QTest::newRow("logger decimal") << ",,3,50.0" << "" << "3" << "50" << -1 << -1;
    QTest::newRow("kind 1") << ",,3,0,1" << "" << "3" << "0" << 1 << -1;
    QTest::newRow("kind 2") << ",,3,0,2" << "" << "3" << "0" << 2 << -1;
    QTest::newRow("kind other") << ",,3,0,7" << "" << "3" << "0" << 0 << -1;
    QTest::newRow("six fields") << ",,3,0,0,7" << "" << "3" << "0" << 0 << 7;
    QTest::newRow("device count too large") << ",,3,0,0,99999" << "" << "3" << "0" << 0 << 3;
    QTest::newRow("seven fields") << ",a,3,1,1,1,1" << "-" << "-" << "-" << -1 << -1;
}

void TestMainWindow::commandLineFields()
{
    QFETCH(QString, line);
    QFETCH(QString, password);
    QFETCH(QString, port);
    QFETCH(QString, logger);
    QFETCH(int, kind);
    QFETCH(int, devices);
    const CommandLine c = parseCommandLine(line);
    QCOMPARE(c.password.value_or(QStringLiteral("-")), password);
    QCOMPARE(c.portNumber.value_or(QStringLiteral("-")), port);
    QCOMPARE(c.loggerType.value_or(QStringLiteral("-")), logger);
    QCOMPARE(c.connectionKind ? int(*c.connectionKind) : -1, kind);
    QCOMPARE(c.deviceCount ? int(*c.deviceCount) : -1, devices);
}

void TestMainWindow::startStateWithoutArguments()
{
    Rig rig;
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("Merolan programmer"));
    QCOMPARE(rig.tabs()->currentIndex(), 0);
    QVERIFY(rig.tabs()->isTabEnabled(0));
    QVERIFY(!rig.tabs()->isTabEnabled(1));
    QCOMPARE(rig.tabs()->tabText(0), QStringLiteral("Merolan not found"));
    QCOMPARE(rig.tabs()->tabText(1), QStringLiteral("Program Merolan"));

    QWidget *startTab = rig.tabs()->widget(0);
    QVERIFY(rig.get("fraConnection0")->isVisibleTo(startTab));
    QVERIFY(!rig.get("fraConnection1")->isVisibleTo(startTab));
    QVERIFY(!rig.get("fraConnection2")->isVisibleTo(startTab));
    QCOMPARE(rig.get<QLabel>("lblInfo")->text(), kLocalInfo);
    QCOMPARE(rig.session().ConnectionKind, 0);

    auto *baud = rig.get<QComboBox>("cboBaud");
    QCOMPARE(baud->currentText(), QStringLiteral("9600"));
    QStringList rates;
    for (int i = 0; i < baud->count(); ++i)
        rates << baud->itemText(i);
    QCOMPARE(rates, QString("1200 2400 4800 9600 19200 38400 115200").split(' '));

    auto *port = rig.get<QComboBox>("cboPort");
    QCOMPARE(port->currentText(), QStringLiteral("COM4"));
    QCOMPARE(rig.link.CommPort(), QStringLiteral("COM4"));
    QVERIFY(port->isEnabled());
    QVERIFY(rig.window->PortInList(QStringLiteral("3")));
    QVERIFY(!rig.window->PortInList(QStringLiteral("2")));
    QVERIFY(!rig.window->PortInList(QStringLiteral("03")));

    auto *role = rig.get<QComboBox>("cboRole");
    QCOMPARE(role->count(), 3);
    QCOMPARE(role->itemText(0), QStringLiteral("Merolan is Tessarin GPRS Client"));
    QCOMPARE(role->currentText(), QStringLiteral("Merolan accepts data calls"));
    auto *logger = rig.get<QCheckBox>("chkOmbrilex");
    QVERIFY(!logger->isChecked());
    QCOMPARE(rig.session().LoggerType, QStringLiteral("0"));

    // Help and About wait for their own windows; they must not pretend.
    QVERIFY(rig.window->findChild<QAction *>(QStringLiteral("mnuFileLoad"))->isEnabled());
    QVERIFY(!rig.window->findChild<QAction *>(QStringLiteral("mnuHelpContents"))->isEnabled());
    QVERIFY(!rig.window->findChild<QAction *>(QStringLiteral("mnuHelpAbout"))->isEnabled());
    QCOMPARE(rig.window->findChild<QAction *>(QStringLiteral("mnuFileExit"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Captions before any setup is shown.
    QCOMPARE(rig.get<QLabel>("lblTime0")->text(), QStringLiteral("ON 11:30~20:00"));
    QCOMPARE(rig.get<QLabel>("lblTime2")->text(), QStringLiteral("Always OFF"));
    QCOMPARE(rig.get<QLabel>("lblServerPort")->text(), QStringLiteral("Server IP Port: 1023"));
    QCOMPARE(rig.get<QLabel>("lblAPN")->toolTip(), QStringLiteral("Click to edit"));
    QCOMPARE(rig.get("imgTime1")->toolTip(), QStringLiteral("Click to set On/Off times"));
    QVERIFY(rig.prompt.shown().isEmpty());
}

void TestMainWindow::commandLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("combosEnabled");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("loggerEnabled");
    QTest::addColumn<bool>("passwordLine");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("devices");

    QTest::newRow("three fields") << ",secret,3" << "secret" << "COM3" << false << false << true << true << 0 << 3;
    QTest::newRow("port not in list") << ",secret,7" << "secret" << "COM4" << true << false << true << true << 0 << 3;
    QTest::newRow("non-numeric port, rest applies")
        << ",pw,x3,1,2" << "pw" << "COM4" << true << true << false << true << 2 << 3;
    QTest::newRow("logger 50 hides the password line")
        << ",,3,50" << "" << "COM3" << false << true << false << false << 0 << 3;
    QTest::newRow("logger 40") << ",,3,40" << "" << "COM3" << false << true << false << true << 0 << 3;
    QTest::newRow("logger 100") << ",,3,100" << "" << "COM3" << false << true << false << true << 0 << 3;
    QTest::newRow("logger 7 is no logger") << ",,3,7" << "" << "COM3" << false << false << true << true << 0 << 3;
    QTest::newRow("gsm data call") << ",,3,0,1" << "" << "COM3" << false << false << true << true << 1 << 3;
    QTest::newRow("six fields, count 7") << ",,3,0,0,7" << "" << "COM3" << false << false << true << true << 0 << 3;
    QTest::newRow("six fields, count 1") << ",,1,0,0,1" << "" << "COM1" << false << false << true << true << 0 << 1;
    QTest::newRow("six fields, none") << ",,1,0,0,9" << "" << "COM1" << false << false << true << true << 0 << 9;
    QTest::newRow("one field ignored") << "secret" << "" << "COM4" << true << false << true << true << 0 << 3;
    QTest::newRow("seven fields ignored")
        << ",secret,3,1,1,1,1" << "" << "COM4" << true << false << true << true << 0 << 3;
}

void TestMainWindow::commandLine()
{
    QFETCH(QString, line);
    QFETCH(QString, password);
    QFETCH(QString, port);
    QFETCH(bool, combosEnabled);
    QFETCH(bool, ticked);
    QFETCH(bool, loggerEnabled);
    QFETCH(bool, passwordLine);
    QFETCH(int, kind);
    QFETCH(int, devices);

    Rig rig(line);
    QCOMPARE(rig.get<QLineEdit>("txtPWD")->text(), password);
    QCOMPARE(rig.get<QComboBox>("cboPort")->currentText(), port);
    QCOMPARE(rig.get("cboPort")->isEnabled(), combosEnabled);
    QCOMPARE(rig.get("cboBaud")->isEnabled(), combosEnabled);
    QCOMPARE(rig.get<QCheckBox>("chkOmbrilex")->isChecked(), ticked);
    QCOMPARE(rig.get("chkOmbrilex")->isEnabledTo(rig.tabs()->widget(1)), loggerEnabled);
    QCOMPARE(rig.session().EditSetup.Logger, ticked ? 1 : 0);
    QCOMPARE(rig.window->isShown(Item::lblPWD), passwordLine);
    QCOMPARE(rig.window->isShown(Item::lblPWDSet), passwordLine);

    QCOMPARE(rig.session().ConnectionKind, kind);
    QWidget *startTab = rig.tabs()->widget(0);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(rig.get(qPrintable(QStringLiteral("fraConnection%1").arg(k)))->isVisibleTo(startTab), k == kind);
    QCOMPARE(rig.get<QLabel>("lblInfo")->text(), kind == 1 ? kGsmInfo : kind == 2 ? kGprsInfo : kLocalInfo);

    QCOMPARE(rig.session().DeviceCount, devices);
    QWidget *diagram = rig.get("fraDataStyl");
    for (int g = 0; g < 3; ++g) {
        const bool shown = devices != 9 && g < devices;
        QCOMPARE(rig.get(qPrintable(QStringLiteral("lblDevice%1").arg(g)))->isVisibleTo(diagram), shown);
    }
    QCOMPARE(rig.tabs()->currentIndex(), 0);
    QVERIFY(rig.prompt.shown().isEmpty());
}

void TestMainWindow::portListFollowsTheSystem()
{
    Rig rig;
    auto *port = rig.get<QComboBox>("cboPort");
    port->setCurrentIndex(port->findText(QStringLiteral("COM3")));

    // An adapter plugged in: listed, the choice stays.
    rig.link.setPorts({QStringLiteral("COM1"), QStringLiteral("COM3"), QStringLiteral("COM4"), QStringLiteral("COM9")});
    rig.window->refreshPorts();
    QCOMPARE(port->count(), 4);
    QCOMPARE(port->currentText(), QStringLiteral("COM3"));

    // The chosen adapter pulled out: the last port is chosen again.
    rig.link.setPorts({QStringLiteral("COM1"), QStringLiteral("COM9")});
    rig.window->refreshPorts();
    QCOMPARE(port->count(), 2);
    QCOMPARE(port->currentText(), QStringLiteral("COM9"));

#ifndef _WIN32
    // A typed device path survives a change of the list.
    QVERIFY(port->isEditable());
    port->setEditText(QStringLiteral("/dev/pts/7"));
    rig.link.setPorts({QStringLiteral("COM1")});
    rig.window->refreshPorts();
    QCOMPARE(port->currentText(), QStringLiteral("/dev/pts/7"));
#endif
}

void TestMainWindow::updateControls_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("others");   // fraDataStyl, fraInfo, chkOmbrilex, cboRole, cmdFinish
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("start");    // fraStart, which starts disabled here
    QTest::addColumn<bool>("hourglass");
    QTest::addColumn<bool>("progress");

    QTest::newRow("writing") << "Writing" << false << false << true << false << false << true;
    QTest::newRow("reading") << "Reading" << false << true << false << false << false << true;
    QTest::newRow("busy") << "Busy" << false << false << false << false << true << true;
    QTest::newRow("none") << "" << true << true << true << true << false << false;
}

void TestMainWindow::updateControls()
{
    QFETCH(QString, flag);
    QFETCH(bool, others);
    QFETCH(bool, refresh);
    QFETCH(bool, write);
    QFETCH(bool, start);
    QFETCH(bool, hourglass);
    QFETCH(bool, progress);

    Rig rig;
    rig.openProgramTab();
    rig.window->show();
    rig.get("fraStart")->setEnabled(false);
    setFlags(rig.session().state, flag);
    rig.window->UpdateControls();

    for (const char *name : {"fraDataStyl", "fraInfo", "chkOmbrilex", "cboRole", "cmdFinish"})
        QVERIFY2(rig.get(name)->isEnabled() == others, name);
    QCOMPARE(rig.get("cmdRefresh")->isEnabled(), refresh);
    QCOMPARE(rig.get("cmdWrite")->isEnabled(), write);
    QCOMPARE(rig.get("fraStart")->isEnabled(), start);
    QCOMPARE(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor, hourglass);
    QCOMPARE(rig.get("ProgBar")->isVisibleTo(rig.window.get()), progress);

    // When the operation ends everything comes back, and the pointer too.
    setFlags(rig.session().state, QString());
    rig.window->UpdateControls();
    for (const char *name : {"fraDataStyl", "fraInfo", "chkOmbrilex", "cboRole", "cmdFinish", "cmdRefresh",
                             "cmdWrite", "fraStart"})
        QVERIFY2(rig.get(name)->isEnabled(), name);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!rig.get("ProgBar")->isVisibleTo(rig.window.get()));
}

void TestMainWindow::progressBarFollowsTheOperation()
{
    Rig rig(QStringLiteral(",,3,40"));
    rig.openProgramTab();
    rig.window->show();
    OperationState &state = rig.session().state;
    state.setProgressRange(30);
    state.setProgress(12);
    state.setStatus(QStringLiteral("Reading setup..."));
    auto *bar = rig.get<QProgressBar>("ProgBar");
    QCOMPARE(bar->maximum(), 30);
    QCOMPARE(bar->value(), 12);
    QCOMPARE(rig.get<QLabel>("lblStatus")->text(), QStringLiteral("Reading setup..."));

    state.Reading = true;
    rig.window->UpdateControls();
    rig.window->resize(rig.window->width() + 200, rig.window->height() + 100);
    QApplication::processEvents();
    QStatusBar *status = rig.window->statusBar();
    const QRect barRect(bar->mapTo(rig.window.get(), QPoint(0, 0)), bar->size());
    QVERIFY(status->geometry().contains(barRect));

    // A logger named by the calling program keeps its box disabled.
    state.Reading = false;
    rig.window->UpdateControls();
    QVERIFY(!rig.get("chkOmbrilex")->isEnabled());
}

void TestMainWindow::showDevices_data()
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

void TestMainWindow::showDevices()
{
    QFETCH(int, count);
    QFETCH(int, shown);
    QFETCH(int, after);
    Rig rig;
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
    QCOMPARE(rig.get("imgDevice0")->isVisibleTo(diagram), shown > 0);
    QCOMPARE(rig.get("imgTick")->isVisibleTo(diagram), shown > 0);
    QCOMPARE(rig.get("imgStop")->isVisibleTo(diagram), shown > 0);
}

void TestMainWindow::roleHandler_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("reading");
    QTest::addColumn<QString>("message");

    QTest::newRow("client on 2.5") << 0 << "2.5" << false << kResetText;
    QTest::newRow("server on 3.0") << 1 << "3.0" << false << kPlainText;
    QTest::newRow("no version") << 1 << "" << false << kResetText;
    QTest::newRow("the modem's own role") << 2 << "3.0" << false << "";
    QTest::newRow("while reading") << 0 << "3.0" << true << "";
}

void TestMainWindow::roleHandler()
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
    const QColor before = rig.writeColour();
    s.state.Reading = reading;

    auto *role = rig.get<QComboBox>("cboRole");
    role->setCurrentIndex(entry);
    emit role->activated(entry);

    QCOMPARE(s.EditSetup.Role, entry + 1);
    QCOMPARE(rig.prompt.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    if (reading)
        QCOMPARE(rig.writeColour(), before);
    else
        QCOMPARE(rig.writeColour(), entry == 2 ? rig.refreshColour() : kLightRed);

    static const char *const network[] = {"GPRS network", "GPRS network", "GSM network"};
    static const char *const merolan[] = {"Merolan (Client)", "Merolan (Server)", "Merolan expects data calls"};
    static const char *const server[] = {"Tessarin", "Internet", "Modem"};
    QCOMPARE(rig.get<QLabel>("lblNetwork")->text(), QLatin1String(network[entry]));
    QCOMPARE(rig.get<QLabel>("lblMerolan")->text(), QLatin1String(merolan[entry]));
    QCOMPARE(rig.get<QLabel>("lblServer")->text(), QLatin1String(server[entry]));
    QCOMPARE(rig.get<QCheckBox>("chkOmbrilex")->text(),
             entry == 2 ? QStringLiteral("Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries.")
                        : QStringLiteral("Merolan is used with a Ombrilex data logger."));

    const bool gprs = entry != 2;
    QCOMPARE(rig.shownOnItsTab("lblAPN"), gprs);
    QCOMPARE(rig.shownOnItsTab("lblProviderUser"), gprs);
    QCOMPARE(rig.shownOnItsTab("lblProviderPWD"), gprs);
    QCOMPARE(rig.shownOnItsTab("imgGPRS"), gprs);
    QCOMPARE(rig.shownOnItsTab("imgGSM"), !gprs);
    QCOMPARE(rig.shownOnItsTab("lblTessarinIP"), entry == 0);
    QCOMPARE(rig.shownOnItsTab("lblTessarinPort"), entry == 0);
    QCOMPARE(rig.shownOnItsTab("imgServer"), entry == 0);
    QCOMPARE(rig.shownOnItsTab("lblServerPort"), entry == 1);
    QCOMPARE(rig.shownOnItsTab("imgInternet"), entry == 1);
    QCOMPARE(rig.shownOnItsTab("imgModem"), entry == 2);
}

void TestMainWindow::loggerHandler()
{
    Rig rig;
    rig.openProgramTab();
    Session &s = rig.session();
    s.ModemSetup.Baud = 6;
    s.ModemSetup.EmailInterval = 12;
    s.EditSetup = s.ModemSetup;
    s.HasChanges();
    auto *box = rig.get<QCheckBox>("chkOmbrilex");
    auto *device = rig.get<QLabel>("lblDevice0");
    auto *baud = rig.get<QLabel>("lblBaud");
    auto *email = rig.get<QLabel>("lblEmail");
    baud->setText(QStringLiteral("Baud: 38400"));

    box->click();
    QVERIFY(box->isChecked());
    QCOMPARE(s.EditSetup.Logger, 1);
    QCOMPARE(s.EditSetup.Baud, 4);
    QCOMPARE(device->text(), QStringLiteral("Ombrilex data logger"));
    QCOMPARE(device->toolTip(), QStringLiteral("Click to connect to data logger and close Merolan Programmer."));
    QVERIFY(!rig.shownOnItsTab("imgDevice0"));
    QVERIFY(rig.shownOnItsTab("imgOmbrilex"));
    QCOMPARE(baud->text(), QStringLiteral("Baud: 9600"));
    QVERIFY(!baud->isEnabled());
    QVERIFY(email->isEnabled());
    QCOMPARE(email->text(), QStringLiteral("Email: per 12h"));
    QCOMPARE(rig.get("lblPWDSet")->toolTip(), QStringLiteral("Click to change password"));
    QCOMPARE(rig.writeColour(), kLightRed);

    box->click();
    QCOMPARE(s.EditSetup.Logger, 0);
    QCOMPARE(s.EditSetup.Baud, 4);
    QCOMPARE(device->text(), QStringLiteral("Device 1"));
    QCOMPARE(device->toolTip(), QStringLiteral("Click to connect to Device 1 and close Merolan Programmer."));
    QVERIFY(rig.shownOnItsTab("imgDevice0"));
    QVERIFY(!rig.shownOnItsTab("imgOmbrilex"));
    QVERIFY(baud->isEnabled());
    QVERIFY(!email->isEnabled());

    s.EditSetup.EmailInterval = 0;
    rig.window->setLoggerTicked(true);
    QCOMPARE(email->text(), QStringLiteral("Email: Disabled"));
    QVERIFY(rig.prompt.shown().isEmpty());
}

void TestMainWindow::hasChangesColours()
{
    Rig rig;
    Session &s = rig.session();
    s.ModemSetup.APN = QStringLiteral("internet");
    s.EditSetup = s.ModemSetup;
    QVERIFY(!s.HasChanges());
    QCOMPARE(rig.writeColour(), rig.refreshColour());

    s.EditSetup.APN = QStringLiteral("Internet");
    QVERIFY(s.HasChanges());
    QCOMPARE(rig.writeColour(), kLightRed);

    s.EditSetup.APN = QStringLiteral("internet");
    QVERIFY(!s.HasChanges());
    QCOMPARE(rig.writeColour(), rig.refreshColour());
}

void TestMainWindow::fileMenuSavesAndLoads()
{
    Rig rig;
    Session &s = rig.session();
    s.EditSetup.Role = 2;
    s.EditSetup.APN = QStringLiteral("internet.example");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.mrl"));
    rig.prompt.answerFile(path);
    rig.window->findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
    QVERIFY(QFile::exists(path));

    s.EditSetup = SetupRecord();
    rig.prompt.answerFile(path);
    rig.window->findChild<QAction *>(QStringLiteral("mnuFileLoad"))->trigger();
    QCOMPARE(s.EditSetup.APN, QStringLiteral("internet.example"));
    QCOMPARE(rig.get<QComboBox>("cboRole")->currentIndex(), 1);
    QCOMPARE(rig.get<QLabel>("lblAPN")->text(), QStringLiteral("APN: internet.example"));
    QVERIFY(rig.prompt.unexpected().isEmpty());
    QVERIFY(rig.prompt.messages().isEmpty());
}

void TestMainWindow::closeRefusedWhileRunning_data()
{
    QTest::addColumn<QString>("flag");
    QTest::newRow("writing") << "Writing";
    QTest::newRow("reading") << "Reading";
    QTest::newRow("busy") << "Busy";
}

void TestMainWindow::closeRefusedWhileRunning()
{
    QFETCH(QString, flag);
    Rig rig;
    rig.openPort();
    rig.window->show();
    setFlags(rig.session().state, flag);
    QVERIFY(!rig.window->close());
    QCOMPARE(rig.prompt.beeps(), 1);
    QVERIFY(rig.window->isVisible());
    QVERIFY(rig.sim.wireIn().isEmpty());
    setFlags(rig.session().state, QString());
}

void TestMainWindow::closeHandsTheModemBack()
{
    {
        Rig rig;
        rig.openPort();
        rig.window->show();
        QTest::keyRelease(rig.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(rig.window->com()->isVisible());
        const qint64 before = rig.clock.now();
        QVERIFY(rig.window->close());
        QCOMPARE(rig.sim.wireIn(), QByteArray("#AUTO\r\n"));
        QVERIFY(rig.clock.now() - before >= 1000);
        QVERIFY(!rig.window->com()->isVisible());
        QCOMPARE(rig.prompt.beeps(), 0);
    }
    {
        // After Finish the port is closed: nothing more to say.
        Rig rig;
        rig.window->show();
        QVERIFY(rig.window->close());
        QVERIFY(rig.sim.wireIn().isEmpty());
    }
}

void TestMainWindow::portThatCannotBeOpened()
{
    Rig rig;
    rig.link.setOpenFails(true);
    rig.get<QPushButton>("cmdConnect")->click();
    QCOMPARE(rig.prompt.messages(), QStringList{QStringLiteral("Cannot open COM port")});
    QCOMPARE(rig.link.CommPort(), QStringLiteral("COM4"));
    QCOMPARE(rig.link.settings(), QStringLiteral("9600,n,8,1"));
    QVERIFY(!rig.link.PortOpen());
    QCOMPARE(rig.tabs()->currentIndex(), 0);
    QVERIFY(!rig.tabs()->isTabEnabled(1));
    QVERIFY(rig.sim.wireIn().isEmpty());

    // The user may try again on another port.
    rig.link.setOpenFails(false);
    rig.sim.config().silent = true;
    rig.prompt.clear();
    rig.get<QPushButton>("cmdConnect")->click();
    QCOMPARE(rig.prompt.messages().size(), 1);
    QVERIFY(rig.prompt.messages().first().startsWith(QStringLiteral("Could not communicate with local Merolan.")));
    QVERIFY(!rig.link.PortOpen());
    QCOMPARE(rig.tabs()->currentIndex(), 0);
}

void TestMainWindow::serialTrafficWindow()
{
    Rig rig;
    rig.openPort();
    frmCom *com = rig.window->com();
    QCOMPARE(com->windowTitle(), QStringLiteral("Serial traffic"));
    com->show();
    auto *view = com->findChild<QPlainTextEdit *>(QStringLiteral("txtTerminal"));
    QVERIFY(view);

    QSignalSpy sent(&rig.link, &SerialLink::bytesSent);
    QTest::keyClicks(view, QStringLiteral("A"));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(sent.size(), 3);
    QCOMPARE(sent[0][0].toByteArray(), QByteArray("A"));
    QCOMPARE(sent[1][0].toByteArray(), QByteArray("\r"));
    QCOMPARE(sent[2][0].toByteArray(), QByteArray("\n"));

    // What the modem sends shows line by line; other control bytes as codes.
    rig.sim.transmit(QByteArray("OK\r\nbell\x07\r\n"));
    const QStringList lines = view->toPlainText().split('\n');
    QVERIFY2(lines.contains(QStringLiteral("OK")), qPrintable(view->toPlainText()));
    QVERIFY(lines.contains(QStringLiteral("bell<07>")));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("traffic.txt"));
    rig.prompt.answerFile(path);
    com->findChild<QPushButton *>(QStringLiteral("cmdSave"))->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList saved = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(saved.size() >= 3);
    static const QRegularExpression stamped(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3}  "));
    for (const QString &line : saved)
        QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
    QCOMPARE(saved.filter(QRegularExpression(QStringLiteral("  bell<07>$"))).size(), 1);

    // Closing only hides it.
    QVERIFY(!com->close());
    QVERIFY(!com->isVisible());
    QCOMPARE(rig.window->com(), com);
}

void TestMainWindow::connectReadAndFinish()
{
    Rig rig({}, {QStringLiteral("ttyS0")});
    rig.window->show();
    rig.get<QPushButton>("cmdConnect")->click();

    QVERIFY(rig.prompt.unexpected().isEmpty());
    QVERIFY(rig.prompt.messages().isEmpty());
    QCOMPARE(rig.tabs()->currentIndex(), 1);
    QVERIFY(rig.tabs()->isTabEnabled(1));
    QVERIFY(!rig.tabs()->isTabEnabled(0));
    QCOMPARE(rig.tabs()->tabText(0), QStringLiteral("Merolan found"));
    QVERIFY(rig.get("cmdRefresh")->isVisible());
    QCOMPARE(rig.get<QLabel>("lblSerial")->text(), QStringLiteral("S/N: ") + rig.sim.config().serialNumber);
    QVERIFY(rig.session().EditSetup == rig.session().ModemSetup);
    QVERIFY(rig.sim.receivedLines().contains(QStringLiteral("#Version?")));
    QVERIFY(rig.link.PortOpen());

    rig.sim.clearRecord();
    rig.get<QPushButton>("cmdFinish")->click();
    QVERIFY(rig.prompt.questions().isEmpty());
    QCOMPARE(rig.sim.wireIn(), QByteArray("#AUTO\r\n"));
    QCOMPARE(rig.tabs()->currentIndex(), 0);
    QVERIFY(rig.tabs()->isTabEnabled(0));
    QVERIFY(!rig.tabs()->isTabEnabled(1));
    QCOMPARE(rig.tabs()->tabText(0), QStringLiteral("Merolan not found"));
    QVERIFY(!rig.link.PortOpen());
}

void TestMainWindow::finishWithPendingChanges()
{
    Rig rig({}, {QStringLiteral("ttyS0")});
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
    QVERIFY(rig.link.PortOpen());
    QCOMPARE(rig.tabs()->currentIndex(), 1);

    rig.prompt.answerQuestion(true);
    rig.get<QPushButton>("cmdFinish")->click();
    QCOMPARE(rig.sim.wireIn(), QByteArray("#AUTO\r\n"));
    QVERIFY(!rig.link.PortOpen());
}

void TestMainWindow::connectOverPseudoTerminal_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("connected");
    QTest::newRow("right password") << "1234" << true;
    QTest::newRow("wrong password") << "4321" << false;
}

void TestMainWindow::connectOverPseudoTerminal()
{
    QFETCH(QString, typed);
    QFETCH(bool, connected);

    SimModem::Config config;
    config.password = QStringLiteral("1234");
    config.syncMs = 300;
    PtyModemThread modem(config);
    QVERIFY2(modem.start(), qPrintable(modem.errorString()));

    RealClock clock;
    QtSerialLink link(clock);
    ScriptedPrompt prompt;
    StartOptions options;
    options.commandLine = QStringLiteral(",") + typed;
    options.extraPorts = {modem.devicePath()};
    frmSelCon window(link, prompt, options);
    window.show();
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("cboPort"))->currentText(), modem.devicePath());

    window.findChild<QPushButton *>(QStringLiteral("cmdConnect"))->click();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("SSTab"));
    QVERIFY(prompt.unexpected().isEmpty());
    if (connected) {
        QVERIFY(prompt.messages().isEmpty());
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(window.caption(Item::lblPWD), QStringLiteral("Password: Enabled"));
        QCOMPARE(window.caption(Item::lblSerial), QStringLiteral("S/N: ") + config.serialNumber);
        QVERIFY(modem.call([](SimModem &m) { return m.receivedLines().contains(QStringLiteral("#PASSWORD=1234")); }));
        QVERIFY(link.PortOpen());
        QVERIFY(window.close());
        QTRY_VERIFY(modem.call([](SimModem &m) { return m.receivedLines().contains(QStringLiteral("#AUTO")); }));
    } else {
        QCOMPARE(prompt.messages(), QStringList{QStringLiteral("Password rejected")});
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!tabs->isTabEnabled(1));
        QVERIFY(!link.PortOpen());
    }

    // A device that is not there.
    if (!connected) {
        prompt.clear();
        auto *port = window.findChild<QComboBox *>(QStringLiteral("cboPort"));
        port->setEditText(QStringLiteral("/dev/merolan-no-such-port"));
        window.UpdateControls();
        window.findChild<QPushButton *>(QStringLiteral("cmdConnect"))->click();
        QCOMPARE(prompt.messages(), QStringList{QStringLiteral("Cannot open COM port")});
        QCOMPARE(tabs->currentIndex(), 0);
    }
}

// The technician's whole round on the real serial layer: connect and read,
// change a setting, write it, keep the setup in a file and bring it back.
void TestMainWindow::programOverPseudoTerminal()
{
    SimModem::Config config;
    config.syncMs = 300;
    PtyModemThread modem(config);
    QVERIFY2(modem.start(), qPrintable(modem.errorString()));
    const QString storedApn = modem.call([](SimModem &m) { return m.setting(QStringLiteral("APN")); });

    RealClock clock;
    QtSerialLink link(clock);
    ScriptedPrompt prompt;
    StartOptions options;
    options.extraPorts = {modem.devicePath()};
    frmSelCon window(link, prompt, options);
    window.show();
    window.findChild<QPushButton *>(QStringLiteral("cmdConnect"))->click();
    QCOMPARE(window.findChild<QTabWidget *>(QStringLiteral("SSTab"))->currentIndex(), 1);
    Session &s = window.session();
    QCOMPARE(s.ModemSetup.APN, storedApn);
    QVERIFY(s.EditSetup == s.ModemSetup);

    s.EditSetup.APN = QStringLiteral("field.example");
    QVERIFY(s.HasChanges());
    auto *write = window.findChild<QPushButton *>(QStringLiteral("cmdWrite"));
    QTRY_VERIFY(write->isEnabled());
    write->click();
    QVERIFY2(prompt.messages().isEmpty(), qPrintable(prompt.messages().join('|')));
    QCOMPARE(s.state.status(), QStringLiteral("Setup write finished successfully."));
    QCOMPARE(modem.call([](SimModem &m) { return m.setting(QStringLiteral("APN")); }),
             QStringLiteral("field.example"));
    QVERIFY(s.ModemSetup == s.EditSetup);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.mrl"));
    prompt.answerFile(path);
    window.findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
    s.EditSetup.APN = QStringLiteral("changed.after.save");
    prompt.answerFile(path);
    window.findChild<QAction *>(QStringLiteral("mnuFileLoad"))->trigger();
    QCOMPARE(s.EditSetup.APN, QStringLiteral("field.example"));

    // The loaded file holds what the modem has: nothing to write.
    QTRY_VERIFY(write->isEnabled());
    write->click();
    QCOMPARE(prompt.messages(),
             QStringList{QStringLiteral("Write will not be performed because there are no changes.")});
    QVERIFY(prompt.unexpected().isEmpty());
    QVERIFY(window.close());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
