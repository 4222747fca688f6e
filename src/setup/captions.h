#pragma once

#include <QString>

#include <array>

struct SetupRecord;

// The captions of the setup diagram. The read builds them from the modem's
// reply texts, the summary and the editors from the record; both must look
// the same, so every one of them comes from here.

// A number value as text: whole numbers without a decimal point ("9600",
// "-3"), others in the shortest form that keeps 15 significant digits.
QString numberText(double value);

// prefix + text, or, for a text longer than 16 characters, prefix + its first
// 14 characters + "...", so long provider data fit on the diagram.
QString shortCaption(const QString &prefix, const QString &text);
QString apnCaption(const QString &apn);
QString providerUserCaption(const QString &user);
QString providerPasswordCaption(const QString &password);

// The schedule caption of device 0 to 2 from the record's stored times.
QString deviceScheduleCaption(const SetupRecord &record, int device);

// "Email: per 12h", or "Email: Disabled" for an interval of 0 or below.
QString emailCaption(double hours);
// "Alarm SMS: " + number, or "Alarm SMS: Disabled" without a number.
QString smsCaption(const QString &number);
// "Baud: " + the rate of a table index; nothing after "Baud: " for an index
// outside the table, rather than a rate the modem may not have.
QString baudCaption(qint32 index);
// "Baud: " + a rate as the modem wrote it.
QString baudRateCaption(const QString &rate);
// "S/N: " + serial and "F/W: v" + version, as the modem facts show them.
QString serialCaption(const QString &serial);
QString firmwareCaption(const QString &version);
QString tessarinPortCaption(const QString &port);
QString serverPortCaption(const QString &port);

// What the diagram shows for each operating role, in the order of the role
// list (the record's Role minus 1). The texts are the English ones: shown,
// each goes through QCoreApplication::translate("Captions", text).
struct RoleCaptions
{
    const char *entry;   // the role list's text
    const char *network; // the network node
    const char *merolan; // the modem node
    const char *server;  // the far end
    const char *logger;  // the logger box
};
const std::array<RoleCaptions, 3> &roleCaptions();
