#include "frmselcon.h"

#include "captions.h"
#include "diagram.h"
#include "findmodem.h"
#include "frmcom.h"
#include "openlink.h"
#include "portlistmodel.h"
#include "readsetup.h"
#include "seriallink.h"
#include "setupfilecommands.h"
#include "userprompt.h"
#include "writesetup.h"

#include <QAbstractItemView>
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
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <future>

// The pictures are compiled into this library; a static library's resources
// must be registered by hand.
static void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

// The mediation service the client role reports to unless told otherwise.
const QString kDefaultTessarinHost = QStringLiteral("gw.tessarin.example.net");

const QColor kChangedColour(255, 128, 128);

constexpr int kControlMs = 500;
constexpr int kPortWatchMs = 2000;

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

struct RoleLook
{
    const char *text;
    const char *network;
    const char *merolan;
    const char *server;
    const char *logger;
};

const RoleLook kRoles[3] = {
    {"Merolan is Tessarin GPRS Client", "GPRS network", "Merolan (Client)", "Tessarin",
     "Merolan is used with a Ombrilex data logger."},
    {"Merolan is GPRS Server", "GPRS network", "Merolan (Server)", "Internet",
     "Merolan is used with a Ombrilex data logger."},
    {"Merolan accepts data calls", "GSM network", "Merolan expects data calls", "Modem",
     "Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries."},
};

} // namespace

frmSelCon::frmSelCon(SerialLink &comm, UserPrompt &prompt, const StartOptions &options, QWidget *parent)
    : QMainWindow(parent), Comm(comm), m_prompt(prompt), m_session(comm, *this, prompt)
{
    // Asking the system for its ports takes a while: it runs while the
    // widgets are built.
    std::future<QStringList> systemPortList = std::async(std::launch::async, [this] { return systemPorts(); });

    initPictures();
    setObjectName(QStringLiteral("frmSelCon"));
    setWindowTitle(QStringLiteral("Merolan programmer"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/app.svg")));

    buildMenus();
    SSTab = new QTabWidget(this);
    SSTab->setObjectName(QStringLiteral("SSTab"));
    SSTab->addTab(buildStartTab(), QStringLiteral("Merolan not found"));
    SSTab->addTab(buildProgramTab(), QStringLiteral("Program Merolan"));
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

    connect(mnuFileLoad, &QAction::triggered, this, [this] { LoadSetupCommand(m_session); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { SaveSetupCommand(m_session); });
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(cmdConnect, &QPushButton::clicked, this, &frmSelCon::cmdConnectClick);
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { RefreshClicked(m_session); });
    connect(cmdWrite, &QPushButton::clicked, this, [this] { WriteClicked(m_session); });
    connect(cmdFinish, &QPushButton::clicked, this, &frmSelCon::cmdFinishClick);
    connect(cboRole, &QComboBox::activated, this, &frmSelCon::roleClicked);
    connect(chkOmbrilex, &QCheckBox::clicked, this, &frmSelCon::loggerClicked);
    connect(txtPWD, &QLineEdit::returnPressed, cmdConnect, &QPushButton::click);

    load(options, systemPortList.get());

    tmrControl = new QTimer(this);
    tmrControl->setObjectName(QStringLiteral("tmrControl"));
    tmrControl->setInterval(kControlMs);
    connect(tmrControl, &QTimer::timeout, this, &frmSelCon::UpdateControls);
    tmrControl->start();

    m_portWatch = new QTimer(this);
    m_portWatch->setInterval(kPortWatchMs);
    connect(m_portWatch, &QTimer::timeout, this, [this] {
        if (SSTab->currentIndex() == 0 && !m_session.state.anyRunning() && cboPort->isEnabled()
            && !cboPort->view()->isVisible())
            refreshPorts();
    });
    m_portWatch->start();

    // Ctrl+Shift+C is taken whichever control of the window has the focus.
    qApp->installEventFilter(this);
}

frmSelCon::~frmSelCon()
{
    setBusyCursor(false);
}

void frmSelCon::load(const StartOptions &options, QStringList ports)
{
    m_com = new frmCom(Comm, m_prompt, this);

    // Each port listed becomes the port to use, so the last one is preselected.
    m_extraPorts = options.extraPorts;
    for (const QString &extra : m_extraPorts) {
        if (!ports.contains(extra))
            ports << extra;
    }
    setPortList(ports);
    for (const QString &port : ports)
        Comm.setCommPort(port);
    if (!m_extraPorts.isEmpty())
        Comm.setCommPort(m_extraPorts.constLast());
    cboPort->setCurrentIndex(cboPort->findText(Comm.CommPort()));
    if (cboPort->isEditable())
        cboPort->setEditText(Comm.CommPort());

    for (int rate = 1200; rate <= 38400; rate *= 2)
        cboBaud->addItem(QString::number(rate));
    cboBaud->addItem(QStringLiteral("115200"));
    cboBaud->setCurrentText(QStringLiteral("9600"));

    for (const RoleLook &role : kRoles)
        cboRole->addItem(QLatin1String(role.text));
    cboRole->setCurrentIndex(2);
    showRole(2);

    lblInfo->setText(kLocalInfo);
    lblTessarinIP->setText(kDefaultTessarinHost);
    m_session.LoggerType = QStringLiteral("0");

    applyCommandLine(parseCommandLine(options.commandLine));
    applyLoggerType();

    SSTab->setCurrentIndex(0);
    SSTab->setTabEnabled(1, false);
}

void frmSelCon::applyCommandLine(const CommandLine &line)
{
    if (line.password)
        txtPWD->setText(*line.password);
    if (line.portNumber && PortInList(*line.portNumber)) {
        const QString port = QStringLiteral("COM") + *line.portNumber;
        cboPort->setCurrentIndex(cboPort->findText(port));
        cboPort->setEditText(port);
        cboPort->setEnabled(false);
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
    lblInfo->setText(kind == 1 ? kGsmInfo : kind == 2 ? kGprsInfo : kLocalInfo);
}

void frmSelCon::applyLoggerType()
{
    const QString &type = m_session.LoggerType;
    // A calling program that names its logger fixes the mode.
    const bool fixed = type == QLatin1String("1") || type == QLatin1String("40") || type == QLatin1String("100")
                       || type == QLatin1String("50");
    if (fixed)
        chkOmbrilex->setEnabled(false);
    if (type == QLatin1String("50")) {
        lblPWD->hide();
        lblPWDSet->hide();
    }
    setLoggerTicked(fixed);
}

QStringList frmSelCon::systemPorts() const
{
    QStringList ports = Comm.CommPorts();
#ifdef _WIN32
    ports.removeIf([](const QString &name) { return !name.startsWith(QLatin1String("COM")); });
#endif
    return ports;
}

void frmSelCon::setPortList(const QStringList &ports)
{
    QStringList before;
    for (int i = 0; i < cboPort->count(); ++i)
        before << cboPort->itemText(i);
    const QString chosen = cboPort->currentText();

    const QSignalBlocker block(cboPort);
    cboPort->clear();
    m_ports->forgetDescriptions();
    cboPort->addItems(ports);
    if (const int kept = cboPort->findText(chosen); kept >= 0 && !chosen.isEmpty()) {
        cboPort->setCurrentIndex(kept);
    } else if (cboPort->isEditable() && !chosen.isEmpty() && !before.contains(chosen)) {
        // A typed device path stays as it was typed.
        cboPort->setCurrentIndex(-1);
        cboPort->setEditText(chosen);
    } else {
        cboPort->setCurrentIndex(cboPort->count() - 1);
    }
}

void frmSelCon::refreshPorts()
{
    QStringList ports = systemPorts();
    for (const QString &extra : m_extraPorts) {
        if (!ports.contains(extra))
            ports << extra;
    }
    QStringList shown;
    for (int i = 0; i < cboPort->count(); ++i)
        shown << cboPort->itemText(i);
    if (ports != shown)
        setPortList(ports);
}

bool frmSelCon::PortInList(const QString &n) const
{
    const QString name = QStringLiteral("COM") + n;
    for (int i = 0; i < cboPort->count(); ++i) {
        if (cboPort->itemText(i) == name)
            return true;
    }
    return false;
}

void frmSelCon::UpdateControls()
{
    const OperationState &s = m_session.state;
    const bool running = s.Writing || s.Reading || s.Busy;
    for (QWidget *w : std::initializer_list<QWidget *>{fraDataStyl, fraInfo, cboRole, cmdFinish})
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
    for (QWidget *group : m_deviceGroup)
        group->show();
    switch (m_session.DeviceCount) {
    case 1:
        m_deviceGroup[1]->hide();
        m_deviceGroup[2]->hide();
        break;
    case 2:
        m_deviceGroup[2]->hide();
        break;
    case 9:
        for (QWidget *group : m_deviceGroup)
            group->hide();
        break;
    case 3:
        break;
    default:
        m_session.DeviceCount = 3;
        break;
    }
    const bool any = m_session.DeviceCount != 9;
    m_deviceWire->setVisible(any);
    m_deviceColumn->setVisible(any);
    m_deviceColumn->update();
}

void frmSelCon::selectRole(int entry)
{
    cboRole->setCurrentIndex(entry);
    roleClicked(entry);
}

void frmSelCon::roleClicked(int entry)
{
    for (QWidget *w : std::initializer_list<QWidget *>{imgInternet, imgServer, imgModem, lblProviderUser,
                                                        lblProviderPWD, lblAPN, imgGPRS, imgGSM, lblTessarinIP,
                                                        lblTessarinPort, lblServerPort})
        w->hide();
    m_session.roleChanged(entry);
    showRole(entry);
}

void frmSelCon::showRole(int entry)
{
    if (entry < 0 || entry > 2)
        return;
    const RoleLook &look = kRoles[entry];
    lblNetwork->setText(QLatin1String(look.network));
    lblMerolan->setText(QLatin1String(look.merolan));
    lblServer->setText(QLatin1String(look.server));
    chkOmbrilex->setText(QLatin1String(look.logger));
    const bool gprs = entry != 2;
    for (QWidget *w : {lblProviderUser, lblProviderPWD, lblAPN})
        w->setVisible(gprs);
    imgGPRS->setVisible(gprs);
    imgGSM->setVisible(!gprs);
    lblTessarinIP->setVisible(entry == 0);
    lblTessarinPort->setVisible(entry == 0);
    imgServer->setVisible(entry == 0);
    lblServerPort->setVisible(entry == 1);
    imgInternet->setVisible(entry == 1);
    imgModem->setVisible(entry == 2);
}

void frmSelCon::setLoggerTicked(bool ticked)
{
    chkOmbrilex->setChecked(ticked);
    loggerClicked(ticked);
}

void frmSelCon::loggerClicked(bool ticked)
{
    m_session.loggerChanged(ticked);
    showLogger(ticked);
}

void frmSelCon::showLogger(bool ticked)
{
    lblPWDSet->setEnabled(true);
    lblPWDSet->setToolTip(QStringLiteral("Click to change password"));
    if (!ticked) {
        lblDevice[0]->setText(QStringLiteral("Device 1"));
        lblDevice[0]->setToolTip(QStringLiteral("Click to connect to Device 1 and close Merolan Programmer."));
        imgDevice[0]->show();
        imgOmbrilex->hide();
        lblEmail->setEnabled(false);
        lblBaud->setEnabled(true);
        return;
    }
    lblDevice[0]->setText(QStringLiteral("Ombrilex data logger"));
    lblDevice[0]->setToolTip(QStringLiteral("Click to connect to data logger and close Merolan Programmer."));
    imgDevice[0]->hide();
    imgOmbrilex->show();
    lblBaud->setText(QStringLiteral("Baud: 9600"));
    lblBaud->setEnabled(false);
    lblEmail->setEnabled(true);
    lblEmail->setText(emailCaption(m_session.EditSetup.EmailInterval));
}

void frmSelCon::markChanges(bool differ)
{
    QPalette p = cmdWrite->palette();
    p.setColor(QPalette::Button, differ ? kChangedColour : cmdRefresh->palette().color(QPalette::Button));
    cmdWrite->setPalette(p);
}

void frmSelCon::cmdConnectClick()
{
    if (m_session.state.anyRunning())
        return;
    // With no port to choose from, the link keeps the port it had.
    const QString chosen = cboPort->currentText().trimmed();
    if (!OpenLink(Comm, chosen.isEmpty() ? Comm.CommPort() : chosen, cboBaud->currentText())) {
        m_prompt.message(QStringLiteral("Cannot open COM port"));
        return;
    }
    if (!FindModem(m_session)) {
        Comm.setPortOpen(false);
        return;
    }
    SSTab->setTabEnabled(1, true);
    SSTab->setCurrentIndex(1);
    SSTab->setTabText(0, QStringLiteral("Merolan found"));
    SSTab->setTabEnabled(0, false);
    // The first read cannot be stopped.
    cmdRefresh->hide();
    ReadSetup(m_session);
    cmdRefresh->show();
}

void frmSelCon::cmdFinishClick()
{
    if (m_session.state.anyRunning())
        return;
    if (m_session.HasChanges()
        && !m_prompt.question(QStringLiteral("Do you want to leave without writing changes to the Merolan?"),
                              UserPrompt::Icon::Warning))
        return;
    Comm.OutputLine(QStringLiteral("#AUTO"));
    Comm.Pause(1000);
    SSTab->setTabEnabled(0, true);
    SSTab->setCurrentIndex(0);
    SSTab->setTabText(0, QStringLiteral("Merolan not found"));
    SSTab->setTabEnabled(1, false);
    Comm.setPortOpen(false);
}

void frmSelCon::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->ignore();
        return;
    }
    if (m_session.state.anyRunning()) {
        m_prompt.beep();
        event->ignore();
        return;
    }
    if (Comm.PortOpen()) {
        // Hand the modem back to its automatic mode before the port goes.
        m_closing = true;
        Comm.OutputLine(QStringLiteral("#AUTO"));
        Comm.Pause(1000);
        m_closing = false;
    }
    tmrControl->stop();
    m_portWatch->stop();
    m_com->unload();
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

QWidget *frmSelCon::itemWidget(Item item) const
{
    switch (item) {
    case Item::lblVersion: return lblVersion;
    case Item::lblSerial: return lblSerial;
    case Item::lblClock: return lblClock;
    case Item::lblBattery: return lblBattery;
    case Item::lblPWD: return lblPWD;
    case Item::lblPWDSet: return lblPWDSet;
    case Item::lblTime0: return lblTime[0];
    case Item::lblTime1: return lblTime[1];
    case Item::lblTime2: return lblTime[2];
    case Item::lblTessarinIP: return lblTessarinIP;
    case Item::lblTessarinPort: return lblTessarinPort;
    case Item::lblServerPort: return lblServerPort;
    case Item::lblAPN: return lblAPN;
    case Item::lblProviderUser: return lblProviderUser;
    case Item::lblProviderPWD: return lblProviderPWD;
    case Item::lblSMS: return lblSMS;
    case Item::lblEmail: return lblEmail;
    case Item::lblBaud: return lblBaud;
    case Item::chkOmbrilex: return chkOmbrilex;
    case Item::cmdWrite: return cmdWrite;
    case Item::cmdRefresh: return cmdRefresh;
    case Item::txtPWD: return txtPWD;
    }
    return nullptr;
}

void frmSelCon::setCaption(Item item, const QString &text)
{
    QWidget *w = itemWidget(item);
    if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(text);
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->setText(text);
    else if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
}

QString frmSelCon::caption(Item item) const
{
    QWidget *w = itemWidget(item);
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    return {};
}

void frmSelCon::setShown(Item item, bool shown)
{
    if (QWidget *w = itemWidget(item))
        w->setVisible(shown);
}

bool frmSelCon::isShown(Item item) const
{
    const QWidget *w = itemWidget(item);
    return w && !w->isHidden();
}
