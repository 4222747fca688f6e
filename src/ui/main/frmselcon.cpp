#include "frmselcon.h"

#include "captions.h"
#include "changemarks.h"
#include "connection.h"
#include "diagram.h"
#include "fieldeditors.h"
#include "frmabout.h"
#include "frmcom.h"
#include "modemrules.h"
#include "passwordclock.h"
#include "pendingchanges.h"
#include "portnames.h"
#include "portpicker.h"
#include "readsetup.h"
#include "seriallink.h"
#include "settingseditors.h"
#include "setupdiagram.h"
#include "setupfilecommands.h"
#include "userprompt.h"
#include "verifywrite.h"
#include "writesetup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

// The pictures are compiled into this library; a static library's resources
// must be registered by hand.
static void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

constexpr int kControlMs = 500;

const QString kPortSetting = QStringLiteral("connection/port");
const QString kBaudSetting = QStringLiteral("connection/baud");
const QString kVerifySetting = QStringLiteral("write/verify");
const QString kGeometrySetting = QStringLiteral("window/geometry");

// Indexed by the connection kind: local port, GSM data call, Ethernet or GPRS.
const char *const kInfo[3] = {
    QT_TRANSLATE_NOOP("frmSelCon", "You will be programming a Merolan modem, connected to a local COM port.\n"
                                   "Select an available COM port and a suitable Baud rate. The default Merolan rate "
                                   "is 9600 Baud.\n"
                                   "To start click the 'Start programming' button."),
    QT_TRANSLATE_NOOP("frmSelCon", "You will be programming a remote Merolan modem.\n"
                                   "The remote Merolan will be reached via a DATA (GSM) connection.\n"
                                   "To start click the 'Start programming' button."),
    QT_TRANSLATE_NOOP("frmSelCon", "You will be programming a remote Merolan modem.\n"
                                   "The remote Merolan will be reached via an Ethernet (GPRS) connection.\n"
                                   "To start click the 'Start programming' button."),
};

} // namespace

frmSelCon::frmSelCon(SerialLink &comm, UserPrompt &prompt, const StartOptions &options, platform::Platform &system,
                     QWidget *parent)
    : QMainWindow(parent), Comm(comm), m_prompt(prompt), m_system(system), m_help(system, options.language),
      m_session(comm, *this, prompt)
{
    // First, so that the system's port list is read while the widgets are
    // built; with a parent from the start, so it is never a window of its own.
    cboPort = new PortPicker(Comm, this);

    initPictures();
    setObjectName(QStringLiteral("frmSelCon"));
    setWindowTitle(tr("Merolan programmer"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/app.svg")));

    buildMenus();
    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));
    SSTab->addTab(buildStartTab(), tr("Merolan not found"));
    SSTab->addTab(buildProgramTab(), tr("Program Merolan"));
    setCentralWidget(SSTab);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    lblStatus = new QLabel(statusBar());
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(lblStatus, 1);
    // The bar lives in the status bar, so it stays over it at any size.
    ProgBar = new QProgressBar(statusBar());
    ProgBar->setObjectName(QStringLiteral("ProgBar"));
    ProgBar->setTextVisible(false);
    ProgBar->setFixedWidth(fontMetrics().height() * 14);
    ProgBar->hide();
    statusBar()->addPermanentWidget(ProgBar);

    connect(&m_session.state, &OperationState::statusChanged, lblStatus, &QLabel::setText);
    connect(&m_session.state, &OperationState::progressChanged, ProgBar, [this](int value, int maximum) {
        ProgBar->setRange(0, maximum);
        ProgBar->setValue(qBound(0, value, maximum));
    });

    m_editors = new SettingsEditors(m_session, m_prompt, m_help, this);
    connect(mnuFileLoad, &QAction::triggered, this, [this] {
        if (LoadSetupCommand(m_session))
            m_editors->forgetEmail();
    });
    connect(mnuFileSave, &QAction::triggered, this, [this] { SaveSetupCommand(m_session); });
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuHelpContents, &QAction::triggered, this, [this] { m_help.showForUser(this); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { frmAbout(m_system, m_prompt, this).exec(); });
    connect(mnuFilePending, &QAction::triggered, this,
            [this] { PendingChanges(ShownPendingLines(m_session, false), m_session.SerialNumber, this).exec(); });
    connect(cmdConnect, &QPushButton::clicked, this, &frmSelCon::cmdConnectClick);
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { RefreshClicked(m_session); });
    connect(cmdWrite, &QPushButton::clicked, this, &frmSelCon::cmdWriteClick);
    connect(cmdFinish, &QPushButton::clicked, this, [this] { FinishProgramming(m_session); });
    connect(cboRole, &QComboBox::activated, this, &frmSelCon::roleClicked);
    connect(chkOmbrilex, &QCheckBox::clicked, this, &frmSelCon::loggerClicked);
    connect(m_diagram, &SetupDiagram::deviceClicked, this, [this](int device) {
        // The modem now serves the device: the programmer's work is done.
        if (ActivateDevice(m_session, device + 1) == ActivationResult::Activated)
            close();
    });
    connect(m_diagram, &SetupDiagram::scheduleClicked, m_editors, &SettingsEditors::schedule);
    connect(m_diagram, &SetupDiagram::gprsClicked, m_editors, &SettingsEditors::gprs);
    connect(m_diagram, &SetupDiagram::serverClicked, m_editors, &SettingsEditors::server);
    connect(m_diagram, &SetupDiagram::emailClicked, m_editors, &SettingsEditors::email);
    connect(m_diagram, &SetupDiagram::baudClicked, m_editors, &SettingsEditors::baud);
    connect(m_diagram, &SetupDiagram::serverPortClicked, this, [this] {
        if (m_editors->mayOpen())
            ServerPortClicked(m_session);
    });
    connect(m_diagram, &SetupDiagram::smsClicked, this, [this] {
        if (m_editors->mayOpen())
            SMSClicked(m_session);
    });
    connect(m_diagram, &SetupDiagram::passwordClicked, this, [this] { PasswordClicked(m_session); });
    connect(m_diagram, &SetupDiagram::clockClicked, this, [this] { SetClock(m_session); });
    connect(txtPWD, &QLineEdit::returnPressed, cmdConnect, &QPushButton::click);
    // Only what the modem's password rule allows, whether typed, pasted or
    // given on the command line: nothing else could go on the wire as typed.
    connect(txtPWD, &QLineEdit::textChanged, this, [this](const QString &text) {
        const QString kept = FilterPassword(text);
        if (kept != text)
            txtPWD->setText(kept);
        txtPWD->setCursorPosition(int(kept.size()));
        m_session.Password = kept;
    });

    load(options);

    tmrControl = new QTimer(this);
    tmrControl->setObjectName(QStringLiteral("tmrControl"));
    tmrControl->setInterval(kControlMs);
    connect(tmrControl, &QTimer::timeout, this, &frmSelCon::UpdateControls);
    tmrControl->start();

    cboPort->watch([this] { return SSTab->currentIndex() == 0 && !m_session.state.anyRunning(); });

    // Ctrl+Shift+C is taken whichever control of the window has the focus.
    qApp->installEventFilter(this);
}

frmSelCon::~frmSelCon()
{
    setBusyCursor(false);
}

void frmSelCon::load(const StartOptions &options)
{
    m_com = new frmCom(Comm, m_session.state, m_prompt, this);

    cboPort->load(options.extraPorts);

    cboBaud->addItems(baudRateTexts());
    cboBaud->setCurrentText(QStringLiteral("9600"));

    // Where the technician left off; a port named at the start wins, and the
    // password is never kept.
    const QSettings settings;
    if (options.extraPorts.isEmpty())
        cboPort->preselect(linkedDevice(settings.value(kPortSetting).toString()));
    if (const QString baud = settings.value(kBaudSetting).toString(); baudRateTexts().contains(baud))
        cboBaud->setCurrentText(baud);
    restoreGeometry(settings.value(kGeometrySetting).toByteArray());
    mnuWriteVerify->setChecked(settings.value(kVerifySetting).toBool());
    connect(mnuWriteVerify, &QAction::toggled, this, [](bool on) { QSettings().setValue(kVerifySetting, on); });

    for (const RoleCaptions &role : roleCaptions())
        cboRole->addItem(QCoreApplication::translate("Captions", role.entry));
    showRole(2);

    lblInfo->setText(tr(kInfo[0]));
    setCaption(Item::lblTessarinIP, defaultTessarinHost());
    m_session.LoggerType = QStringLiteral("0");

    applyCommandLine(parseCommandLine(options.commandLine));
    applyLoggerType();

    SSTab->setCurrentIndex(0);
    SSTab->setTabEnabled(1, false);
    if (!options.setupFile.isEmpty() && LoadSetupFromFile(m_session, options.setupFile))
        m_editors->forgetEmail();
}

void frmSelCon::applyCommandLine(const CommandLine &line)
{
    if (line.password)
        txtPWD->setText(*line.password);
    if (line.portNumber && cboPort->PortInList(*line.portNumber)) {
        cboPort->choose(QStringLiteral("COM") + *line.portNumber);
        cboBaud->setEnabled(false);
    }
    if (line.loggerType)
        m_session.LoggerType = *line.loggerType;
    if (line.connectionKind)
        showConnectionKind(*line.connectionKind);
    if (line.deviceCount) {
        m_session.DeviceCount = *line.deviceCount;
        ShowDevices();
    }
}

void frmSelCon::showConnectionKind(int kind)
{
    for (QGroupBox *frame : fraConnection)
        frame->hide();
    m_session.ConnectionKind = qint16(kind);
    fraConnection[size_t(kind)]->show();
    lblInfo->setText(tr(kInfo[size_t(kind)]));
}

void frmSelCon::applyLoggerType()
{
    const bool fixed = loggerTypeFixesMode(m_session.LoggerType);
    if (fixed)
        chkOmbrilex->setEnabled(false);
    if (loggerTypeHidesPassword(m_session.LoggerType)) {
        setShown(Item::lblPWD, false);
        setShown(Item::lblPWDSet, false);
    }
    // As the user's own choice: the record takes the logger mode and its baud rate.
    loggerClicked(fixed);
}

void frmSelCon::UpdateControls()
{
    const OperationState &s = m_session.state;
    const bool running = s.Writing || s.Reading || s.Busy;
    for (QWidget *w : std::initializer_list<QWidget *>{m_diagram, cboRole, cmdFinish})
        w->setEnabled(!running);
    if (running)
        chkOmbrilex->setEnabled(false);
    else if (m_session.LoggerType == QLatin1String("0"))
        chkOmbrilex->setEnabled(true);

    if (s.Writing) {
        cmdRefresh->setEnabled(false);
        cmdWrite->setEnabled(true);
    } else if (s.Reading) {
        cmdRefresh->setEnabled(true);
        cmdWrite->setEnabled(false);
    } else if (s.Busy) {
        cmdRefresh->setEnabled(false);
        cmdWrite->setEnabled(false);
        fraStart->setEnabled(false);
    } else {
        cmdRefresh->setEnabled(true);
        cmdWrite->setEnabled(true);
        fraStart->setEnabled(true);
    }
    // Not during a write either: a dialog opened inside its wait would hold it up.
    mnuFilePending->setEnabled(!running);
    setBusyCursor(!s.Writing && !s.Reading && s.Busy);
    ProgBar->setVisible(running);
}

void frmSelCon::setBusyCursor(bool busy)
{
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmSelCon::ShowDevices()
{
    m_session.DeviceCount = normalisedDeviceCount(m_session.DeviceCount);
    m_diagram->showDevices(m_session.DeviceCount);
}

void frmSelCon::showRole(int entry)
{
    cboRole->setCurrentIndex(entry);
    m_diagram->showRole(entry);
    if (entry >= 0 && entry <= 2)
        chkOmbrilex->setText(QCoreApplication::translate("Captions", roleCaptions()[size_t(entry)].logger));
}

void frmSelCon::roleClicked(int entry)
{
    // The elements of the old role go before the warning shows.
    m_diagram->showRole(-1);
    m_session.roleChanged(entry);
    showRole(entry);
}

void frmSelCon::showLogger(bool ticked, qint16 emailInterval)
{
    chkOmbrilex->setChecked(ticked);
    m_diagram->showLogger(ticked, emailInterval);
}

void frmSelCon::loggerClicked(bool ticked)
{
    m_session.loggerChanged(ticked);
    showLogger(ticked, m_session.EditSetup.EmailInterval);
}

void frmSelCon::markChanges(bool differ)
{
    // A style sheet rather than the palette: native styles (Windows) ignore a
    // button's palette colour, and a sheet's background needs a border of its own.
    cmdWrite->setStyleSheet(differ ? QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2;"
                                                    " border-radius: 3px; padding: 4px 12px; }")
                                         .arg(changedColour().name(), changedColour().darker(160).name())
                                   : QString());
    m_diagram->showChanges(changedLines(m_session.EditSetup, m_session.ModemSetup));
}

void frmSelCon::showProgramming(bool programming)
{
    SSTab->setTabEnabled(1, programming);
    SSTab->setCurrentIndex(programming ? 1 : 0);
    SSTab->setTabText(0, programming ? tr("Merolan found") : tr("Merolan not found"));
    SSTab->setTabEnabled(0, !programming);
}

void frmSelCon::cmdConnectClick()
{
    if (m_session.state.anyRunning())
        return;
    QSettings settings;
    // By the name that follows the adapter: it may come back as another ttyUSBn.
    const QString stable = stablePortName(cboPort->chosenPort());
    settings.setValue(kPortSetting, stable.isEmpty() ? cboPort->chosenPort() : stable);
    settings.setValue(kBaudSetting, cboBaud->currentText());
    Connect(m_session, cboPort->chosenPort(), cboBaud->currentText());
}

void frmSelCon::cmdWriteClick()
{
    // While the write or its read-back runs, the click is a STOP.
    const bool starting = m_session.Stoppable != Session::Operation::Write;
    if (starting)
        m_session.LastWrite = {};
    WriteClicked(m_session);
    const WriteOutcome &w = m_session.LastWrite;
    const bool whole = !w.accepted.isEmpty() && w.unconfirmed.isEmpty() && w.notWritten.isEmpty();
    if (!starting || !whole || !mnuWriteVerify->isChecked())
        return;
    const VerifyOutcome v = VerifyWrite(m_session);
    QStringList told;
    if (!v.mismatched.isEmpty())
        told << tr("The Merolan holds other values than were written. They are marked, and the next "
                   "write sends them again:");
    for (const VerifyOutcome::Mismatch &m : v.mismatched)
        told << m.text();
    if (!v.notConfirmed.isEmpty())
        //: %1 is the list of settings, separated by commas.
        told << tr("Not read back: %1").arg(v.notConfirmed.join(QStringLiteral(", ")));
    if (!told.isEmpty())
        m_prompt.message(told.join(QLatin1Char('\n')), UserPrompt::Icon::Warning);
}

void frmSelCon::closeEvent(QCloseEvent *event)
{
    // A second request while the modem is handed back waits for the first.
    if (m_closing) {
        event->ignore();
        return;
    }
    m_closing = true;
    const bool mayClose = CloseRequest(m_session);
    m_closing = false;
    if (!mayClose) {
        event->ignore();
        return;
    }
    tmrControl->stop();
    m_com->unload();
    QSettings().setValue(kGeometrySetting, saveGeometry());
    event->accept();
}

bool frmSelCon::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        if (key->key() == Qt::Key_C && (mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier)) {
            m_com->show();
            m_com->raise();
            m_com->activateWindow();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget *frmSelCon::ownWidget(Item item) const
{
    switch (item) {
    case Item::chkOmbrilex: return chkOmbrilex;
    case Item::cmdWrite: return cmdWrite;
    case Item::cmdRefresh: return cmdRefresh;
    case Item::txtPWD: return txtPWD;
    default: return nullptr;
    }
}

void frmSelCon::setCaption(Item item, const QString &text)
{
    if (m_diagram->owns(item))
        m_diagram->setCaption(item, text);
    else if (auto *b = qobject_cast<QAbstractButton *>(ownWidget(item)))
        b->setText(text);
    else if (auto *e = qobject_cast<QLineEdit *>(ownWidget(item)))
        e->setText(text);
}

void frmSelCon::setShown(Item item, bool shown)
{
    if (m_diagram->owns(item))
        m_diagram->setShown(item, shown);
    else if (QWidget *w = ownWidget(item))
        w->setVisible(shown);
}

void frmSelCon::showClockDrift(std::optional<qint64> seconds)
{
    m_diagram->showClockDrift(seconds);
}
