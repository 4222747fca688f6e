#include "setupjson.h"

#include "scheduletime.h"
#include "setuprecord.h"

#include <QJsonArray>

static QJsonArray times(const std::array<double, 3> &dayCounts)
{
    QJsonArray texts;
    for (double t : dayCounts)
        texts.append(timeText(t));
    return texts;
}

QList<QPair<QString, QJsonValue>> setupFields(const SetupRecord &r)
{
    return {
        {QStringLiteral("Role"), r.Role},
        {QStringLiteral("Logger"), r.Logger},
        {QStringLiteral("HostIP"), r.HostIP},
        {QStringLiteral("HostPort"), r.HostPort},
        {QStringLiteral("APN"), r.APN},
        {QStringLiteral("GPRSID"), r.GPRSID},
        {QStringLiteral("GPRSPass"), r.GPRSPass},
        {QStringLiteral("SMSNum"), r.SMSNum},
        {QStringLiteral("Baud"), r.Baud},
        {QStringLiteral("ERecep"), r.ERecep},
        {QStringLiteral("ESender"), r.ESender},
        {QStringLiteral("EmailInterval"), r.EmailInterval},
        {QStringLiteral("MailServer"), r.MailServer},
        {QStringLiteral("XUser"), r.XUser},
        {QStringLiteral("XPas"), r.XPas},
        {QStringLiteral("OnTime"), times(r.OnTime)},
        {QStringLiteral("OffTime"), times(r.OffTime)},
    };
}

QJsonObject setupToJson(const SetupRecord &record)
{
    QJsonObject object;
    for (const auto &[name, value] : setupFields(record))
        object.insert(name, value);
    return object;
}
