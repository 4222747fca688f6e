#include "readsetup.h"

#include "passwordclock.h"

#include "captions.h"
#include "connection.h"
#include "exchange.h"
#include "identity.h"
#include "numbervalue.h"
#include "scheduletime.h"
#include "seriallink.h"
#include "session.h"
#include "showsetup.h"
#include "userprompt.h"

#include <QScopedValueRollback>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {

using Item = SetupView::Item;

const QString kError = QStringLiteral("ERROR");
const QString kRefreshCaption = QStringLiteral("Refresh setup from Merolan");
const QString kStopCaption = QStringLiteral("STOP Refreshing setup...");

// The fault numbers and texts users of the modem's earlier tools know.
struct Fault
{
    int number;
    const char *description;
};
constexpr Fault kOverflow{6, "Overflow"};
constexpr Fault kTypeMismatch{13, "Type mismatch"};

// The step numbers of the read, shown with an internal fault so that a report
// says which reply could not be taken.
enum Step { LoggerStep = 10, RoleStep = 12, PortStep = 16, EmailStep = 21 };

// The 4th character of the serial number tells how many devices the modem
// switches; "G" modems have none.
qint16 deviceCountOfSerial(const QString &serial)
{
    if (serial.size() < 4)
        return 3;
    switch (serial.at(3).unicode()) {
    case 'S': return 1;
    case 'Z': return 2;
    case 'G': return 9;
    default: return 3;
    }
}

// The refresh button is the STOP button while a read it started runs.
void showStop(Session &s, bool stop)
{
    s.Stoppable = stop ? Session::Operation::Read : Session::Operation::None;
    s.view.setCaption(Item::cmdRefresh, stop ? kStopCaption : kRefreshCaption);
}

class SetupReader
{
public:
    // Reads into a copy of the baseline: a read that fails must not leave a
    // baseline that is half one modem's and half another's.
    explicit SetupReader(Session &session) : s(session), m_read(session.ModemSetup) {}

    // False at the first reply that ends the read; key() names its setting.
    bool run()
    {
        readIdentity();
        return readSchedule() && readLogger() && requestLogger() && readRole() && readSms() && readBaud()
               && readServer() && readProvider() && readEmail();
    }

    const QString &key() const { return m_key; }
    const SetupRecord &record() const { return m_read; }

private:
    QString exchange(const QString &command) { return GetResponse(s.Comm, s.state, command); }

    QString query(const QString &key)
    {
        m_key = key;
        return exchange(QLatin1Char('#') + key + QLatin1Char('?'));
    }

    // A silent modem or a dropped line answers nothing, which would otherwise
    // read as a run of empty values and end in a "successful" read.
    bool unanswered() const { return s.state.ReplyMissing; }

    bool refused(const QString &reply) const { return reply == kError || unanswered(); }

    void fault(const Fault &f, Step step)
    {
        s.prompt.message(
            QStringLiteral("Error %1: %2. L%3").arg(f.number).arg(QLatin1String(f.description)).arg(int(step)));
    }

    void readIdentity()
    {
        applyIdentification(s, exchange(QStringLiteral("#Version?")));
        showModemClock(s, exchange(QStringLiteral("#TIME?")));
        s.view.setCaption(Item::lblBattery, exchange(QStringLiteral("#BAT?")));
        s.SerialNumber = exchange(QStringLiteral("#SerialNum?")).remove(QStringLiteral("Serial Number is: "));
        s.view.setCaption(Item::lblSerial, QStringLiteral("S/N: ") + s.SerialNumber);
        s.DeviceCount = deviceCountOfSerial(s.SerialNumber);
        s.view.ShowDevices();
    }

    // One time of a device: the reply text, which the caption shows as the
    // modem wrote it; the stored time changes only when the text is a time.
    std::optional<QString> readTime(const QString &key, double &stored)
    {
        QString r = query(key);
        if (refused(r))
            return std::nullopt;
        r.remove(key + QLatin1Char(':'));
        if (const std::optional<double> time = parseTimeOfDay(r))
            stored = *time;
        return r;
    }

    bool readSchedule()
    {
        static constexpr std::array<Item, 3> labels{Item::lblTime0, Item::lblTime1, Item::lblTime2};
        for (int n = 1; n <= 3; ++n) {
            const size_t i = size_t(n - 1);
            const QString device = QStringLiteral("P") + QString::number(n);
            const std::optional<QString> on = readTime(device + QStringLiteral("ON"), m_read.OnTime[i]);
            if (!on)
                return false;
            const std::optional<QString> off = readTime(device + QStringLiteral("OFF"), m_read.OffTime[i]);
            if (!off)
                return false;
            s.view.setCaption(labels[i], scheduleCaption(*on, *off));
        }
        return true;
    }

    // Whether the modem knows a data logger at all decides last whether the
    // box is shown, whatever the identification said.
    bool readLogger()
    {
        QString r = query(QStringLiteral("Logger"));
        if (unanswered())
            return false;
        s.view.setShown(Item::chkOmbrilex, r != kError);
        r.remove(QStringLiteral("Logger="));
        if (!isNumber(r))
            return true;
        const std::optional<qint16> value = wholeNumber<qint16>(numberValue(r));
        if (!value) {
            fault(kOverflow, LoggerStep);
            return true;
        }
        s.view.showLogger(*value != 0, m_read.EmailInterval);
        m_read.Logger = *value;
        return true;
    }

    // Started for a data logger (the command line names its type), the modem
    // must work in logger mode.
    bool requestLogger()
    {
        const QString &type = s.LoggerType;
        if (!(type > QLatin1String("0") && numberValue(type) > 0 && m_read.Logger == 0))
            return true;
        m_key = QStringLiteral("Logger=1");
        const QString r = exchange(QStringLiteral("#Logger=1"));
        if (unanswered())
            return false;
        // A modem that refuses logger mode is not in it: record what it is.
        if (r == kError)
            return true;
        m_read.Logger = 1;
        s.view.showLogger(true, m_read.EmailInterval);
        return true;
    }

    bool readRole()
    {
        QString r = query(QStringLiteral("MODEMROLE"));
        if (refused(r))
            return false;
        r = r.remove(QStringLiteral("Role=")).trimmed();
        s.view.showRole(r == QLatin1String("1") ? 0 : r == QLatin1String("2") ? 1 : 2);
        if (const std::optional<qint16> role = wholeNumber<qint16>(numberValue(r)))
            m_read.Role = *role;
        else
            fault(kOverflow, RoleStep);
        return true;
    }

    bool readSms()
    {
        QString r = query(QStringLiteral("SMSNUM"));
        if (refused(r))
            return false;
        r.remove(QStringLiteral("SMSNUM="));
        s.view.setCaption(Item::lblSMS, smsCaption(r));
        m_read.SMSNum = r;
        return true;
    }

    bool readBaud()
    {
        QString r = query(QStringLiteral("BAUD"));
        if (unanswered())
            return false;
        s.view.setShown(Item::lblBaud, r != kError);
        // Blanks would join the rate with what follows it; "_" ends the number.
        r = r.remove(QStringLiteral("The baud rate is")).trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
        r = numberText(numberValue(r));
        m_read.Baud = 4;
        for (qint32 index = 1; baudRateOfIndex(index) != 0; ++index) {
            if (r == QString::number(baudRateOfIndex(index)))
                m_read.Baud = index;
        }
        s.view.setCaption(Item::lblBaud, QStringLiteral("Baud: ") + r);
        return true;
    }

    bool readServer()
    {
        QString r = query(QStringLiteral("HOSTIP"));
        if (refused(r))
            return false;
        r = r.remove(QStringLiteral("HOSTIP:")).trimmed().remove(QStringLiteral("HOSTIP=")).trimmed();
        s.view.setCaption(Item::lblTessarinIP, r);
        m_read.HostIP = r;

        r = query(QStringLiteral("HSTPORTNUMBER"));
        if (refused(r))
            return false;
        r = r.remove(QStringLiteral("SERVERPORT=")).trimmed();
        s.view.setCaption(Item::lblTessarinPort, tessarinPortCaption(r));
        if (const std::optional<qint32> port = wholeNumber<qint32>(numberValue(r)))
            m_read.HostPort = *port;
        else
            fault(kOverflow, PortStep);
        s.view.setCaption(Item::lblServerPort, serverPortCaption(r));
        return true;
    }

    // The modem answers with one of two labels in front of each value,
    // depending on its firmware.
    bool readProvider()
    {
        struct Setting
        {
            const char *key;
            const char *label;
            const char *setting;
            Item item;
            QString (*caption)(const QString &);
            QString SetupRecord::*field;
        };
        static constexpr Setting kSettings[] = {
            {"APN", "APN:", "APN=", Item::lblAPN, apnCaption, &SetupRecord::APN},
            {"GPRSID", "GPRS ID:", "GPRSID=", Item::lblProviderUser, providerUserCaption, &SetupRecord::GPRSID},
            {"GPRSPass", "GPRS Password:", "GPRSPW=", Item::lblProviderPWD, providerPasswordCaption,
             &SetupRecord::GPRSPass},
        };
        for (const Setting &setting : kSettings) {
            QString r = query(QLatin1String(setting.key));
            if (refused(r))
                return false;
            r = r.remove(QLatin1String(setting.label)).trimmed().remove(QLatin1String(setting.setting)).trimmed();
            s.view.setCaption(setting.item, setting.caption(r));
            m_read.*setting.field = r;
        }
        return true;
    }

    // Firmware from version 3 on, and the modems the identification names,
    // keep no e-mail settings.
    bool readEmail()
    {
        if (s.firmwareNumber() >= 3 || !s.HasEmail)
            return true;

        QString r = query(QStringLiteral("Email"));
        if (refused(r))
            return false;
        r.remove(QStringLiteral("Email Interval:"));
        const double hours = numberValue(r);
        s.view.setCaption(Item::lblEmail, emailCaption(hours));
        // The modem cannot send less often than once a day.
        if (hours > 24)
            r = QStringLiteral("00");
        std::optional<qint16> interval;
        if (!isNumber(r))
            fault(kTypeMismatch, EmailStep);
        else if (!(interval = wholeNumber<qint16>(numberValue(r))))
            fault(kOverflow, EmailStep);
        m_read.EmailInterval = interval.value_or(0);

        r = query(QStringLiteral("ESender"));
        if (refused(r))
            return false;
        m_read.ESender = r;

        r = query(QStringLiteral("ERecep"));
        if (refused(r))
            return false;
        m_read.ERecep = r.remove(QStringLiteral("the recepient is: ")).trimmed();

        r = query(QStringLiteral("MAILS"));
        if (refused(r))
            return false;
        m_read.MailServer = r.remove(QStringLiteral("MAILSERVER:")).trimmed();

        r = query(QStringLiteral("XUSER"));
        if (refused(r))
            return false;
        m_read.XUser = r;

        // The modem never tells its SMTP password; the stars stand for "as
        // the modem has it" and are never written back.
        m_read.XPas = QString(99, QLatin1Char('*'));
        return true;
    }

    Session &s;
    SetupRecord m_read;
    QString m_key;
};

} // namespace

bool ReadSetup(Session &s)
{
    s.state.setProgressRange(30);
    s.state.setProgress(0);
    s.state.setStatus(QStringLiteral("Reading setup..."));
    const QScopedValueRollback reading(s.state.Reading, true);
    s.state.AbortRequested = false;

    // The identity belongs to the baseline: after a failed read the write
    // must still compare the modem on the line with the one whose setup it has.
    const QString versionBefore = s.FirmwareVersion;
    const QString serialBefore = s.SerialNumber;
    const qint16 devicesBefore = s.DeviceCount;
    SetupReader reader(s);
    const bool ok = reader.run();
    if (ok) {
        s.ModemSetup = reader.record();
        s.EditSetup = s.ModemSetup;
        s.HasChanges();
        s.state.setStatus(QStringLiteral("Setup read finished."));
    } else {
        s.FirmwareVersion = versionBefore;
        s.SerialNumber = serialBefore;
        s.DeviceCount = devicesBefore;
        s.view.setCaption(Item::lblVersion, QStringLiteral("F/W: v") + s.FirmwareVersion);
        s.view.setCaption(Item::lblSerial, QStringLiteral("S/N: ") + s.SerialNumber);
        s.view.ShowDevices();
        // The window shows what Write would send, not what the failed read saw.
        ShowSetup(s);
        const QString &key = reader.key();
        if (lineLost(s.Comm)) {
            s.prompt.message(QStringLiteral("Connection to the Merolan lost while reading setting: ") + key);
            s.state.setStatus(QStringLiteral("Setup read failed. Connection lost. Command: ") + key);
        } else if (s.state.AbortRequested) {
            s.prompt.message(QStringLiteral("Setup read aborted."));
            s.state.setStatus(QStringLiteral("Setup read aborted."));
        } else {
            s.prompt.message(QStringLiteral("Error reading setup. Command: ") + key);
            s.state.setStatus(QStringLiteral("Setup read failed. Command: ") + key);
        }
    }

    s.state.AbortRequested = false;
    showStop(s, false);
    return ok;
}

void RefreshClicked(Session &s)
{
    if (s.Stoppable != Session::Operation::Read) {
        // A second click while the modem is sought would search inside the search.
        if (refusedWhileRunning(s.state, s.prompt))
            return;
        if (FindModem(s)) {
            showStop(s, true);
            ReadSetup(s);
        }
        return;
    }
    s.state.setStatus(QStringLiteral("Aborting. Please wait..."));
    s.state.AbortRequested = true;
}
