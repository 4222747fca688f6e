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

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

namespace {

using Item = SetupView::Item;

const QString kError = QStringLiteral("ERROR");

// The fault numbers and texts users of the modem's earlier tools know.
struct Fault
{
    int number;
    const char *description;
};
//: Fault 6, the %2 of "Error %1: %2. L%3": a number too big for its setting
constexpr Fault kOverflow{6, QT_TRANSLATE_NOOP("ReadSetup", "Overflow")};
//: Fault 13, the %2 of "Error %1: %2. L%3": a reply that is no number
constexpr Fault kTypeMismatch{13, QT_TRANSLATE_NOOP("ReadSetup", "Type mismatch")};

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
    s.view.setCaption(Item::cmdRefresh, stop ? QCoreApplication::translate("ReadSetup", "STOP Refreshing setup...")
                                             : QCoreApplication::translate("ReadSetup", "Refresh setup from Merolan"));
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
        //: %1 is the fault's number, %2 its description, %3 the step of the read where it happened
        s.prompt.message(QCoreApplication::translate("ReadSetup", "Error %1: %2. L%3")
                             .arg(f.number)
                             .arg(QCoreApplication::translate("ReadSetup", f.description))
                             .arg(int(step)));
    }

    // The reply to the last query taken into the read's record; a number that
    // does not go into its field is told with the read's step.
    SettingReply take(const QString &reply, Step step = {})
    {
        SettingReply taken = takeSettingReply(m_key, reply, m_read);
        if (taken.fault != ReplyFault::None)
            fault(taken.fault == ReplyFault::Overflow ? kOverflow : kTypeMismatch, step);
        return taken;
    }

    // The reply text of a setting that must be answered, as take() leaves it.
    std::optional<QString> readText(const QString &key, Step step = {})
    {
        const QString r = query(key);
        if (refused(r))
            return std::nullopt;
        return take(r, step).text;
    }

    void readIdentity()
    {
        applyIdentification(s, exchange(QStringLiteral("#Version?")));
        showModemClock(s, exchange(QStringLiteral("#TIME?")));
        s.view.setCaption(Item::lblBattery, exchange(QStringLiteral("#BAT?")));
        s.SerialNumber = exchange(QStringLiteral("#SerialNum?")).remove(QStringLiteral("Serial Number is: "));
        s.view.setCaption(Item::lblSerial, serialCaption(s.SerialNumber));
        s.DeviceCount = deviceCountOfSerial(s.SerialNumber);
        s.view.ShowDevices();
    }

    // The captions show each time as the modem wrote it; the stored time
    // changes only when the text is a time.
    bool readSchedule()
    {
        static constexpr std::array<Item, 3> labels{Item::lblTime0, Item::lblTime1, Item::lblTime2};
        for (int n = 1; n <= 3; ++n) {
            const QString device = QStringLiteral("P") + QString::number(n);
            const std::optional<QString> on = readText(device + QStringLiteral("ON"));
            if (!on)
                return false;
            const std::optional<QString> off = readText(device + QStringLiteral("OFF"));
            if (!off)
                return false;
            s.view.setCaption(labels[size_t(n - 1)], scheduleCaption(*on, *off));
        }
        return true;
    }

    // Whether the modem knows a data logger at all decides last whether the
    // box is shown, whatever the identification said.
    bool readLogger()
    {
        const QString r = query(QStringLiteral("Logger"));
        if (unanswered())
            return false;
        s.view.setShown(Item::chkOmbrilex, r != kError);
        if (take(r, LoggerStep).taken)
            s.view.showLogger(m_read.Logger != 0, m_read.EmailInterval);
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
        const std::optional<QString> r = readText(QStringLiteral("MODEMROLE"), RoleStep);
        if (!r)
            return false;
        s.view.showRole(*r == QLatin1String("1") ? 0 : *r == QLatin1String("2") ? 1 : 2);
        return true;
    }

    bool readSms()
    {
        const std::optional<QString> r = readText(QStringLiteral("SMSNUM"));
        if (!r)
            return false;
        s.view.setCaption(Item::lblSMS, smsCaption(*r));
        return true;
    }

    bool readBaud()
    {
        const QString r = query(QStringLiteral("BAUD"));
        if (unanswered())
            return false;
        s.view.setShown(Item::lblBaud, r != kError);
        s.view.setCaption(Item::lblBaud, baudRateCaption(take(r).text));
        return true;
    }

    bool readServer()
    {
        const std::optional<QString> host = readText(QStringLiteral("HOSTIP"));
        if (!host)
            return false;
        s.view.setCaption(Item::lblTessarinIP, *host);
        const std::optional<QString> port = readText(QStringLiteral("HSTPORTNUMBER"), PortStep);
        if (!port)
            return false;
        s.view.setCaption(Item::lblTessarinPort, tessarinPortCaption(*port));
        s.view.setCaption(Item::lblServerPort, serverPortCaption(*port));
        return true;
    }

    bool readProvider()
    {
        static constexpr std::pair<const char *, Item> kSettings[] = {
            {"APN", Item::lblAPN}, {"GPRSID", Item::lblProviderUser}, {"GPRSPass", Item::lblProviderPWD}};
        static constexpr std::array<QString (*)(const QString &), 3> kCaptions{apnCaption, providerUserCaption,
                                                                               providerPasswordCaption};
        for (size_t i = 0; i < kCaptions.size(); ++i) {
            const std::optional<QString> r = readText(QLatin1String(kSettings[i].first));
            if (!r)
                return false;
            s.view.setCaption(kSettings[i].second, kCaptions[i](*r));
        }
        return true;
    }

    // Firmware from version 3 on, and the modems the identification names,
    // keep no e-mail settings.
    bool readEmail()
    {
        if (s.firmwareNumber() >= 3 || !s.HasEmail)
            return true;
        const std::optional<QString> interval = readText(QStringLiteral("Email"), EmailStep);
        if (!interval)
            return false;
        s.view.setCaption(Item::lblEmail, emailCaption(numberValue(*interval)));
        for (const char *key : {"ESender", "ERecep", "MAILS", "XUSER"}) {
            if (!readText(QLatin1String(key)))
                return false;
        }
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

SettingReply takeSettingReply(const QString &key, const QString &reply, SetupRecord &record)
{
    SettingReply out;
    QString &r = out.text;
    r = reply;
    // A text field: the reply without the labels the firmware puts before it.
    struct Text
    {
        const char *key;
        std::array<const char *, 2> labels; // each removed, then blanks around; none for a reply taken as it is
        QString SetupRecord::*field;
    };
    static constexpr Text kTexts[] = {
        {"HOSTIP", {"HOSTIP:", "HOSTIP="}, &SetupRecord::HostIP},
        // The modem answers with one of two labels, depending on its firmware.
        {"APN", {"APN:", "APN="}, &SetupRecord::APN},
        {"GPRSID", {"GPRS ID:", "GPRSID="}, &SetupRecord::GPRSID},
        {"GPRSPass", {"GPRS Password:", "GPRSPW="}, &SetupRecord::GPRSPass},
        {"ERecep", {"the recepient is: ", nullptr}, &SetupRecord::ERecep},
        {"MAILS", {"MAILSERVER:", nullptr}, &SetupRecord::MailServer},
        {"ESender", {nullptr, nullptr}, &SetupRecord::ESender},
        {"XUSER", {nullptr, nullptr}, &SetupRecord::XUser},
    };
    for (const Text &text : kTexts) {
        if (key != QLatin1String(text.key))
            continue;
        for (const char *label : text.labels) {
            if (label)
                r = r.remove(QLatin1String(label)).trimmed();
        }
        record.*text.field = r;
        out.taken = true;
        return out;
    }
    for (size_t n = 0; n < 3; ++n) {
        const QString device = QStringLiteral("P") + QString::number(n + 1);
        double *stored = key == device + QStringLiteral("ON")    ? &record.OnTime[n]
                         : key == device + QStringLiteral("OFF") ? &record.OffTime[n]
                                                                 : nullptr;
        if (!stored)
            continue;
        r.remove(key + QLatin1Char(':'));
        if (const std::optional<double> time = parseTimeOfDay(r)) {
            *stored = *time;
            out.taken = true;
        }
        return out;
    }
    // A whole number into its field, or the overflow fault.
    const auto whole = [&out](auto &field, const QString &text) {
        if (const auto value = wholeNumber<std::remove_reference_t<decltype(field)>>(numberValue(text))) {
            field = *value;
            out.taken = true;
        } else {
            out.fault = ReplyFault::Overflow;
        }
    };
    if (key == QLatin1String("SMSNUM")) {
        record.SMSNum = r.remove(QStringLiteral("SMSNUM="));
        out.taken = true;
    } else if (key == QLatin1String("Logger")) {
        if (isNumber(r.remove(QStringLiteral("Logger="))))
            whole(record.Logger, r);
    } else if (key == QLatin1String("MODEMROLE")) {
        r = r.remove(QStringLiteral("Role=")).trimmed();
        whole(record.Role, r);
    } else if (key == QLatin1String("HSTPORTNUMBER")) {
        r = r.remove(QStringLiteral("SERVERPORT=")).trimmed();
        whole(record.HostPort, r);
    } else if (key == QLatin1String("BAUD")) {
        // Blanks would join the rate with what follows it; "_" ends the number.
        r = r.remove(QStringLiteral("The baud rate is")).trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
        r = numberText(numberValue(r));
        record.Baud = 4;
        for (qint32 index = 1; baudRateOfIndex(index) != 0; ++index) {
            if (r == QString::number(baudRateOfIndex(index)))
                record.Baud = index;
        }
        out.taken = true;
    } else if (key == QLatin1String("Email")) {
        r.remove(QStringLiteral("Email Interval:"));
        // The modem cannot send less often than once a day.
        const QString hours = numberValue(r) > 24 ? QStringLiteral("00") : r;
        record.EmailInterval = 0;
        if (!isNumber(hours))
            out.fault = ReplyFault::TypeMismatch;
        else
            whole(record.EmailInterval, hours);
    }
    return out;
}

bool ReadSetup(Session &s)
{
    s.state.setProgressRange(30);
    s.state.setProgress(0);
    s.state.setStatus(QCoreApplication::translate("ReadSetup", "Reading setup..."));
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
        s.state.setStatus(QCoreApplication::translate("ReadSetup", "Setup read finished."));
    } else {
        s.FirmwareVersion = versionBefore;
        s.SerialNumber = serialBefore;
        s.DeviceCount = devicesBefore;
        s.view.setCaption(Item::lblVersion, firmwareCaption(s.FirmwareVersion));
        s.view.setCaption(Item::lblSerial, serialCaption(s.SerialNumber));
        s.view.ShowDevices();
        // The window shows what Write would send, not what the failed read saw.
        ShowSetup(s);
        const QString &key = reader.key();
        if (lineLost(s.Comm)) {
            //: %1 is a setting key such as SMSNUM
            s.prompt.message(
                QCoreApplication::translate("ReadSetup", "Connection to the Merolan lost while reading setting: %1")
                    .arg(key));
            //: %1 is a setting key such as SMSNUM
            s.state.setStatus(
                QCoreApplication::translate("ReadSetup", "Setup read failed. Connection lost. Command: %1").arg(key));
        } else if (s.state.AbortRequested) {
            const QString aborted = QCoreApplication::translate("ReadSetup", "Setup read aborted.");
            s.prompt.message(aborted);
            s.state.setStatus(aborted);
        } else {
            //: %1 is a setting key such as SMSNUM
            s.prompt.message(QCoreApplication::translate("ReadSetup", "Error reading setup. Command: %1").arg(key));
            //: %1 is a setting key such as SMSNUM
            s.state.setStatus(QCoreApplication::translate("ReadSetup", "Setup read failed. Command: %1").arg(key));
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
    s.state.setStatus(QCoreApplication::translate("ReadSetup", "Aborting. Please wait..."));
    s.state.AbortRequested = true;
}
