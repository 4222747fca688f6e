#include "changemarks.h"

#include "captions.h"
#include "settinglines.h"
#include "setuprecord.h"

#include <QCoreApplication>

namespace {

using Item = SetupView::Item;

QString passwordChanged()
{
    return QCoreApplication::translate("ChangeMarks", "Password changed");
}

QString modemHolds(const QString &value)
{
    //: %1 is the value the modem holds, or "(empty)"
    return QCoreApplication::translate("ChangeMarks", "In the Merolan: %1")
        .arg(value.isEmpty() ? QCoreApplication::translate("ChangeMarks", "(empty)") : value);
}

QString emailTip(const SetupRecord &edit, const SetupRecord &modem)
{
    QStringList held;
    if (edit.EmailInterval != modem.EmailInterval)
        held << emailCaption(modem.EmailInterval);
    const std::pair<QString SetupRecord::*, const char *> texts[] = {
        //: %1 is the value the modem holds, here and in the three lines after this one
        {&SetupRecord::ERecep, QT_TRANSLATE_NOOP("ChangeMarks", "Recipients: %1")},
        {&SetupRecord::ESender, QT_TRANSLATE_NOOP("ChangeMarks", "Sender: %1")},
        {&SetupRecord::MailServer, QT_TRANSLATE_NOOP("ChangeMarks", "SMTP server: %1")},
        {&SetupRecord::XUser, QT_TRANSLATE_NOOP("ChangeMarks", "UserID: %1")}};
    for (const auto &[field, label] : texts) {
        if (edit.*field != modem.*field)
            held << QCoreApplication::translate("ChangeMarks", label).arg(modem.*field);
    }
    QStringList tip;
    if (!held.isEmpty())
        tip << QCoreApplication::translate("ChangeMarks", "In the Merolan:") << held;
    if (!sameMailPassword(edit.XPas, modem.XPas))
        tip << passwordChanged();
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
        lines.insert(Item::lblProviderPWD, passwordChanged());
    if (edit.HostPort != modem.HostPort) {
        // One field, shown by the client's line and by the server's.
        const QString tip = modemHolds(QString::number(modem.HostPort));
        lines.insert(Item::lblTessarinPort, tip);
        lines.insert(Item::lblServerPort, tip);
    }
    if (edit.SMSNum != modem.SMSNum)
        //: The alarm SMS, when the modem holds no number for it
        lines.insert(
            Item::lblSMS,
            modemHolds(modem.SMSNum.isEmpty() ? QCoreApplication::translate("ChangeMarks", "Disabled") : modem.SMSNum));
    if (edit.Baud != modem.Baud) {
        const qint32 rate = baudRateOfIndex(modem.Baud);
        //: The baud rate, when the modem holds none the program knows
        lines.insert(Item::lblBaud, modemHolds(rate ? QString::number(rate)
                                                    : QCoreApplication::translate("ChangeMarks", "not known")));
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
