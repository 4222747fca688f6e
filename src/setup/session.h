#pragma once

#include "operationstate.h"
#include "setuprecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class SerialLink;
class UserPrompt;

// The captions and switches of the window that the modem operations set. It
// only shows: what an operation decides on lives on the Session. The main
// window implements it; a headless front end or a test records them.
class SetupView
{
public:
    enum class Item {
        // modem facts
        lblVersion,
        lblSerial,
        lblClock,
        lblBattery,
        lblPWD,
        lblPWDSet,
        // the setup diagram
        lblTime0,
        lblTime1,
        lblTime2,
        lblTessarinIP,
        lblTessarinPort,
        lblServerPort,
        lblAPN,
        lblProviderUser,
        lblProviderPWD,
        lblSMS,
        lblEmail,
        lblBaud,
        chkOmbrilex,
        // buttons
        cmdWrite,
        cmdRefresh,
        // the password box on the start tab
        txtPWD,
    };

    virtual ~SetupView() = default;

    virtual void setCaption(Item item, const QString &text) = 0;
    virtual void setShown(Item item, bool shown) = 0;

    // Show a role (its entry in the role list, -1 for none) and the logger
    // mode with its e-mail interval. Showing changes no record: only the
    // user's own choices do (Session::roleChanged, Session::loggerChanged).
    virtual void showRole(int entry) = 0;
    virtual void showLogger(bool ticked, qint16 emailInterval) = 0;

    // Shows the device column for Session::DeviceCount.
    virtual void ShowDevices() = 0;
    // The programming side (logged in, setup shown and editable) or the start
    // side (choose a port and connect).
    virtual void showProgramming(bool programming) = 0;
    // The write button's face: light red while the records differ.
    virtual void markChanges(bool differ) = 0;
    // How far the modem's clock is from the computer's, in seconds (positive:
    // ahead); no value when the modem's clock reply held no time.
    virtual void showClockDrift(std::optional<qint64> seconds) = 0;
};

// How the last search and login ended: what a script is told apart by.
enum class LoginEnd {
    Ready,           // the modem takes commands
    NotFound,        // no modem answered the search
    PasswordRefused, // the modem asked for a password and did not take the one given (or none was)
    LineLost,        // the port closed or the line dropped under the search
};

// What the last write did with each setting line it meant to send.
struct WriteOutcome
{
    QStringList accepted;    // the modem answered OK
    QStringList unconfirmed; // sent, but no answer came: stored or not, nobody knows
    QStringList notWritten;  // refused, or never sent
};

// The state of one connection to one modem: what the main window keeps for a
// whole run, and what a headless front end keeps per port. Nothing here is
// global, so several sessions can run side by side in their own threads.
class Session
{
public:
    Session(SerialLink &comm, SetupView &view, UserPrompt &prompt);

    SerialLink &Comm;
    SetupView &view;
    UserPrompt &prompt;
    OperationState state;

    SetupRecord ModemSetup;
    SetupRecord EditSetup;

    // The operation whose button is the STOP button now.
    enum class Operation { None, Read, Write };

    QString Password;                                 // the password typed (txtPWD), sent at the login
    QString FirmwareVersion;                          // tag of lblVersion
    QString SerialNumber;                             // tag of lblSerial
    QString PasswordTag = QStringLiteral("Disabled"); // tag of lblPWD
    QString LoggerType = QStringLiteral("0");         // tag of chkOmbrilex, from the command line
    qint16 DeviceCount = 3;
    bool HasEmail = true; // the modem keeps e-mail settings (lblEmail shown)
    Operation Stoppable = Operation::None;
    qint16 ConnectionKind = 0; // 0 local port, 1 GSM data call, 2 Ethernet/GPRS
    WriteOutcome LastWrite;
    LoginEnd LastLogin = LoginEnd::Ready;
    std::optional<qint64> ClockDrift; // seconds the modem's clock is ahead, as last read
    // A new password sent whose answer never came: the modem may ask for it
    // instead of the one in the password box.
    std::optional<QString> UnconfirmedPassword;
    QString ModemClock;    // the modem's last clock reply, as lblClock shows it
    QDateTime ClockReadAt; // the computer's time when that clock reply arrived

    // The number value of FirmwareVersion, used by every version test.
    double firmwareNumber() const;

    // Compares the two records and colours the write button.
    bool HasChanges();

    // Sets the password and its box together.
    void showPassword(const QString &password);
    // Sets the password tag ("Enabled", "Disabled") and its caption together.
    void showPasswordTag(bool enabled);

    // The record side of the role and logger controls. The window's handlers
    // call these, then rebuild the diagram.
    void roleChanged(int entry);
    void loggerChanged(bool ticked);
};
