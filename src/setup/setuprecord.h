#pragma once

#include <QString>
#include <array>

// Every modem setting the programmer reads, edits, writes and stores, in the
// order of the setup file. Texts hold one character per byte (Latin-1).
struct SetupRecord
{
    qint16 Role = 0;   // 1 client of the Tessarin service, 2 GPRS server, 3 data calls
    qint16 Logger = 0; // 1 with an Ombrilex data logger
    QString HostIP;
    qint32 HostPort = 0;
    QString APN;
    QString GPRSID;
    QString GPRSPass;
    QString SMSNum;
    qint32 Baud = 0; // index into the rate table, 0 not known
    QString ERecep;
    QString ESender;
    qint16 EmailInterval = 0; // hours, 0 off
    QString MailServer;
    QString XUser;
    QString XPas;
    // Day counts since 30 December 1899; schedule times use the fraction only.
    std::array<double, 3> OnTime{};
    std::array<double, 3> OffTime{};

    // Field by field, but two mail passwords of asterisks only are the same
    // placeholder, whatever their length: neither is ever sent, so neither
    // changes what the modem holds.
    bool operator==(const SetupRecord &other) const;
};

// The modem's serial rates by index 1 to 7; 0 for an index outside the table.
qint32 baudRateOfIndex(qint32 index);
// The index of a rate in the table, 0 when the rate is not in it.
qint32 baudIndexOfRate(qint32 rate);
