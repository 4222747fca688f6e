#pragma once

#include "commandline.h"
#include "help.h"
#include "platform.h"
#include "session.h"
#include "settingsedit.h"

#include <QMainWindow>
#include <array>
#include <optional>

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
class PortPicker;
class SetupDiagram;
class frmCom;
class SettingsEditors;
class UserPrompt;

// How the window starts: the setup line from the caller, and the ports that
// our own options add to the list.
struct StartOptions
{
    QString commandLine;
    // Devices shown in the port list besides what the system reports (the
    // demo modem's pseudo-terminal, a --port device); the last one is selected.
    QStringList extraPorts;
    // Loaded once the window is up, as File > Load does.
    QString setupFile;
    // The language the windows speak, which the help follows.
    platform::HelpLanguage language = platform::HelpLanguage::English;
};

// The main window: the start tab that connects to the modem, and the
// programming tab with the diagram of the modem's setup. It owns the session
// of the run and routes the user's clicks to the modem operations, which
// reach its controls through SetupView.
class frmSelCon final : public QMainWindow, public SetupView
{
    Q_OBJECT
public:
    // The system's help viewer, documents and module list come through system.
    frmSelCon(SerialLink &comm, UserPrompt &prompt, const StartOptions &options = {},
              platform::Platform &system = platform::systemPlatform(), QWidget *parent = nullptr);
    ~frmSelCon() override;

    Session &session() { return m_session; }
    frmCom *com() const { return m_com; }
    SetupDiagram *diagram() const { return m_diagram; }

    // Enables the controls by what is running; the 500 ms timer calls it.
    void UpdateControls();

    // SetupView
    void setCaption(Item item, const QString &text) override;
    void setShown(Item item, bool shown) override;
    void showRole(int entry) override;
    void showLogger(bool ticked, qint16 emailInterval) override;
    // Shows the device column for DeviceCount (1, 2, 3, or 9 for none; any
    // other value becomes 3).
    void ShowDevices() override;
    void markChanges(bool differ) override;
    void showProgramming(bool programming) override;
    void showClockDrift(std::optional<qint64> seconds) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    QWidget *buildStartTab();
    QWidget *buildProgramTab();
    QGroupBox *buildConnectionDiagram(int kind);

    void load(const StartOptions &options);
    void applyCommandLine(const CommandLine &line);
    void applyLoggerType();
    void showConnectionKind(int kind);

    void cmdConnectClick();
    void cmdWriteClick();
    void roleClicked(int entry);
    void loggerClicked(bool ticked);
    void setBusyCursor(bool busy);

    QWidget *ownWidget(Item item) const;

    SerialLink &Comm;
    UserPrompt &m_prompt;
    platform::Platform &m_system;
    HelpDesk m_help;
    Session m_session;
    frmCom *m_com = nullptr;

    QAction *mnuFileLoad = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFilePending = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuHelpContents = nullptr;
    QAction *mnuHelpAbout = nullptr;

    QTabWidget *SSTab = nullptr;
    QLabel *lblStatus = nullptr;
    QProgressBar *ProgBar = nullptr;
    QTimer *tmrControl = nullptr;

    // start tab
    QLabel *lblInfo = nullptr;
    std::array<QGroupBox *, 3> fraConnection{};
    QGroupBox *fraStart = nullptr;
    PortPicker *cboPort = nullptr;
    QComboBox *cboBaud = nullptr;
    QLineEdit *txtPWD = nullptr;
    QPushButton *cmdConnect = nullptr;

    // programming tab
    QComboBox *cboRole = nullptr;
    QCheckBox *chkOmbrilex = nullptr;
    SetupDiagram *m_diagram = nullptr;
    QPushButton *cmdWrite = nullptr;
    QAction *mnuWriteVerify = nullptr; // on cmdWrite's menu
    QPushButton *cmdRefresh = nullptr;
    QPushButton *cmdFinish = nullptr;

    SettingsEditors *m_editors = nullptr;

    bool m_busyCursor = false;
    bool m_closing = false;
};
