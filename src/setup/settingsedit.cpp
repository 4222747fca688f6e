#include "settingsedit.h"

#include "captions.h"
#include "numbervalue.h"
#include "setuprecord.h"

#include <QCoreApplication>

using Item = SetupView::Item;

namespace {

constexpr qint32 kDefaultHostPort = 1023;
constexpr qint32 kDefaultBaudEntry = 4;      // 9600
constexpr qint16 kLongestEmailInterval = 24; // hours

} // namespace

std::optional<QString> cutToLimit(const QString &text, int limit)
{
    if (text.size() <= limit)
        return std::nullopt;
    return text.left(limit);
}

std::optional<QString> cutRecipients(const QString &text)
{
    if (text.size() - text.count(QLatin1Char('\n')) <= kRecipientsLimit)
        return std::nullopt;
    return text.left(kRecipientsLimit);
}

QStringList emailIntervalList()
{
    // An entry's value is the number it starts with (none for the first): the
    // translations keep the number in front.
    static constexpr const char *kEntries[] = {
        //: The first choice of the e-mail interval; it must not start with a digit
        QT_TRANSLATE_NOOP("SettingsEdit", "Email Disabled"),
        //: An e-mail interval, like those after it; the number must stay in front
        QT_TRANSLATE_NOOP("SettingsEdit", "1 hour"),
        QT_TRANSLATE_NOOP("SettingsEdit", "2 hours"),
        QT_TRANSLATE_NOOP("SettingsEdit", "3 hours"),
        QT_TRANSLATE_NOOP("SettingsEdit", "4 hours"),
        QT_TRANSLATE_NOOP("SettingsEdit", "6 hours"),
        QT_TRANSLATE_NOOP("SettingsEdit", "8 hours"),
        QT_TRANSLATE_NOOP("SettingsEdit", "12 hours"),
        QT_TRANSLATE_NOOP("SettingsEdit", "24 hours"),
    };
    QStringList entries;
    for (const char *entry : kEntries)
        entries << QCoreApplication::translate("SettingsEdit", entry);
    return entries;
}

std::optional<qint16> emailIntervalOfText(const QString &text)
{
    const std::optional<qint16> hours = wholeNumber<qint16>(numberValue(text));
    if (!hours || *hours < 0 || *hours > kLongestEmailInterval)
        return std::nullopt;
    return hours;
}

QString recipientsOnScreen(const QString &stored)
{
    return QString(stored).replace(QLatin1Char(','), QLatin1Char(';'));
}

QString storedRecipients(const QString &onScreen)
{
    QString text = onScreen;
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char(' '));
    while (text.endsWith(QLatin1Char(';')))
        text.chop(1);
    return text.replace(QLatin1Char(';'), QLatin1Char(','));
}

bool isAcceptableAddress(const QString &text)
{
    return text.indexOf(QLatin1Char('@')) >= 1;
}

EmailCheck checkEmail(const EmailBoxes &boxes, qint16 role, const QStringList &loginServers, bool apnConfirmed)
{
    if (loginServers.contains(boxes.smtp) && (boxes.user.isEmpty() || boxes.password.isEmpty()))
        return EmailCheck::LoginMissing;
    if (boxes.apn.trimmed().isEmpty() && role < 3 && !apnConfirmed)
        return EmailCheck::EmptyApn;
    if (boxes.interval.isEmpty())
        return EmailCheck::NoInterval;
    // A negative interval or one beyond 16 bits would go to the modem as it is.
    if (!emailIntervalOfText(boxes.interval))
        return EmailCheck::BadInterval;
    if (!isAcceptableAddress(boxes.recipients))
        return EmailCheck::BadRecipient;
    if (!isAcceptableAddress(boxes.sender))
        return EmailCheck::BadSender;
    return EmailCheck::Passed;
}

QString emailCheckText(EmailCheck check)
{
    switch (check) {
    case EmailCheck::Passed: break;
    case EmailCheck::LoginMissing:
        return QCoreApplication::translate(
            "SettingsEdit", "This mail server requires the Password and User fields for email authentication!");
    case EmailCheck::EmptyApn:
        return QCoreApplication::translate("SettingsEdit", "WARNING: APN field is empty\nDo you want to proceed?");
    case EmailCheck::NoInterval: return QCoreApplication::translate("SettingsEdit", "No email interval was selected!");
    case EmailCheck::BadInterval:
        return QCoreApplication::translate("SettingsEdit", "Email interval is not acceptable!");
    case EmailCheck::BadRecipient:
        return QCoreApplication::translate("SettingsEdit", "Email recipient is not acceptable!");
    case EmailCheck::BadSender: return QCoreApplication::translate("SettingsEdit", "Email sender is not acceptable!");
    }
    return {};
}

EmailBoxes emailBoxesOf(const SetupRecord &r)
{
    return {r.EmailInterval == 0 ? emailIntervalList().first() : QString::number(r.EmailInterval),
            recipientsOnScreen(r.ERecep),
            r.ESender,
            r.MailServer,
            r.XUser,
            r.XUser.isEmpty() ? QString() : QString::fromLatin1(kPasswordPlaceholder),
            r.APN,
            r.GPRSID,
            r.GPRSPass};
}

void storeEmail(const EmailBoxes &loaded, const EmailBoxes &boxes, SetupRecord &record)
{
    const auto store = [&](QString EmailBoxes::*box, QString SetupRecord::*field) {
        if (boxes.*box != loaded.*box)
            record.*field = (boxes.*box).trimmed();
    };
    if (boxes.recipients != loaded.recipients)
        record.ERecep = storedRecipients(boxes.recipients);
    store(&EmailBoxes::password, &SetupRecord::XPas);
    store(&EmailBoxes::user, &SetupRecord::XUser);
    store(&EmailBoxes::smtp, &SetupRecord::MailServer);
    store(&EmailBoxes::sender, &SetupRecord::ESender);
    if (boxes.interval != loaded.interval)
        record.EmailInterval = emailIntervalOfText(boxes.interval).value_or(0);
    store(&EmailBoxes::apn, &SetupRecord::APN);
    store(&EmailBoxes::gprsUser, &SetupRecord::GPRSID);
    store(&EmailBoxes::gprsPassword, &SetupRecord::GPRSPass);
}

CaptionList emailCaptions(const EmailBoxes &loaded, const EmailBoxes &boxes)
{
    CaptionList captions;
    if (boxes.interval != loaded.interval)
        captions.append({Item::lblEmail, emailCaption(emailIntervalOfText(boxes.interval).value_or(0))});
    if (boxes.apn != loaded.apn)
        captions.append({Item::lblAPN, apnCaption(boxes.apn)});
    if (boxes.gprsUser != loaded.gprsUser)
        captions.append({Item::lblProviderUser, providerUserCaption(boxes.gprsUser)});
    if (boxes.gprsPassword != loaded.gprsPassword)
        captions.append({Item::lblProviderPWD, providerPasswordCaption(boxes.gprsPassword)});
    return captions;
}

QString gprsRefusal(const QString &apn)
{
    return apn.trimmed().isEmpty() ? QCoreApplication::translate("SettingsEdit", "APN field may not be empty")
                                   : QString();
}

void storeGprs(const QString &apn, const QString &user, const QString &password, SetupRecord &record)
{
    // The boxes open on the stored texts: one that still holds its own is
    // left as it is stored, blanks and all.
    const auto store = [](const QString &text, QString &field) {
        if (text != field)
            field = text.trimmed();
    };
    store(apn, record.APN);
    store(user, record.GPRSID);
    store(password, record.GPRSPass);
}

CaptionList gprsCaptions(const QString &apn, const QString &user, const QString &password)
{
    return {{Item::lblAPN, apnCaption(apn)},
            {Item::lblProviderUser, providerUserCaption(user.trimmed())},
            {Item::lblProviderPWD, providerPasswordCaption(password.trimmed())}};
}

void applyServerDefaults(SetupRecord &record, const QString &defaultHost)
{
    if (record.HostIP.isEmpty())
        record.HostIP = defaultHost;
    if (record.HostPort == 0)
        record.HostPort = kDefaultHostPort;
}

QString portBoxText(const QString &text)
{
    return isNumber(text) ? text : QString();
}

std::optional<qint32> hostPortOfText(const QString &text)
{
    if (!isNumber(text))
        return std::nullopt;
    const std::optional<qint32> port = wholeNumber<qint32>(numberValue(text));
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return port;
}

CaptionList serverCaptions(const QString &address, qint32 port)
{
    const QString number = QString::number(port);
    return {{Item::lblTessarinIP, address},
            {Item::lblTessarinPort, tessarinPortCaption(number)},
            {Item::lblServerPort, serverPortCaption(number)}};
}

bool offers115200(const QString &firmwareVersion)
{
    return firmwareVersion.compare(QStringLiteral("2.0.1")) >= 0;
}

QStringList baudList(const QString &firmwareVersion)
{
    QStringList rates;
    for (qint32 entry = 1; entry <= 6; ++entry)
        rates << QString::number(baudRateOfIndex(entry));
    if (offers115200(firmwareVersion))
        rates << QString::number(baudRateOfIndex(7));
    return rates;
}

void applyBaudDefault(SetupRecord &record)
{
    if (record.Baud == 0)
        record.Baud = kDefaultBaudEntry;
}
