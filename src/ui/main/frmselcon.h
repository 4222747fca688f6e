#pragma once

#include "commandline.h"
#include "session.h"

#include <QMainWindow>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;
class Picture;
class Wire;
class DeviceColumn;
class frmCom;
class PortListModel;
class UserPrompt;

// How the window starts: the setup line from the caller, and the ports that
// our own options add to the list.
struct StartOptions
{
    QString commandLine;
    // Devices shown in the port list besides what the system reports (the
    // demo modem's pseudo-terminal, a --port device); the last one is selected.
    QStringList extraPorts;
};

// The main window: the start tab that connects to the modem, and the
// programming tab with the diagram of the modem's setup. It owns the session
// of the run; the modem operations reach its controls through SetupView.
class frmSelCon final : public QMainWindow, public SetupView
{
    Q_OBJECT
public:
    frmSelCon(SerialLink &comm, UserPrompt &prompt, const StartOptions &options = {}, QWidget *parent = nullptr);
    ~frmSelCon() override;

    Session &session() { return m_session; }
    frmCom *com() const { return m_com; }

    // Enables the controls by what is running; the 500 ms timer calls it.
    void UpdateControls();
    // Shows the device column for DeviceCount (1, 2, 3, or 9 for none; any
    // other value becomes 3).
    void ShowDevices();
    // True when the port list holds "COM" + n.
    bool PortInList(const QString &n) const;
    // Reads the system's port list again, keeping the user's choice.
    void refreshPorts();

    // SetupView
    void setCaption(Item item, const QString &text) override;
    QString caption(Item item) const override;
    void setShown(Item item, bool shown) override;
    bool isShown(Item item) const override;
    void selectRole(int entry) override;
    void setLoggerTicked(bool ticked) override;
    void showDevices() override { ShowDevices(); }
    void markChanges(bool differ) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    QWidget *buildStartTab();
    QWidget *buildProgramTab();
    QGroupBox *buildConnectionDiagram(int kind);
    int nodeWidth() const;
    QWidget *buildSetupDiagram();
    QWidget *buildInfoFrame();

    void load(const StartOptions &options, QStringList ports);
    void applyCommandLine(const CommandLine &line);
    void applyLoggerType();
    void showConnectionKind(int kind);
    QStringList systemPorts() const;
    void setPortList(const QStringList &ports);

    void cmdConnectClick();
    void cmdFinishClick();
    void roleClicked(int entry);
    void loggerClicked(bool ticked);
    void showRole(int entry);
    void showLogger(bool ticked);
    void setBusyCursor(bool busy);

    QWidget *itemWidget(Item item) const;

    SerialLink &Comm;
    UserPrompt &m_prompt;
    Session m_session;
    frmCom *m_com = nullptr;
    QStringList m_extraPorts;

    QAction *mnuFileLoad = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuHelpContents = nullptr;
    QAction *mnuHelpAbout = nullptr;

    QTabWidget *SSTab = nullptr;
    QLabel *lblStatus = nullptr;
    QProgressBar *ProgBar = nullptr;
    QTimer *tmrControl = nullptr;
    QTimer *m_portWatch = nullptr;

    // start tab
    QGroupBox *fraIn = nullptr;
    QLabel *lblInfo = nullptr;
    std::array<QGroupBox *, 3> fraConnection{};
    QGroupBox *fraStart = nullptr;
    QComboBox *cboPort = nullptr;
    PortListModel *m_ports = nullptr;
    QComboBox *cboBaud = nullptr;
    QLineEdit *txtPWD = nullptr;
    QPushButton *cmdConnect = nullptr;

    // programming tab
    QComboBox *cboRole = nullptr;
    QCheckBox *chkOmbrilex = nullptr;
    QGroupBox *fraInfo = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblSerial = nullptr;
    QLabel *lblBattery = nullptr;
    QLabel *lblClock = nullptr;
    QLabel *lblTimeSet = nullptr;
    QLabel *lblPWD = nullptr;
    QLabel *lblPWDSet = nullptr;

    QGroupBox *fraDataStyl = nullptr;
    QLabel *lblMerolan = nullptr;
    QLabel *lblNetwork = nullptr;
    QLabel *lblServer = nullptr;
    QLabel *lblTessarinIP = nullptr;
    QLabel *lblTessarinPort = nullptr;
    QLabel *lblServerPort = nullptr;
    QLabel *lblAPN = nullptr;
    QLabel *lblProviderUser = nullptr;
    QLabel *lblProviderPWD = nullptr;
    QLabel *lblSMS = nullptr;
    QLabel *lblEmail = nullptr;
    QLabel *lblBaud = nullptr;
    Picture *imgGPRS = nullptr;
    Picture *imgGSM = nullptr;
    Picture *imgServer = nullptr;
    Picture *imgInternet = nullptr;
    Picture *imgModem = nullptr;
    Picture *imgOmbrilex = nullptr;
    Picture *imgStop = nullptr;
    Picture *imgTick = nullptr;
    std::array<QWidget *, 3> m_deviceGroup{};
    std::array<QLabel *, 3> lblDevice{};
    std::array<Picture *, 3> imgDevice{};
    std::array<QLabel *, 3> lblTime{};
    std::array<Picture *, 3> imgTime{};
    Wire *m_deviceWire = nullptr;
    DeviceColumn *m_deviceColumn = nullptr;

    QPushButton *cmdWrite = nullptr;
    QPushButton *cmdRefresh = nullptr;
    QPushButton *cmdFinish = nullptr;

    bool m_busyCursor = false;
    bool m_closing = false;
};
