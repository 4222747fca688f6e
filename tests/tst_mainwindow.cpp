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

using namespace Qt::StringLiterals;
using Item = SetupView::Item;
using Flag = bool OperationState::*;
Q_DECLARE_METATYPE(Flag)

namespace {

const QColor kLightRed(255, 128, 128);

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
    explicit Rig(const QString &commandLine = {}, const QStringList &ports = u"COM1 COM3 COMx3 COM4"_s.split(' '),
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
    // password; a port or rate that is no longer offered is left alone. The
    // list follows the system: the choice stays while its port is there,
    // else the last port is chosen.
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
        QCOMPARE(again.get<QLineEdit>("txtPWD")->text(), QString());
        QSettings settings;
        for (const QString &key : settings.allKeys())
            QVERIFY2(!settings.value(key).toByteArray().contains("PW77"), qPrintable(key));

        settings.setValue(u"connection/baud"_s, u"57600"_s);
        Rig moved({}, {u"COM1"_s, u"COM4"_s});
        auto *port = moved.get<PortPicker>("cboPort");
        QCOMPARE(port->currentText(), u"COM4"_s);
        QCOMPARE(moved.get<QComboBox>("cboBaud")->currentText(), u"9600"_s);

        moved.link.setPorts(u"COM1 COM3 COM4 COM9"_s.split(' '));
        port->refreshPorts();
        QCOMPARE(port->count(), 4);
        QCOMPARE(port->currentText(), u"COM4"_s);
        moved.link.setPorts({u"COM3"_s, u"COM9"_s});
        port->refreshPorts();
        QCOMPARE(port->count(), 2);
        QCOMPARE(port->currentText(), u"COM9"_s);
#ifndef _WIN32
        // A typed device path survives a change of the list, and is the one connected to.
        port->setEditText(u" /dev/pts/7"_s);
        moved.link.setPorts({u"COM1"_s});
        port->refreshPorts();
        QCOMPARE(port->chosenPort(), u"/dev/pts/7"_s);
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
        QFETCH(QString, port);
        QFETCH(bool, logger);
        QFETCH(bool, passwordLine);
        QFETCH(int, kind);
        QFETCH(int, groups);

        Rig rig(line);
        // The periodic refresh must not unlock a logger the calling program named.
        rig.window->UpdateControls();
        // Whatever the line: the start tab, 9600 Baud, the data-call role.
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QVERIFY(!rig.tabs()->isTabEnabled(1));
        auto *baud = rig.get<QComboBox>("cboBaud");
        QStringList rates;
        for (int i = 0; i < baud->count(); ++i)
            rates << baud->itemText(i);
        QCOMPARE(rates.join(' '), u"1200 2400 4800 9600 19200 38400 115200"_s);
        QCOMPARE(baud->currentText(), u"9600"_s);
        QCOMPARE(rig.get<QComboBox>("cboRole")->currentIndex(), 2);
        QCOMPARE(rig.get<QAction>("mnuFileExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        QTEST(rig.window->session().Password, "password");
        QCOMPARE(rig.get<QComboBox>("cboPort")->currentText(), port);
        QVERIFY(rig.get("cboPort")->isEnabled() == (port == u"COM4"_s) && baud->isEnabled() == (port == u"COM4"_s));
        QCOMPARE(rig.get<QCheckBox>("chkOmbrilex")->isChecked(), logger);
        QCOMPARE(rig.get("chkOmbrilex")->isEnabledTo(rig.tabs()->widget(1)), !logger);
        QCOMPARE(rig.window->diagram()->isShown(Item::lblPWD), passwordLine);
        QCOMPARE(rig.window->diagram()->isShown(Item::lblPWDSet), passwordLine);

        QCOMPARE(rig.session().ConnectionKind, kind);
        for (int k = 0; k < 3; ++k) {
            QWidget *frame = rig.get(qPrintable(u"fraConnection%1"_s.arg(k)));
            QCOMPARE(frame->isVisibleTo(rig.tabs()->widget(0)), k == kind);
        }
        const char *const how = kind == 1 ? "DATA (GSM)" : kind == 2 ? "Ethernet (GPRS)" : "local COM port";
        QVERIFY(rig.get<QLabel>("lblInfo")->text().contains(QLatin1String(how)));

        QTEST(int(rig.session().DeviceCount), "devices");
        rig.checkDevicesShown(groups, logger);
        // What was hidden shows again for a modem with three.
        rig.session().DeviceCount = 3;
        rig.window->ShowDevices();
        rig.checkDevicesShown(3, logger);
        QVERIFY(rig.prompt.shown().isEmpty());
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
        rig.link.setPortOpen(true);
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
        state.setStatus(u"Reading setup..."_s);
        auto *bar = rig.get<QProgressBar>("ProgBar");
        QCOMPARE(bar->value(), 12);
        QCOMPARE(rig.get<QLabel>("lblStatus")->text(), u"Reading setup..."_s);
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
        QVERIFY(!QApplication::overrideCursor() && !bar->isVisibleTo(rig.window.get()));
    }

    void roleHandler_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("reading");
        QTest::addColumn<QString>("message");
        const QString reset = u"Changing the Merolan operation will require a 3-minute reset after "
                              "pressing 'Finish programming'"_s;
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
        static const std::pair<const char *, int> parts[] = {
            {"lblAPN", 3},        {"lblProviderUser", 3}, {"lblProviderPWD", 3},  {"imgGPRS", 3},
            {"imgGSM", 4},        {"lblTessarinIP", 1},   {"lblTessarinPort", 1}, {"imgServer", 1},
            {"lblServerPort", 2}, {"imgInternet", 2},     {"imgModem", 4}};
        for (const auto &[name, roles] : parts)
            QVERIFY2(rig.shownOnItsTab(name) == bool(roles & (1 << entry)), name);

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
        auto *box = rig.get<QCheckBox>("chkOmbrilex");
        const auto lines = [&] {
            QStringList out;
            for (const char *name : {"lblBaud", "lblEmail"})
                out << rig.get(name)->property("text").toString() + (rig.get(name)->isEnabled() ? "" : " (locked)");
            return out;
        };

        // A logger talks at 9600 (code 4), and only with one can the modem e-mail.
        box->click();
        QCOMPARE(s.EditSetup.Logger, 1);
        QCOMPARE(s.EditSetup.Baud, 4);
        QVERIFY(rig.shownOnItsTab("imgOmbrilex"));
        QCOMPARE(lines(), (QStringList{u"Baud: 9600 (locked)"_s, u"Email: per 12h"_s}));
        QCOMPARE(rig.colour("cmdWrite"), kLightRed);

        box->click();
        QCOMPARE(s.EditSetup.Logger, 0);
        QVERIFY(!rig.shownOnItsTab("imgOmbrilex"));
        QCOMPARE(lines(), (QStringList{u"Baud: 9600"_s, u"Email: per 12h (locked)"_s}));
        QVERIFY(rig.prompt.shown().isEmpty());
    }

    void serialTrafficAndClose()
    {
        Rig rig;
        rig.link.setPortOpen(true);
        rig.window->show();
        QTest::keyRelease(rig.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        frmCom *com = rig.window->com();
        QVERIFY(com->isVisible());
        auto *view = rig.get<QPlainTextEdit>("txtTerminal", com);
        QTest::keyClicks(view, u"A"_s);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(rig.sim.wireIn(), QByteArray("A\r\n"));

        // What the modem sends shows line by line; other control bytes as codes.
        rig.sim.transmit(QByteArray("OK\r\nbell\x07\r\n"));
        const QStringList lines = view->toPlainText().split('\n');
        QVERIFY2(lines.contains(u"OK"_s) && lines.contains(u"bell<07>"_s), qPrintable(view->toPlainText()));

        // Saved with a time stamp on every line.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"traffic.txt"_s);
        rig.prompt.answerFile(path);
        rig.get<QPushButton>("cmdSave", com)->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList saved = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        static const QRegularExpression stamped(u"^\\d\\d:\\d\\d:\\d\\d\\.\\d{3}  "_s);
        for (const QString &line : saved)
            QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
        QVERIFY(saved.last().endsWith(u"  bell<07>"_s));

        // Closing it only hides it; the main window's close takes it along.
        QVERIFY(!com->close() && !com->isVisible());
        com->show();
        // With the port open the modem is handed back, and given a second for it.
        const qint64 before = rig.clock.now();
        QVERIFY(rig.window->close() && !com->isVisible());
        QCOMPARE(rig.sim.wireIn(), QByteArray("A\r\n#AUTO\r\n"));
        QVERIFY(rig.clock.now() - before >= 1000);
    }

    void passwordConnectFitAndFinish()
    {
        Rig rig(u",4321"_s, {u"ttyS0"_s});
        rig.sim.config().password = u"1234"_s;
        rig.window->show();
        auto *connect = rig.get<QPushButton>("cmdConnect");

        // A refused login is no connection: the port closes and the start tab stays.
        connect->click();
        QVERIFY(!rig.link.PortOpen() && rig.tabs()->currentIndex() == 0);

        // The password box keeps to the modem's rule however the text comes in,
        // with the caret after what was kept; Enter in it connects.
        rig.prompt.clear();
        auto *box = rig.get<QLineEdit>("txtPWD");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, u"ab7X1[]^\\QZ"_s);
        QCOMPARE(box->text(), u"7X1[]^\\Q"_s);
        QCOMPARE(box->cursorPosition(), 8);
        box->selectAll();
        QApplication::clipboard()->setText(u"pw 4A_b"_s);
        box->paste();
        QCOMPARE(box->text(), u"4A"_s);
        QCOMPARE(box->cursorPosition(), 2);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), u"Password"_s);
        box->selectAll();
        QTest::keyClicks(box, u"1234"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(rig.prompt.shown().isEmpty());
        QCOMPARE(rig.tabs()->currentIndex(), 1);
        QVERIFY(!rig.tabs()->isTabEnabled(0));
        QCOMPARE(rig.tabs()->tabText(0), u"Merolan found"_s);

        // The window fits a small screen in every role and keeps its width when
        // long values come in; a value that does not fit is cut at its end,
        // whole in its tip.
        SetupView &view = *rig.window;
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        for (int role : {2, 1, 0}) {
            view.showRole(role);
            QVERIFY(rig.window->minimumSizeHint().width() <= 800 && rig.window->minimumSizeHint().height() <= 600);
        }
        rig.window->resize(800, 600);
        QCoreApplication::processEvents();
        const QSize least = rig.window->minimumSizeHint();
        const QString sms = u"Alarm SMS: +306912345678901234567890"_s;
        view.setCaption(Item::lblTessarinIP, u"mediation-gateway.long-host-name.tessarin.example.net"_s);
        view.setCaption(Item::lblSMS, sms);
        QCoreApplication::processEvents();
        QCOMPARE(rig.window->minimumSizeHint(), least);
        QCOMPARE(rig.window->width(), 800);
        auto *line = rig.get<QLabel>("lblSMS");
        QCOMPARE(line->text(), sms);
        QCOMPARE(line->toolTip(), sms + u"\nClick to edit"_s);
        // Given room, the line fits whole again.
        view.setCaption(Item::lblSMS, u"Alarm SMS: 112"_s);
        rig.window->resize(1100, 600);
        QCoreApplication::processEvents();
        QCOMPARE(line->toolTip(), u"Click to edit"_s);

        // The file menu saves, and a load shows what it brought back.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Setup.mrl"_s);
        rig.prompt.answerFile(path);
        rig.get<QAction>("mnuFileSave")->trigger();
        rig.window->setCaption(Item::lblAPN, QString());
        rig.prompt.answerFile(path);
        rig.get<QAction>("mnuFileLoad")->trigger();
        QCOMPARE(rig.get<QLabel>("lblAPN")->text(), u"APN: internet.example"_s);

        // An unwritten change: closing and Finish ask, Enter means No, and No
        // keeps everything as it is.
        rig.session().EditSetup.SMSNum = u"+306900000000"_s;
        rig.sim.clearRecord();
        rig.prompt.answerQuestion(false);
        QVERIFY(!rig.window->close());
        rig.prompt.answerQuestion(false);
        rig.get<QPushButton>("cmdFinish")->click();
        const QString leave = u"Do you want to leave without writing changes to the Merolan?"_s;
        QCOMPARE(rig.prompt.questions(), (QStringList{leave, leave}));
        for (const ScriptedPrompt::Shown &shown : rig.prompt.shown())
            QVERIFY(shown.kind != ScriptedPrompt::Shown::Question
                    || (shown.icon == UserPrompt::Icon::Warning && shown.preferred == UserPrompt::Answer::No));
        QVERIFY(rig.sim.wireIn().isEmpty());
        QCOMPARE(rig.tabs()->currentIndex(), 1);

        rig.prompt.answerQuestion(true);
        rig.get<QPushButton>("cmdFinish")->click();
        QVERIFY(!rig.link.PortOpen());
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QVERIFY(!rig.tabs()->isTabEnabled(1));
        QCOMPARE(rig.tabs()->tabText(0), u"Merolan not found"_s);
        // With the port closed, closing the window has nothing more to say.
        QVERIFY(rig.window->close());
        QCOMPARE(rig.sim.wireIn(), QByteArray("#AUTO\r\n"));
    }

    // The drift under the modem's clock after a read and after Set, marked
    // past a minute; the Change link reaches the password change. Tab crosses
    // the diagram between the role and the buttons. A device is switched on,
    // by keyboard or mouse, only after a Yes; once on, the window closes and
    // hands the modem back.
    void linksOnTheDiagram()
    {
        Rig rig;
        const auto modemClock = [&] {
            return QDateTime::fromString(rig.sim.clockNow(), u"dd-MM-yy,HH:mm:ss"_s).addYears(100);
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
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.get<QPushButton>("cmdConnect")->click();
        rig.sim.lineReceived = nullptr;
        auto *drift = rig.get<QLabel>("lblClockDrift");
        // The mark fills the label's edge; its text stays dark whatever the colours around.
        const auto marked = [&] { return drift->grab().toImage().pixelColor(1, drift->height() / 2) == kLightRed; };
        QCOMPARE(rig.get<QLabel>("lblClock")->text(), read);
        QCOMPARE(drift->text(), u"Clock: +2 min 13 s from this computer"_s);
        QVERIFY(drift->toolTip().startsWith(u"The Merolan's clock is 2 min 13 s ahead"_s));
        QVERIFY(marked());

        rig.clock.setWallTime(QDateTime(QDate(2027, 3, 1), QTime(8, 30)));
        rig.sim.clearRecord();
        QTest::mouseClick(rig.get("lblTimeSet"), Qt::LeftButton);
        static const QRegularExpression set(u"#TIME=01-03-27,08:30:\\d\\d\r\n"_s);
        QVERIFY2(set.match(QString::fromLatin1(rig.sim.wireIn())).hasMatch(), rig.sim.wireIn().constData());
        QCOMPARE(drift->text(), u"Clock: 0 s from this computer"_s);
        QVERIFY(!marked());

        rig.window->showClockDrift(60);
        QVERIFY(!marked());
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, Qt::white);
        rig.window->setPalette(dark);
        rig.window->showClockDrift(-61);
        QCOMPARE(drift->text(), u"Clock: -1 min 1 s from this computer"_s);
        QVERIFY(marked());
        const QImage face = drift->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto *pixels = reinterpret_cast<const QRgb *>(face.constBits());
        QVERIFY(std::any_of(pixels, pixels + face.sizeInBytes() / 4, [](QRgb c) { return qGray(c) < 60; }));
        rig.window->showClockDrift(std::nullopt);
        QVERIFY(drift->isHidden());

        // Change: the firmware 2.x notice, then the new password.
        rig.sim.clearRecord();
        rig.prompt.answerQuestion(true);
        rig.prompt.answerInput(u"NEW1"_s);
        QTest::keyClick(rig.get("lblPWDSet"), Qt::Key_Space);
        QVERIFY(rig.sim.wireIn().endsWith("#PASSWORD=,NEW1\r\n"));
        QCOMPARE(rig.get<QLineEdit>("txtPWD")->text(), u"NEW1"_s);

        rig.window->UpdateControls();
        rig.get("cboRole")->setFocus(Qt::TabFocusReason);
        QStringList stops;
        while (stops.size() < 40 && !stops.contains(u"cmdRefresh"_s)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(stops.join(' '), u"chkOmbrilex lblTimeSet lblPWDSet lblTessarinIP lblTessarinPort lblAPN "
                                  "lblProviderUser lblProviderPWD lblSMS lblBaud lblDevice0 lblTime0 "
                                  "lblDevice1 lblTime1 lblDevice2 lblTime2 cmdRefresh"_s);

        // No: nothing goes out. Refused: the window stays.
        rig.sim.clearRecord();
        rig.prompt.clear();
        rig.sim.config().errorOn = {u"P2ON"_s};
        rig.prompt.answerQuestion(false);
        QTest::keyClick(rig.get("lblDevice0"), Qt::Key_Space);
        QVERIFY(rig.sim.wireIn().isEmpty());
        rig.prompt.answerQuestion(true);
        QTest::keyClick(rig.get("lblDevice1"), Qt::Key_Return);
        QCOMPARE(rig.sim.wireIn(), QByteArray("#P2ON\r\n\r\n"));
        QVERIFY(rig.window->isVisible());

        rig.sim.clearRecord();
        rig.prompt.answerQuestion(true);
        QTest::mouseClick(rig.get("imgDevice2"), Qt::LeftButton);
        QCOMPARE(rig.prompt.questions().size(), 3);
        QCOMPARE(rig.sim.wireIn(), QByteArray("#P3ON\r\n\r\n#AUTO\r\n"));
        QVERIFY(!rig.window->isVisible());
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // The settings lines open their dialogs on the edited record; while an
    // operation runs the schedule does not open. What a dialog leaves in the
    // record after Cancel or its close box is part of its rule; a damaged
    // presets file is told once. F1 gives the help in the user's language in the main window, the
    // English file in four of the dialogs whatever modifier is held, and none
    // in the baud dialog.
    void settingsDialogsFromTheDiagram()
    {
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

        Rig rig;
        Session &s = rig.session();
        SetupDiagram *diagram = rig.window->diagram();
        s.EditSetup.APN = u"iot.plant"_s;
        s.EditSetup.MailServer = u"smtp.plant"_s;
        s.EditSetup.ESender = u"m7@plant.gr"_s;
        s.EditSetup.ERecep = u"ops@plant.gr"_s;
        s.EditSetup.OnTime = {8.0 / 24, 0.5, 0.5};
        s.EditSetup.OffTime = {17.5 / 24, 0.5, 0.5};
        s.ModemSetup = s.EditSetup;
        rig.system.greek = true;
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        QTest::keyClick(rig.window.get(), Qt::Key_F1);
        rig.system.greek = false;
        rig.get<QAction>("mnuHelpContents")->trigger();
        rig.system.greek = true;
        // With a modifier given, F1 is pressed in the dialog first.
        const auto onDialog = [&](const std::function<void(QWidget *)> &act,
                                  std::optional<Qt::KeyboardModifiers> help = {}) {
            QTimer::singleShot(0, rig.window.get(), [act, help] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                if (help) {
                    QTRY_VERIFY(QApplication::activeWindow() == dialog);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, *help);
                }
                act(dialog);
                // A refused OK leaves it open: end it, the checks then tell.
                if (dialog->isVisible())
                    static_cast<QDialog *>(dialog)->reject();
            });
        };
        const auto click = [](QWidget *dialog, const char *button) {
            dialog->findChild<QAbstractButton *>(QLatin1String(button))->click();
        };

        // The schedule edits all three devices, whichever was clicked.
        onDialog(
            [&](QWidget *dialog) {
                click(dialog, "chkOFF1");
                dialog->findChild<QLineEdit *>(u"txtH_ON1"_s)->setText(u"21"_s);
                click(dialog, "cmdOK");
            },
            Qt::NoModifier);
        emit diagram->scheduleClicked(0);
        QCOMPARE(s.EditSetup.OnTime[1], 21.0 / 24);
        QCOMPARE(s.EditSetup.OffTime[1], 0.5);
        QCOMPARE(rig.window->diagram()->caption(Item::lblTime1), u"ON 21:00~12:00"_s);
        QCOMPARE(rig.window->diagram()->caption(Item::lblTime0), u"ON 08:00~17:30"_s);
        QCOMPARE(rig.get("lblTime1")->toolTip(), u"In the Merolan: ALWAYS OFF"_s);

        // A network's mail server, once agreed to, stays after Cancel; its APN does not.
        rig.prompt.answerQuestion(true);
        onDialog(
            [&](QWidget *dialog) {
                auto *provider = dialog->findChild<QComboBox *>(u"cboProvider"_s);
                provider->setCurrentIndex(0);
                emit provider->activated(0);
                click(dialog, "cmdCancel");
            },
            Qt::ShiftModifier);
        emit diagram->gprsClicked();
        QCOMPARE(s.EditSetup.MailServer, u"mailgate.cosmotemail.gr"_s);
        QCOMPARE(s.EditSetup.APN, u"iot.plant"_s);
        QVERIFY(rig.get("lblEmail")->toolTip().endsWith(u"In the Merolan:\nSMTP server: smtp.plant"_s));
        const QString told = rig.prompt.messages().value(0);
        QVERIFY2(told.startsWith(u"The network presets could not be read ("_s + own + u": "_s)
                     && told.endsWith(u"). The built-in presets are offered instead."_s),
                 qPrintable(told));

        // The server's port goes into the record on opening, Cancel or not,
        // and the diagram shows it; no mediation server is known to offer.
        s.EditSetup.HostIP.clear();
        s.EditSetup.HostPort = 0;
        onDialog([&](QWidget *dialog) { click(dialog, "cmdCancel"); }, Qt::ControlModifier);
        emit diagram->serverClicked();
        QCOMPARE(s.EditSetup.HostIP, QString());
        QCOMPARE(s.EditSetup.HostPort, 1023);
        QCOMPARE(rig.window->diagram()->caption(Item::lblServerPort), u"Server IP port: 1023"_s);

        // The e-mail dialog's close box keeps what was typed for the next
        // opening, until another setup replaces the one it was filled from.
        const auto sender = [](QWidget *dialog) { return dialog->findChild<QLineEdit *>(u"txtSender"_s); };
        QString seen;
        onDialog(
            [&](QWidget *dialog) {
                sender(dialog)->setText(u"typed@plant.gr"_s);
                dialog->close();
            },
            Qt::ShiftModifier | Qt::ControlModifier);
        emit diagram->emailClicked();
        onDialog([&](QWidget *dialog) {
            seen = sender(dialog)->text();
            dialog->close();
        });
        emit diagram->emailClicked();
        QCOMPARE(seen, u"typed@plant.gr"_s);
        QCOMPARE(s.EditSetup.ESender, u"m7@plant.gr"_s);
        // OK in the kept dialog stores what was typed into it; its other
        // boxes show what was edited meanwhile, the hidden APN too.
        s.EditSetup.SMSNum = u"+30690001"_s;
        s.EditSetup.APN = u"newapn"_s;
        s.EditSetup.MailServer = u"smtp.agreed"_s;
        const QString apnCaption = rig.window->diagram()->caption(Item::lblAPN);
        QStringList boxes;
        onDialog([&](QWidget *dialog) {
            for (const char *box : {"txtAPN", "txtSMTP", "txtSender"})
                boxes << dialog->findChild<QLineEdit *>(QLatin1String(box))->text();
            click(dialog, "cmdOK");
        });
        emit diagram->emailClicked();
        QCOMPARE(boxes, (QStringList{u"newapn"_s, u"smtp.agreed"_s, u"typed@plant.gr"_s}));
        QCOMPARE((QStringList{s.EditSetup.ESender, s.EditSetup.APN, s.EditSetup.MailServer, s.EditSetup.SMSNum}),
                 (QStringList{u"typed@plant.gr"_s, u"newapn"_s, u"smtp.agreed"_s, u"+30690001"_s}));
        QCOMPARE(rig.window->diagram()->caption(Item::lblAPN), apnCaption);
        onDialog([&](QWidget *dialog) {
            sender(dialog)->setText(u"again@plant.gr"_s);
            dialog->close();
        });
        emit diagram->emailClicked();
        s.ModemSetup.ESender = s.EditSetup.ESender = u"read@plant.gr"_s;
        onDialog([&](QWidget *dialog) {
            seen = sender(dialog)->text();
            dialog->close();
        });
        emit diagram->emailClicked();
        QCOMPARE(seen, u"read@plant.gr"_s);
        // What Cancel left in the kept dialog is not kept.
        onDialog([&](QWidget *dialog) {
            sender(dialog)->setText(u"dropped@plant.gr"_s);
            click(dialog, "cmdCancel");
        });
        emit diagram->emailClicked();
        onDialog([&](QWidget *dialog) { seen = sender(dialog)->text(); });
        emit diagram->emailClicked();
        QCOMPARE(seen, u"read@plant.gr"_s);

        // The two lines edited in an input box.
        rig.prompt.answerInput(u"5020"_s);
        emit diagram->serverPortClicked();
        rig.prompt.answerInput(u" +30690002 "_s);
        emit diagram->smsClicked();
        QCOMPARE(s.EditSetup.SMSNum, u"+30690002"_s);

        // File > Pending changes lists what Write would send, passwords masked.
        // They are for the modem read: another one gets the whole setup.
        s.EditSetup.XPas = u"m41lpw"_s;
        s.SerialNumber = u"MRL0012345"_s;
        QStringList pending;
        onDialog([&](QWidget *dialog) {
            for (const char *label : {"lblPending", "lblOther"})
                pending << dialog->findChild<QLabel *>(QLatin1String(label))->text();
            const auto *list = dialog->findChild<QListWidget *>(u"lstPending"_s);
            for (int i = 0; list && i < list->count(); ++i)
                pending << list->item(i)->text();
            dialog->close();
        });
        rig.get<QAction>("mnuFilePending")->trigger();
        QCOMPARE(pending.mid(0, 2),
                 (QStringList{u"Write sends these setting lines to the Merolan S/N MRL0012345, in this order:"_s,
                              u"A Merolan with another serial number gets the whole setup."_s}));
        QVERIFY2(pending.contains(u"HSTPORTNUMBER=5020"_s), qPrintable(pending.join('|')));
        QVERIFY(pending.contains(u"XPAS=***"_s));

        // A record without a rate takes 9600 on opening, Cancel or not, and
        // the diagram shows it.
        s.EditSetup.Baud = 0;
        onDialog([&](QWidget *dialog) { click(dialog, "cmdCancel"); }, Qt::NoModifier);
        emit diagram->baudClicked();
        QCOMPARE(s.EditSetup.Baud, 4);
        QCOMPARE(rig.window->diagram()->caption(Item::lblBaud), u"Baud: 9600"_s);
        // Changes are pending, and no modem has said its firmware.
        QCOMPARE(rig.prompt.messages().size(), 2);
        QCOMPARE(rig.prompt.messages().last(),
                 u"Changing the Merolan baud rate will require a 3-minute reset after pressing 'Finish programming'"_s);
        QCOMPARE(rig.prompt.unexpected(), QStringList());
        std::vector<std::string> helpShown(5, "/opt/merolan/Merolan Programmer_EN.chm");
        helpShown.insert(helpShown.begin(), "/opt/merolan/Merolan Programmer_GR.chm");
        QCOMPARE(rig.system.helpShown, helpShown);

        // While an operation runs a dialog would hold it up: a beep instead.
        s.state.Writing = true;
        QTimer::singleShot(0, rig.window.get(), [] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        emit diagram->scheduleClicked(1);
        QCOMPARE(rig.prompt.beeps(), 1);
    }

    // The round on the real serial layer in real time, where the window's own
    // timer and events run during every wait: log in and read, write a change, finish.
    void programOverPseudoTerminal()
    {
        PtyModemThread modem;
        modem.config().password = u"1234"_s;
        modem.config().syncMs = 300;
        QVERIFY2(modem.start(), qPrintable(modem.errorString()));
        RealClock clock;
        QtSerialLink link(clock);
        Rig rig(u",1234"_s, {modem.devicePath()}, &link);
        rig.window->show();

        rig.get<QPushButton>("cmdConnect")->click();
        QCOMPARE(rig.tabs()->currentIndex(), 1);

        rig.session().EditSetup.APN = u"field.example"_s;
        auto *write = rig.get<QPushButton>("cmdWrite");
        QTRY_VERIFY(write->isEnabled());
        write->click();
        QCOMPARE(modem.call([](SimModem &m) { return m.setting(u"APN"_s); }), u"field.example"_s);

        // Written, so nothing to ask.
        auto *finish = rig.get<QPushButton>("cmdFinish");
        QTRY_VERIFY(finish->isEnabled());
        finish->click();
        QVERIFY(rig.prompt.shown().isEmpty());
        QCOMPARE(rig.tabs()->currentIndex(), 0);
        QTRY_VERIFY(modem.call([](SimModem &m) { return m.receivedLines().endsWith(u"#AUTO"_s); }));
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
