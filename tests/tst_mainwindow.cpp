#include "frmcom.h"
#include "frmselcon.h"
#include "memorylink.h"
#include "portpicker.h"
#include "recordingplatform.h"
#include "samplesetup.h"
#include "scriptedprompt.h"
#include "setupdiagram.h"
#include "simmodem.h"
#include "virtualclock.h"
#include "widgetrig.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

#include <memory>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;
using Flag = bool OperationState::*;
Q_DECLARE_METATYPE(Flag)
Q_DECLARE_METATYPE(SetupRecord)

namespace {

const QColor kLightRed(255, 128, 128);

// The main window with a scripted user, on a simulated modem behind an
// in-memory port on the virtual clock.
struct Rig
{
    VirtualClock clock;
    SimModem sim{clock};
    MemorySerialLink link{clock, sim};
    ScriptedPrompt prompt;
    RecordingPlatform system;
    std::unique_ptr<frmSelCon> window;

    // COMx3 is there for a port field that is not a number: it must not be taken.
    explicit Rig(const QString &commandLine = {}, const QStringList &ports = u"COM1 COM3 COMx3 COM4"_s.split(' '))
    {
        link.setPorts(ports);
        window = std::make_unique<frmSelCon>(link, prompt, StartOptions{commandLine, {}, {}}, system);
    }
    template <typename T = QWidget>
    T *get(QAnyStringView name) const
    {
        return rig::find<T>(window.get(), name);
    }
    Session &session() { return window->session(); }
    QTabWidget *tabs() const { return get<QTabWidget>("SSTab"); }
    // On show, or enabled, on its own tab.
    QWidget *page(QWidget *w) const { return tabs()->widget(tabs()->widget(0)->isAncestorOf(w) ? 0 : 1); }
    bool shown(QAnyStringView name) const { return get(name)->isVisibleTo(page(get(name))); }
    bool enabled(QAnyStringView name) const { return get(name)->isEnabledTo(page(get(name))); }
    bool changesMarked() const { return rig::face(get("cmdWrite")) == kLightRed; }
    // The password the operations log in with, and the box that shows it.
    QString password() const
    {
        const QString shown = get<QLineEdit>("txtPWD")->text();
        return shown == window->session().Password ? shown
                                                   : u"box %1, session %2"_s.arg(shown, window->session().Password);
    }
    void typePassword(const QString &text) const { QTest::keyClicks(get("txtPWD"), text); }
    // Logged in and read, on the programming tab.
    void connect()
    {
        window->show();
        get<QPushButton>("cmdConnect")->click();
        QCOMPARE(tabs()->currentIndex(), 1);
    }
};

// Whether a line shows the change mark, in the write button's light red.
bool marked(QWidget *line)
{
    const QImage image = line->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *begin = reinterpret_cast<const QRgb *>(image.constBits());
    return std::find(begin, begin + image.sizeInBytes() / 4, kLightRed.rgb()) != begin + image.sizeInBytes() / 4;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    // Every window of the run keeps its settings here, never in the user's own.
    // (A file, not the Windows registry, which the path does not move.)
    void initTestCase()
    {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    }
    void init() { QSettings().clear(); }

    // The window remembers the port, the baud rate and its size, never the
    // password; a rate no longer offered is left alone. The list follows the
    // system: the choice stays while its port is there, else the last is chosen.
    void portAndRateRememberedAndFollowed()
    {
        {
            Rig rig(u",PW77"_s);
            rig.get<QComboBox>("cboPort")->setCurrentIndex(1);
            rig.get<QComboBox>("cboBaud")->setCurrentText(u"19200"_s);
            rig.window->resize(910, 655);
            rig.get<QPushButton>("cmdConnect")->click();
            QVERIFY(rig.window->close());
        }
        Rig again;
        QCOMPARE(again.get<QComboBox>("cboPort")->currentText(), u"COM3"_s);
        QCOMPARE(again.get<QComboBox>("cboBaud")->currentText(), u"19200"_s);
        QCOMPARE(again.window->size(), QSize(910, 655));
        QCOMPARE(again.password(), QString());
        QSettings settings;
        for (const QString &key : settings.allKeys())
            QVERIFY2(!settings.value(key).toByteArray().contains("PW77"), qPrintable(key));

        settings.setValue(u"connection/baud"_s, u"57600"_s);
        Rig moved({}, {u"COM1"_s, u"COM4"_s});
        auto *port = moved.get<PortPicker>("cboPort");
        QCOMPARE(moved.get<QComboBox>("cboBaud")->currentText(), u"9600"_s);
        const auto offer = [&](const QString &ports) {
            moved.link.setPorts(ports.split(' '));
            port->refreshPorts();
        };
        offer(u"COM1 COM3 COM4 COM9"_s);
        QCOMPARE(port->currentText(), u"COM4"_s);
        offer(u"COM3 COM9"_s);
        QCOMPARE(port->count(), 2);
        QCOMPARE(port->currentText(), u"COM9"_s);
        // Windows offers its COM ports only, as the system names them.
        offer(u"COM2 ttyUSB0"_s);
#ifdef _WIN32
        QCOMPARE(port->count(), 1);
#else
        QCOMPARE(port->count(), 2);
        // A typed device path survives a change of the list, and is the one
        // connected to. (Windows lists every port: nothing is typed there.)
        port->setEditText(u" /dev/pts/7"_s);
        offer(u"COM1"_s);
        QCOMPARE(port->chosenPort(), u"/dev/pts/7"_s);
        // A stored stable name stands for the device it links to now.
        const QString stable = m_settingsDir.filePath(u"usb-Maker_A1-if00"_s);
        QVERIFY(QFile::link(u"/dev/null"_s, stable));
        settings.setValue(u"connection/port"_s, stable);
        QCOMPARE(Rig({}, {u"null"_s, u"ttyS0"_s}).get<QComboBox>("cboPort")->currentText(), u"null"_s);
#endif
    }

    void programOptions()
    {
        const ProgramOptions o =
            splitProgramOptions({u"--demo"_s, u",a"_s, u"b,3"_s, u"--port"_s, u"/dev/pts/3"_s, u"--verbose"_s});
        QVERIFY(o.demo && !o.help && !o.version);
        QCOMPARE(o.port, u"/dev/pts/3"_s);
        // A password with a blank arrives as two arguments.
        QCOMPARE(o.commandLine, u",a b,3"_s);
        QCOMPARE(o.unknown, QStringList{u"--verbose"_s});
        QCOMPARE(splitProgramOptions({u"--port=/dev/ttyUSB1"_s}).port, u"/dev/ttyUSB1"_s);
        QVERIFY(splitProgramOptions({u",1"_s, u"-h"_s}).help && splitProgramOptions({u"--version"_s}).version);
        // A double-click on a setup file hands its name over; the setup line stays apart.
        const ProgramOptions file = splitProgramOptions({u",77"_s, u"C:\\Setups\\Site 4.MRL"_s});
        QCOMPARE(file.setupFile + u'|' + file.commandLine, u"C:\\Setups\\Site 4.MRL|,77"_s);
        QCOMPARE(splitProgramOptions({u"site.mrl.bak"_s}).setupFile, QString());
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("port"); // COM4, the last, unless named; a named port locks port and baud
        QTest::addColumn<bool>("logger");  // ticked, and the box locked
        QTest::addColumn<bool>("passwordLine");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("groups"); // device groups on the diagram
        const auto row = [](const char *name, const char *line, const char *password, const char *port, bool logger,
                            bool passwordLine, int kind, int groups) {
            QTest::newRow(name) << line << password << port << logger << passwordLine << kind << groups;
        };
        row("no arguments", "", "", "COM4", false, true, 0, 3);
        row("password and port", ",12AB,3", "12AB", "COM3", false, true, 0, 3);
        row("port 03 is not COM3", ",7,03", "7", "COM4", false, true, 0, 3);
        row("port x3, rest applies", ",9,x3,1,2", "9", "COM4", true, true, 2, 3);
        row("logger 50 hides password", ",,3,50.0", "", "COM3", true, false, 0, 3);
        row("logger 40", ",,3,40", "", "COM3", true, true, 0, 3);
        row("logger 7 is no logger", ",,3,7", "", "COM3", false, true, 0, 3);
        row("gsm data call", ",,3,0,1", "", "COM3", false, true, 1, 3);
        row("unknown kind is local", ",,3,0,7", "", "COM3", false, true, 0, 3);
        row("count 1", ",,1,0,0,1", "", "COM1", false, true, 0, 1);
        row("count 9 is none", ",,3,0,0,9", "", "COM3", false, true, 0, 0);
        row("count 7 is three", ",,3,0,0,7", "", "COM3", false, true, 0, 3);
        row("seven fields ignored", ",12AB,3,1,1,1,1", "", "COM4", false, true, 0, 3);
    }
    void commandLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, port);
        QFETCH(bool, logger);
        QFETCH(int, kind);
        QFETCH(int, groups);
        Rig rig(line);
        // The periodic refresh must not unlock a logger the calling program named.
        rig.window->UpdateControls();
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QVERIFY(!rig.tabs()->isTabEnabled(1));
        QTEST(rig.password(), "password");
        QCOMPARE(rig.get<QComboBox>("cboPort")->currentText(), port);
        const bool free = port == "COM4"_L1;
        QVERIFY(rig.get("cboPort")->isEnabled() == free && rig.get("cboBaud")->isEnabled() == free);
        QCOMPARE(rig.get<QCheckBox>("chkOmbrilex")->isChecked(), logger);
        QCOMPARE(rig.get("chkOmbrilex")->isEnabledTo(rig.tabs()->widget(1)), !logger);
        QTEST(rig.shown("lblPWD") && rig.shown("lblPWDSet"), "passwordLine");
        for (int k = 0; k < 3; ++k)
            QCOMPARE(rig.get(u"fraConnection%1"_s.arg(k))->isVisibleTo(rig.tabs()->widget(0)), k == kind);
        for (int g = 0; g < 3; ++g)
            QCOMPARE(rig.shown(u"lblDevice%1"_s.arg(g)) && rig.shown(u"lblTime%1"_s.arg(g)), g < groups);
        QVERIFY(rig.prompt.shown().isEmpty());
    }

    // Looked at while each operation runs on the simulated modem, as the
    // window's timer does: what may be clicked, the pointer, the bar; the
    // window refuses to close. When it ends, everything comes back.
    void whileAnOperationRuns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Flag>("flag");
        QTest::addColumn<QStringList>("expected"); // what may still be clicked, and the pointer
        QTest::newRow("search") << "cmdConnect" << &OperationState::Busy << QStringList{u"hourglass"_s};
        QTest::newRow("read") << "cmdRefresh" << &OperationState::Reading << QStringList{u"cmdRefresh"_s};
        QTest::newRow("write") << "cmdWrite" << &OperationState::Writing << QStringList{u"cmdWrite"_s};
    }
    void whileAnOperationRuns()
    {
        QFETCH(QString, button);
        QFETCH(Flag, flag);
        Rig rig;
        if (button != "cmdConnect"_L1)
            rig.connect();
        rig.session().EditSetup.APN = u"iot.changed"_s;
        OperationState &state = rig.session().state;
        QStringList seen;
        QObject::connect(&state, &OperationState::progressChanged, rig.window.get(), [&] {
            if (!(state.*flag) || !seen.isEmpty())
                return;
            rig.window->UpdateControls();
            for (const char *name : {"fraStart", "fraDataStyl", "fraInfo", "chkOmbrilex", "cboRole", "cmdFinish",
                                     "cmdRefresh", "cmdWrite"})
                if (rig.get(name)->isEnabled())
                    seen << QLatin1String(name);
            if (QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor)
                seen << u"hourglass"_s;
            if (rig.get("ProgBar")->isVisibleTo(rig.window.get()))
                seen << u"bar"_s;
            if (!rig.window->close())
                seen << u"stays"_s;
        });
        rig.window->show();
        rig.get<QPushButton>(button)->click();
        QFETCH(QStringList, expected);
        QCOMPARE(seen, expected << u"bar"_s << u"stays"_s);
        QCOMPARE(rig.prompt.beeps(), 1);
        rig.window->UpdateControls();
        for (const char *name : {"fraStart", "fraDataStyl", "cboRole", "cmdFinish", "cmdRefresh", "cmdWrite"})
            QVERIFY2(rig.enabled(name), name);
        QVERIFY(!QApplication::overrideCursor() && !rig.get("ProgBar")->isVisibleTo(rig.window.get()));
    }

    // A role other than the modem's warns by firmware and marks a change; the
    // diagram shows that role's parts (bit 0 client, bit 1 server, bit 2 data calls).
    void roleHandler_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("message");
        const QString reset = u"Changing the Merolan operation will require a 3-minute reset after "
                              "pressing 'Finish programming'"_s;
        QTest::newRow("client on 2.99") << 0 << "2.99" << reset;
        QTest::newRow("server on 3.0") << 1 << "3.0"
                                       << "The Merolan operation will change after pressing 'Finish programming'";
        QTest::newRow("no version") << 1 << "" << reset;
        QTest::newRow("the modem's own role") << 2 << "3.0"
                                              << "";
    }
    void roleHandler()
    {
        QFETCH(int, entry);
        QFETCH(QString, message);
        Rig rig;
        Session &s = rig.session();
        QFETCH(QString, version);
        s.FirmwareVersion = version;
        s.ModemSetup.Role = 3;
        s.EditSetup = s.ModemSetup;
        auto *role = rig.get<QComboBox>("cboRole");
        role->setCurrentIndex(entry);
        emit role->activated(entry);
        QCOMPARE(s.EditSetup.Role, entry + 1);
        QCOMPARE(rig.prompt.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(rig.changesMarked(), !message.isEmpty());
        const std::pair<const char *, int> parts[] = {{"lblAPN", 3},    {"lblProviderPWD", 3}, {"imgGPRS", 3},
                                                      {"imgGSM", 4},    {"lblTessarinIP", 1},  {"lblTessarinPort", 1},
                                                      {"imgServer", 1}, {"lblServerPort", 2},  {"imgInternet", 2},
                                                      {"imgModem", 4}};
        for (const auto &[name, roles] : parts)
            QVERIFY2(rig.shown(name) == bool(roles & (1 << entry)), name);
        role->setCurrentIndex(2);
        emit role->activated(2);
        QVERIFY(!rig.changesMarked());
    }

    // A logger talks at 9600 (code 4), and only with one can the modem e-mail.
    void loggerHandler()
    {
        Rig rig;
        rig.tabs()->setTabEnabled(1, true); // as after a connect
        Session &s = rig.session();
        s.ModemSetup.Baud = 6;
        s.ModemSetup.EmailInterval = 12;
        s.EditSetup = s.ModemSetup;
        auto *box = rig.get<QCheckBox>("chkOmbrilex");
        box->click();
        QVERIFY(s.EditSetup.Logger == 1 && s.EditSetup.Baud == 4 && rig.shown("imgOmbrilex"));
        QCOMPARE(rig.get<QLabel>("lblBaud")->text(), u"Baud: 9600"_s);
        QVERIFY(!rig.get("lblBaud")->isEnabled() && rig.get("lblEmail")->isEnabled() && rig.changesMarked());
        box->click();
        QVERIFY(s.EditSetup.Logger == 0 && !rig.shown("imgOmbrilex"));
        QVERIFY(rig.get("lblBaud")->isEnabled() && !rig.get("lblEmail")->isEnabled());
        QVERIFY(rig.prompt.shown().isEmpty());
    }

    // Ctrl+Shift+C shows the serial traffic; a line typed there goes out.
    // Closing it only hides it; the main window's close takes it along and,
    // with the port open, hands the modem back and gives it a second.
    void serialTrafficAndClose()
    {
        Rig rig;
        rig.link.setPortOpen(true);
        rig.window->show();
        QTest::keyRelease(rig.get("cboPort"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        frmCom *com = rig.window->com();
        QVERIFY(com->isVisible());
        auto *view = rig::find<QPlainTextEdit>(com, "txtTerminal");
        QTest::keyClicks(view, u"A"_s);
        QTest::keyClick(view, Qt::Key_Return);
        rig.sim.transmit(QByteArray("OK\r\nbell\x07\r\n"));
        QVERIFY2(view->toPlainText().split('\n').contains(u"bell<07>"_s), qPrintable(view->toPlainText()));
        QVERIFY(!com->close() && !com->isVisible());
        com->show();
        const qint64 before = rig.clock.now();
        QVERIFY(rig.window->close() && !com->isVisible());
        QCOMPARE(rig.sim.wireIn(), QByteArray("A\r\n#AUTO\r\n"));
        QVERIFY(rig.clock.now() - before >= 1000);
    }

    // A refused login is no connection. The password box keeps to the
    // modem's rule however the text comes in; Enter in it connects.
    void passwordConnectAndFinish()
    {
        Rig rig(u",4321"_s, {u"COM2"_s});
        rig.sim.config().password = u"1234"_s;
        rig.window->show();
        rig.get<QPushButton>("cmdConnect")->click();
        QVERIFY(!rig.link.PortOpen() && rig.tabs()->currentIndex() == 0);
        rig.prompt.clear();
        auto *box = rig.get<QLineEdit>("txtPWD");
        box->selectAll();
        rig.typePassword(u"ab7X1[]^\\QZ"_s);
        QCOMPARE(rig.password(), u"7X1[]^\\Q"_s);
        QCOMPARE(box->cursorPosition(), 8);
        box->selectAll();
        QApplication::clipboard()->setText(u"pw 4A_b"_s);
        box->paste();
        QCOMPARE(rig.password(), u"4A"_s);
        box->selectAll();
        rig.typePassword(u"1234"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(rig.prompt.shown().isEmpty());
        QVERIFY(rig.tabs()->currentIndex() == 1 && !rig.tabs()->isTabEnabled(0));
        QCOMPARE(rig.tabs()->tabText(0), u"Merolan found"_s);
        QCOMPARE(rig::breaches(rig.window.get()), QStringList());

        // The window fits a small screen in every role, and long values do not widen it.
        for (int role : {2, 1, 0}) {
            rig.window->showRole(role);
            QVERIFY(rig.window->minimumSizeHint().width() <= 800 && rig.window->minimumSizeHint().height() <= 600);
        }
        const QSize least = rig.window->minimumSizeHint();
        rig.window->setCaption(Item::lblTessarinIP, u"mediation-gateway.long-host-name.tessarin.example.net"_s);
        rig.window->setCaption(Item::lblSMS, u"Alarm SMS: +306912345678901234567890"_s);
        QCoreApplication::processEvents();
        QCOMPARE(rig.window->minimumSizeHint(), least);

        // The file menu saves, and a load shows what it brought back.
        QTemporaryDir dir;
        rig.prompt.answerFile(dir.filePath(u"Setup.mrl"_s));
        rig.get<QAction>("mnuFileSave")->trigger();
        rig.window->setCaption(Item::lblAPN, QString());
        rig.prompt.answerFile(dir.filePath(u"Setup.mrl"_s));
        rig.get<QAction>("mnuFileLoad")->trigger();
        QCOMPARE(rig.get<QLabel>("lblAPN")->text(), u"APN: internet.example"_s);
        // The same file named at the start is loaded as the menu does, unasked.
        {
            const qsizetype asked = rig.prompt.shown().size();
            frmSelCon started(rig.link, rig.prompt, StartOptions{{}, {}, dir.filePath(u"Setup.mrl"_s)}, rig.system);
            QCOMPARE(started.session().EditSetup, rig.session().EditSetup);
            QCOMPARE(rig.prompt.shown().size(), asked);
        }

        // An unwritten change: closing and Finish ask, preferring No, and No
        // keeps everything as it is.
        rig.session().EditSetup.SMSNum = u"+306900000000"_s;
        rig.sim.clearRecord();
        rig.prompt.answerQuestion(false);
        QVERIFY(!rig.window->close());
        rig.prompt.answerQuestion(false);
        rig.get<QPushButton>("cmdFinish")->click();
        const QString leave = u"Do you want to leave without writing changes to the Merolan?"_s;
        QCOMPARE(rig.prompt.questions(), (QStringList{leave, leave}));
        QVERIFY(rig.prompt.shown().last().preferred == UserPrompt::Answer::No);
        QVERIFY(rig.sim.wireIn().isEmpty() && rig.tabs()->currentIndex() == 1);
        rig.prompt.answerQuestion(true);
        rig.get<QPushButton>("cmdFinish")->click();
        QVERIFY(!rig.link.PortOpen() && rig.tabs()->currentIndex() == 0 && !rig.tabs()->isTabEnabled(1));
        QVERIFY(rig.window->close());
        QCOMPARE(rig.sim.wireIn(), QByteArray("#AUTO\r\n"));
    }

    // The drift under the modem's clock, marked past a minute, and Set; the
    // Change link reaches the password change. A device is switched on, by
    // keyboard or mouse; once on, the window closes.
    void linksOnTheDiagram()
    {
        Rig rig;
        // The computer's clock reads 2 min 13 s behind the modem's as the question goes out.
        rig.sim.lineReceived = [&](const QString &line) {
            if (line == "#TIME?"_L1)
                rig.clock.setWallTime(
                    QDateTime::fromString(rig.sim.clockNow(), u"dd-MM-yy,HH:mm:ss"_s).addYears(100).addSecs(-133));
        };
        rig.connect();
        rig.sim.lineReceived = nullptr;
        auto *drift = rig.get<QLabel>("lblClockDrift");
        QCOMPARE(drift->text(), u"Clock: +2 min 13 s from this computer"_s);
        QVERIFY(marked(drift));
        rig.clock.setWallTime(QDateTime(QDate(2027, 3, 1), QTime(8, 30)));
        rig.sim.clearRecord();
        QTest::mouseClick(rig.get("lblTimeSet"), Qt::LeftButton);
        QVERIFY2(rig.sim.wireIn().contains("#TIME=01-03-27,08:30:"), rig.sim.wireIn().constData());
        QCOMPARE(drift->text(), u"Clock: 0 s from this computer"_s);
        QVERIFY(!marked(drift));

        rig.sim.clearRecord();
        rig.prompt.answerQuestion(true);
        rig.prompt.answerInput(u"NEW1"_s);
        QTest::keyClick(rig.get("lblPWDSet"), Qt::Key_Space);
        QVERIFY(rig.sim.wireIn().endsWith("#PASSWORD=,NEW1\r\n"));
        QCOMPARE(rig.password(), u"NEW1"_s);

        rig.sim.clearRecord();
        rig.prompt.clear();
        rig.sim.config().faults = {{SimModem::Fault::Error, u"P2ON"_s}};
        rig.prompt.answerQuestion(true);
        QTest::keyClick(rig.get("lblDevice1"), Qt::Key_Return);
        QCOMPARE(rig.sim.wireIn(), QByteArray("#P2ON\r\n\r\n"));
        QVERIFY(rig.window->isVisible());
        rig.sim.clearRecord();
        rig.prompt.answerQuestion(true);
        QTest::mouseClick(rig.get("imgDevice2"), Qt::LeftButton);
        QCOMPARE(rig.sim.wireIn(), QByteArray("#P3ON\r\n\r\n#AUTO\r\n"));
        QVERIFY(!rig.window->isVisible());
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // Each editor of the diagram opens on the edited record, keeping the
    // window's rules; OK applies the record and the captions and marks the
    // change, Cancel or a refused OK leaves both. F1 gives the English help in
    // every dialog but the baud rate's.
    void editorsFromTheDiagram_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<SetupRecord>("written");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("told");
        using Edit = void (*)(SetupRecord &);
        const auto row = [](const char *name, const char *box, const QString &typed, const char *label,
                            const char *caption, const char *told, Edit edit, const char *button = "cmdOK") {
            SetupRecord written = sampleSetup();
            if (edit)
                edit(written);
            QTest::newRow(name) << QString::fromLatin1(name).section(' ', 0, 0) << box << typed << button << written
                                << bool(edit) << label << caption << told;
        };
        row("schedule", "txtH_ON1", "21", "lblTime1", "ON 21:30~19:30", "",
            [](SetupRecord &r) { r.OnTime[1] = 21.5 / 24; });
        row("gprs keeps blanks in the caption", "txtAPN", " iot.new ", "lblAPN", "APN:  iot.new ", "",
            [](SetupRecord &r) { r.APN = "iot.new"; });
        row("gprs cut at 32", "txtAPN", QString(32, 'a') + 'b', "lblAPN", "APN: aaaaaaaaaaaaaa...", "",
            [](SetupRecord &r) { r.APN = QString(32, 'a'); });
        row("gprs blank", "txtAPN", "   ", "lblAPN", "APN: ", "APN field may not be empty", nullptr);
        row("gprs cancelled", "txtAPN", "iot.new", "lblAPN", "APN: ", "", nullptr, "cmdCancel");
        // A letter empties the port box at once; halves round to even.
        row("server", "txtPort", "x1023.5", "lblTessarinPort", "Port: 1024", "",
            [](SetupRecord &r) { r.HostPort = 1024; });
        row("server 65536", "txtPort", "65536", "lblTessarinPort", "Port: 4001", "Wrong Host Port Number!", nullptr);
        row("email", "cboInterval", "6", "lblEmail", "Email: per 6h", "", [](SetupRecord &r) { r.EmailInterval = 6; });
        row("baud", "cboBaud", "38400", "lblBaud", "Baud: 38400",
            "Changing the Merolan baud rate will require a 3-minute reset after pressing 'Finish programming'",
            [](SetupRecord &r) { r.Baud = 6; });
    }
    void editorsFromTheDiagram()
    {
        QFETCH(QString, editor);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, told);
        Rig rig;
        Session &s = rig.session();
        s.ModemSetup = s.EditSetup = sampleSetup();
        rig::onNextDialog([&](QDialog &dialog) {
            QCOMPARE(rig::breaches(&dialog), QStringList());
            if (auto *key = dialog.findChild<QAction *>(u"helpKey"_s))
                key->trigger();
            if (auto *combo = dialog.findChild<QComboBox *>(box)) {
                combo->setCurrentText(typed);
            } else {
                rig::find<QLineEdit>(&dialog, box)->clear();
                QTest::keyClicks(rig::find(&dialog, box), typed);
            }
            rig::find<QPushButton>(&dialog, button)->click();
        });
        SetupDiagram *diagram = rig.window->diagram();
        if (editor == "schedule"_L1)
            emit diagram->scheduleClicked(2);
        else
            QMetaObject::invokeMethod(diagram, qPrintable(editor + u"Clicked"_s));
        QTEST(s.EditSetup, "written");
        QFETCH(QString, label);
        QTEST(rig.get<QLabel>(label)->text(), "caption");
        QTEST(rig.changesMarked(), "changed");
        QCOMPARE(rig.system.helpShown.size(), editor == "baud"_L1 ? 0U : 1U);
        QCOMPARE(rig.prompt.messages(), told.isEmpty() ? QStringList() : QStringList{told});
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // The e-mail dialog's close box keeps what was typed for the next
    // opening, where the other boxes show what was edited meanwhile, until
    // another setup replaces the one it was filled from.
    void emailDialogKept()
    {
        Rig rig;
        Session &s = rig.session();
        s.ModemSetup = s.EditSetup = sampleSetup();
        // What the sender and APN boxes show on opening; a sender typed, then
        // the button or the close box.
        const auto open = [&](const QString &sender, const char *button) {
            QStringList seen;
            rig::onNextDialog([&](QDialog &dialog) {
                for (const char *box : {"txtSender", "txtAPN"})
                    seen << rig::find<QLineEdit>(&dialog, box)->text();
                rig::find<QLineEdit>(&dialog, "txtSender")->setText(sender);
                button ? rig::find<QPushButton>(&dialog, button)->click() : void(dialog.close());
            });
            emit rig.window->diagram()->emailClicked();
            return seen;
        };
        open(u"typed@site.example"_s, nullptr);
        QCOMPARE(s.EditSetup, sampleSetup());
        s.EditSetup.APN = u"iot.meanwhile"_s;
        QCOMPARE(open(u"typed@site.example"_s, "cmdOK"), (QStringList{u"typed@site.example"_s, u"iot.meanwhile"_s}));
        QCOMPARE(s.EditSetup.ESender, u"typed@site.example"_s);
        open(u"again@site.example"_s, nullptr);
        s.ModemSetup.ESender = s.EditSetup.ESender = u"read@site.example"_s;
        QCOMPARE(open(u"cancelled@site.example"_s, "cmdCancel").value(0), u"read@site.example"_s);
        // What Cancel left in the dialog is not kept either.
        QCOMPARE(open(u"read@site.example"_s, "cmdCancel").value(0), u"read@site.example"_s);
    }

    // While an operation runs a dialog would hold it up: a beep instead. A
    // damaged presets file is told once, at the first editor that needs it.
    void editorsRefusedWhileRunningAndPresetsTold()
    {
        Rig rig;
        Session &s = rig.session();
        SetupDiagram *diagram = rig.window->diagram();
        s.state.Writing = true;
        emit diagram->scheduleClicked(0);
        for (const char *signal :
             {"gprsClicked", "serverClicked", "emailClicked", "baudClicked", "serverPortClicked", "smsClicked"})
            QMetaObject::invokeMethod(diagram, signal);
        QCOMPARE(rig.prompt.beeps(), 7);
        QVERIFY(rig.prompt.shown().isEmpty());
        s.state.Writing = false;

        QStandardPaths::setTestModeEnabled(true);
        const QString own =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/merolan/presets.json"_s;
        QVERIFY(QDir().mkpath(QFileInfo(own).path()));
        QFile damaged(own);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{") == 1);
        damaged.close();
        const auto cleanUp = qScopeGuard([&] {
            QFile::remove(own);
            QStandardPaths::setTestModeEnabled(false);
        });
        for (const char *signal : {"gprsClicked", "emailClicked"}) {
            rig::onNextDialog([](QDialog &dialog) { dialog.reject(); });
            QMetaObject::invokeMethod(diagram, signal);
        }
        QCOMPARE(rig.prompt.messages().size(), 1);
        const QString told = rig.prompt.messages().value(0);
        QVERIFY2(told.startsWith(u"The network presets could not be read ("_s + own + u": "_s)
                     && told.endsWith(u"). The built-in presets are offered instead."_s),
                 qPrintable(told));
    }

    // Each click target of the diagram reaches exactly its own editor: a
    // click that opened the wrong dialog, or the schedule of the wrong device,
    // would edit another setting than the one the technician pointed at.
    void eachTargetOpensItsEditor_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("editor"); // empty: no click target
        const QString rows = u"lblAPN=gprs,lblProviderPWD=gprs,lblTessarinIP=server,lblTessarinPort=server,"
                             "lblServerPort=serverPort,lblSMS=sms,lblEmail=email,lblBaud=baud,lblTime1=schedule 1,"
                             "imgTime2=schedule 2,lblDevice2=device 2,imgDevice0=device 0,lblPWDSet=password,"
                             "lblTimeSet=clock,lblVersion=,lblMerolan=,imgMerolan="_s;
        for (const QString &row : rows.split(u','))
            QTest::newRow(qPrintable(row.section(u'=', 0, 0))) << row.section(u'=', 0, 0) << row.section(u'=', 1);
    }
    void eachTargetOpensItsEditor()
    {
        QFETCH(QString, target);
        QFETCH(QString, editor);
        SetupDiagram diagram;
        diagram.showRole(target == "lblServerPort"_L1 ? 1 : 0);
        diagram.showLogger(target == "lblEmail"_L1, 0);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        // Every signal of the diagram, so that a click reaching a wrong one shows.
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject *meta = diagram.metaObject();
        for (int m = meta->methodOffset(); m < meta->methodCount(); ++m)
            if (meta->method(m).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(&diagram, meta->method(m)));
        const auto opened = [&] {
            QStringList names;
            for (const auto &spy : spies)
                for (const QList<QVariant> &arguments : *spy)
                    names << QString::fromLatin1(spy->signal()).section(u'C', 0, 0)
                                 + (arguments.isEmpty() ? QString() : u' ' + arguments[0].toString());
            return names;
        };
        QWidget *widget = rig::find(&diagram, target);
        QVERIFY(widget->isVisible());

        QTest::mouseClick(widget, Qt::RightButton);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(opened(), editor.isEmpty() ? QStringList() : QStringList{editor});
        if (editor.isEmpty())
            return;
        // The keyboard reaches the same editor, a picture through its caption,
        // and the target that takes the focus shows it.
        QWidget *stop = widget->focusProxy() ? widget->focusProxy() : widget;
        stop->clearFocus();
        const QImage unfocused = stop->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), stop);
        QVERIFY(stop->grab().toImage() != unfocused);
        QTest::keyClick(stop, Qt::Key_A);
        QTest::keyClick(stop, Qt::Key_Space);
        QTest::keyClick(stop, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(opened(), QStringList(3, editor));
        // While the modem is talked to the diagram is disabled: nothing opens.
        diagram.setEnabled(false);
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::keyClick(stop, Qt::Key_Return);
        QCOMPARE(opened(), QStringList(3, editor));
        QCOMPARE(rig::breaches(&diagram), QStringList());
    }

    // "Read back and compare" on the write button's menu, reached by the menu
    // key, stays chosen in the next window; there a mismatch is told and
    // marked, and STOP still stops the read-back.
    void readBackAndCompare()
    {
        {
            Rig first;
            first.connect();
            QTimer::singleShot(0, qApp, [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R); });
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});
            QApplication::sendEvent(first.get("cmdWrite"), &menuKey);
        }
        Rig rig;
        rig.sim.config().replyOverride = {{u"SMSNUM"_s, u"SMSNUM=+306800000001"_s}};
        rig.connect();
        QVERIFY(rig.get<QAction>("mnuWriteVerify")->isChecked());
        SetupRecord &edit = rig.session().EditSetup;
        edit.SMSNum = u"+306900000001"_s;
        edit.APN = u"iot.changed"_s;
        edit.HostPort = 5020;
        auto *write = rig.get<QPushButton>("cmdWrite");
        QString caption;
        rig.sim.lineReceived = [&](const QString &line) {
            if (line == "#APN?"_L1) {
                caption = write->text();
                write->click();
            }
        };
        write->click();
        QVERIFY2(caption.startsWith("STOP "_L1), qPrintable(caption));
        QCOMPARE(rig.prompt.messages(),
                 QStringList{u"The Merolan holds other values than were written. They are marked, and the next write "
                             "sends them again:\nSMSNUM: sent +306900000001, the Merolan reports +306800000001\n"
                             "Not read back: HSTPORTNUMBER"_s});
        QVERIFY(rig.changesMarked() && marked(rig.get("lblSMS")) && !marked(rig.get("lblAPN")));
        QVERIFY(rig.get("lblSMS")->toolTip().endsWith("\nIn the Merolan: +306800000001"_L1));
    }

    // A line a write would change bears the mark and says what the modem
    // holds; the others keep their plain look and tip.
    void changedLinesMarked()
    {
        SetupDiagram diagram;
        diagram.showRole(0);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        QWidget *apn = rig::find(&diagram, "lblAPN"), *time = rig::find(&diagram, "lblTime1");
        diagram.showChanges({{Item::lblAPN, u"In the Merolan: iot.old"_s}, {Item::lblTime1, u"In the Merolan: X"_s}});
        QVERIFY(marked(apn) && marked(time) && !marked(rig::find(&diagram, "lblProviderUser")));
        QCOMPARE(apn->toolTip(), u"In the Merolan: iot.old"_s);
        diagram.showChanges({});
        QVERIFY(!marked(apn) && !marked(time));
        QCOMPARE(apn->toolTip(), u"Click to edit"_s);
        QCOMPARE(time->toolTip(), u"Click to set On/Off times"_s);
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
