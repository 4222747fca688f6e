#include "setupjson.h"

#include "modemrules.h"
#include "scheduletime.h"
#include "setupfile.h"
#include "setuprecord.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <variant>

namespace {

using Times = std::array<double, 3>;
using Member = std::variant<qint16 SetupRecord::*, qint32 SetupRecord::*, QString SetupRecord::*, Times SetupRecord::*>;

struct Field
{
    const char *name;
    Member member;
};

// Record order, as the .mrl file holds them.
const Field kFields[] = {
    {"Role", &SetupRecord::Role},
    {"Logger", &SetupRecord::Logger},
    {"HostIP", &SetupRecord::HostIP},
    {"HostPort", &SetupRecord::HostPort},
    {"APN", &SetupRecord::APN},
    {"GPRSID", &SetupRecord::GPRSID},
    {"GPRSPass", &SetupRecord::GPRSPass},
    {"SMSNum", &SetupRecord::SMSNum},
    {"Baud", &SetupRecord::Baud},
    {"ERecep", &SetupRecord::ERecep},
    {"ESender", &SetupRecord::ESender},
    {"EmailInterval", &SetupRecord::EmailInterval},
    {"MailServer", &SetupRecord::MailServer},
    {"XUser", &SetupRecord::XUser},
    {"XPas", &SetupRecord::XPas},
    {"OnTime", &SetupRecord::OnTime},
    {"OffTime", &SetupRecord::OffTime},
};

bool isBaud(const Field &field)
{
    const auto *number = std::get_if<qint32 SetupRecord::*>(&field.member);
    return number && *number == &SetupRecord::Baud;
}

const Field *fieldNamed(const QString &name)
{
    for (const Field &field : kFields) {
        if (name == QLatin1String(field.name))
            return &field;
    }
    return nullptr;
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString unknownField(const QString &name)
{
    //: %1 is a name found in the file where a field's name should be
    return QCoreApplication::translate("SetupJson", "Unknown field %1").arg(name);
}

// Only "hh:nn": a time with seconds would not come back from the JSON form as it went.
std::optional<double> jsonTime(const QJsonValue &value)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{2}:[0-9]{2}$"));
    if (!value.isString() || !pattern.match(value.toString()).hasMatch())
        return std::nullopt;
    return parseTimeOfDay(value.toString());
}

bool readTime(const QString &name, size_t device, const QJsonValue &value, Times &times, QString *error)
{
    const std::optional<double> time = jsonTime(value);
    if (!time)
        //: %1 is a field, OnTime or OffTime; %2 the device's number; hh:nn is the form of a time
        return fail(error, QCoreApplication::translate("SetupJson", "%1 of device %2 is not a time \"hh:nn\"")
                               .arg(name)
                               .arg(device + 1));
    times[device] = *time;
    return true;
}

template <typename T>
bool readNumber(const QString &name, const QJsonValue &value, T &number, QString *error)
{
    constexpr T low = std::numeric_limits<T>::min();
    constexpr T high = std::numeric_limits<T>::max();
    const double d = value.toDouble();
    if (!value.isDouble() || d != std::trunc(d) || d < double(low) || d > double(high))
        //: %1 is a field, such as HostPort
        return fail(error, QCoreApplication::translate("SetupJson", "%1 must be a whole number from %2 to %3")
                               .arg(name)
                               .arg(low)
                               .arg(high));
    number = T(d);
    return true;
}

bool readMember(const Field &field, const QJsonValue &value, SetupRecord &r, QString *error)
{
    const QString name = QLatin1String(field.name);
    if (isBaud(field)) {
        qint32 rate = 0;
        if (!readNumber(name, value, rate, error))
            return false;
        if (rate != 0 && baudIndexOfRate(rate) == 0)
            //: %1 is a number; %2 a list of rates, such as 1200, 2400
            return fail(error, QCoreApplication::translate(
                                   "SetupJson", "Baud %1 is not a rate of the Merolan: it must be 0 or one of %2")
                                   .arg(rate)
                                   .arg(baudRateTexts().join(u", ")));
        r.Baud = baudIndexOfRate(rate);
        return true;
    }
    if (const auto *m = std::get_if<qint16 SetupRecord::*>(&field.member))
        return readNumber(name, value, r.*(*m), error);
    if (const auto *m = std::get_if<qint32 SetupRecord::*>(&field.member))
        return readNumber(name, value, r.*(*m), error);
    if (const auto *m = std::get_if<QString SetupRecord::*>(&field.member)) {
        if (!value.isString())
            //: %1 is a field, such as APN
            return fail(error, QCoreApplication::translate("SetupJson", "%1 must be a text").arg(name));
        r.*(*m) = value.toString();
        return true;
    }
    Times &times = r.*std::get<Times SetupRecord::*>(field.member);
    const QJsonArray items = value.toArray();
    if (!value.isArray() || items.size() != 3)
        //: %1 is a field, OnTime or OffTime; hh:nn is the form of a time
        return fail(
            error,
            QCoreApplication::translate("SetupJson", "%1 must be three times \"hh:nn\", devices 1 to 3").arg(name));
    for (size_t n = 0; n < times.size(); ++n) {
        if (!readTime(name, n, items.at(qsizetype(n)), times, error))
            return false;
    }
    return true;
}

QJsonValue memberValue(const Field &field, const SetupRecord &r)
{
    if (isBaud(field))
        return baudRateOfIndex(r.Baud);
    if (const auto *m = std::get_if<qint16 SetupRecord::*>(&field.member))
        return r.*(*m);
    if (const auto *m = std::get_if<qint32 SetupRecord::*>(&field.member))
        return r.*(*m);
    if (const auto *m = std::get_if<QString SetupRecord::*>(&field.member))
        return r.*(*m);
    QJsonArray texts;
    for (const double t : r.*std::get<Times SetupRecord::*>(field.member))
        texts.append(timeText(t));
    return texts;
}

} // namespace

QList<QPair<QString, QJsonValue>> setupFields(const SetupRecord &record)
{
    QList<QPair<QString, QJsonValue>> fields;
    for (const Field &field : kFields)
        fields.append({QLatin1String(field.name), memberValue(field, record)});
    return fields;
}

QJsonObject setupToJson(const SetupRecord &record)
{
    QJsonObject object;
    for (const auto &[name, value] : setupFields(record))
        object.insert(name, value);
    return object;
}

QByteArray encodeSetupJson(const SetupRecord &record, QString *error)
{
    if (encodeSetup(record, error).isEmpty())
        return {};
    if (record.Baud != 0 && baudRateOfIndex(record.Baud) == 0) {
        //: %1 is the number the file stores for the rate
        fail(error, QCoreApplication::translate(
                        "SetupJson", "Baud index %1 is no rate of the Merolan, which the JSON form cannot name")
                        .arg(record.Baud));
        return {};
    }
    for (const auto &[name, times] : {std::pair{"OnTime", &record.OnTime}, {"OffTime", &record.OffTime}}) {
        for (size_t n = 0; n < times->size(); ++n) {
            const double t = (*times)[n];
            if (parseTimeOfDay(timeText(t)) != t) {
                //: %1 is a field, OnTime or OffTime; %2 the device's number; hh:nn is the form of a time
                fail(error, QCoreApplication::translate(
                                "SetupJson", "%1 of device %2 holds more than \"hh:nn\" can (seconds or a date)")
                                .arg(QLatin1String(name))
                                .arg(n + 1));
                return {};
            }
        }
    }
    return QJsonDocument(setupToJson(record)).toJson();
}

std::optional<SetupRecord> setupFromJson(const QJsonObject &object, QString *error)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!fieldNamed(it.key())) {
            fail(error, unknownField(it.key()));
            return std::nullopt;
        }
    }
    SetupRecord record;
    for (const Field &field : kFields) {
        const QJsonValue value = object.value(QLatin1String(field.name));
        if (!value.isUndefined() && !readMember(field, value, record, error))
            return std::nullopt;
    }
    // The texts the .mrl file holds, so that either form takes the other's setups.
    if (encodeSetup(record, error).isEmpty())
        return std::nullopt;
    return record;
}

std::optional<SetupRecord> setupFromJson(const QByteArray &bytes, QString *error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        //: %1 is the parser's own description of the fault
        fail(error, QCoreApplication::translate("SetupJson", "The JSON setup is not valid JSON: %1 (at byte %2)")
                        .arg(parseError.errorString(), QString::number(parseError.offset)));
        return std::nullopt;
    }
    if (!document.isObject()) {
        fail(error, QCoreApplication::translate("SetupJson", "The JSON setup is not an object"));
        return std::nullopt;
    }
    return setupFromJson(document.object(), error);
}

bool assignSetupField(SetupRecord &record, const QString &assignment, QString *error)
{
    const QString name = assignment.section(QLatin1Char('='), 0, 0);
    const QString text = assignment.section(QLatin1Char('='), 1);
    // One device's time: "OnTime.2".
    static const QRegularExpression device(QStringLiteral("^(OnTime|OffTime)\\.([1-3])$"));
    if (const QRegularExpressionMatch match = device.match(name); match.hasMatch()) {
        Times &times = match.captured(1) == QLatin1String("OnTime") ? record.OnTime : record.OffTime;
        return readTime(match.captured(1), size_t(match.captured(2).toInt() - 1), text, times, error);
    }
    const Field *field = fieldNamed(name);
    if (!field)
        return fail(error, unknownField(name));
    QJsonValue value = text;
    if (std::holds_alternative<Times SetupRecord::*>(field->member)) {
        value = QJsonArray::fromStringList(text.split(QLatin1Char(',')));
    } else if (!std::holds_alternative<QString SetupRecord::*>(field->member)) {
        // Anything but a whole number stays a text, which the field refuses by name.
        bool whole = false;
        const qlonglong number = text.toLongLong(&whole);
        if (whole)
            value = number;
    }
    return readMember(*field, value, record, error);
}
