#include "changemarks.h"

#include "captions.h"
#include "settinglines.h"
#include "setuprecord.h"

namespace {

using Item = SetupView::Item;

const QString kPasswordChanged = QStringLiteral("Password changed");

QString modemHolds(const QString &value)
{
    return QStringLiteral("In the Merolan: ") + (value.isEmpty() ? QStringLiteral("(empty)") : value);
}

QString emailTip(const SetupRecord &edit, const SetupRecord &modem)
{
    QStringList held;
    if (edit.EmailInterval != modem.EmailInterval)
        held << emailCaption(modem.EmailInterval);
    const std::pair<QString SetupRecord::*, const char *> texts[] = {{&SetupRecord::ERecep, "Recipients: "},
                                                                     {&SetupRecord::ESender, "Sender: "},
                                                                     {&SetupRecord::MailServer, "SMTP server: "},
                                                                     {&SetupRecord::XUser, "UserID: "}};
    for (const auto &[field, label] : texts) {
        if (edit.*field != modem.*field)
            held << QLatin1String(label) + modem.*field;
    }
    QStringList tip;
    if (!held.isEmpty())
        tip << QStringLiteral("In the Merolan:") << held;
    if (!sameMailPassword(edit.XPas, modem.XPas))
        tip << kPasswordChanged;
    return tip.join(QLatin1Char('\n'));
}

} // namespace

QMap<Item, QString> changedLines(const SetupRecord &edit, const SetupRecord &modem)
{
    QMap<Item, QString> lines;
    const auto text = [&](Item line, QString SetupRecord::*field) {
        if (edit.*field != modem.*field)
            lines.insert(line, modemHolds(modem.*field));
    };
    text(Item::lblTessarinIP, &SetupRecord::HostIP);
    text(Item::lblAPN, &SetupRecord::APN);
    text(Item::lblProviderUser, &SetupRecord::GPRSID);
    if (edit.GPRSPass != modem.GPRSPass)
        lines.insert(Item::lblProviderPWD, kPasswordChanged);
    if (edit.HostPort != modem.HostPort) {
        // One field, shown by the client's line and by the server's.
        const QString tip = modemHolds(QString::number(modem.HostPort));
        lines.insert(Item::lblTessarinPort, tip);
        lines.insert(Item::lblServerPort, tip);
    }
    if (edit.SMSNum != modem.SMSNum)
        lines.insert(Item::lblSMS, modemHolds(modem.SMSNum.isEmpty() ? QStringLiteral("Disabled") : modem.SMSNum));
    if (edit.Baud != modem.Baud) {
        const qint32 rate = baudRateOfIndex(modem.Baud);
        lines.insert(Item::lblBaud, modemHolds(rate ? QString::number(rate) : QStringLiteral("not known")));
    }
    if (const QString tip = emailTip(edit, modem); !tip.isEmpty())
        lines.insert(Item::lblEmail, tip);
    constexpr Item times[] = {Item::lblTime0, Item::lblTime1, Item::lblTime2};
    for (int device = 0; device < 3; ++device) {
        const size_t n = size_t(device);
        if (edit.OnTime[n] != modem.OnTime[n] || edit.OffTime[n] != modem.OffTime[n])
            lines.insert(times[n], modemHolds(deviceScheduleCaption(modem, device)));
    }
    return lines;
}
