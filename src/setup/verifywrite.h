#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Session;

// What the modem reports of each setting the last write sent, by the key the
// modem knows it under ("SMSNUM", "P2ON" ...), in the order they were sent.
struct VerifyOutcome
{
    struct Mismatch
    {
        QString key;
        QString sent; // values as the setting lines carry them, passwords as "***"
        QString reported;
        // "SMSNUM: sent +306900000001, the Merolan reports +306800000001"
        QString text() const;
    };

    QStringList verified;
    QList<Mismatch> mismatched;
    QStringList notVerifiable; // the modem never reports them (the mail password)
    QStringList notConfirmed;  // the query was refused, never answered, or held no value
};

// After a whole write: queries each setting of its accepted lines and
// compares the answer, taken as the read takes it, with what was sent. A
// mismatch leaves ModemSetup holding what the modem reports, so the change
// marks show the setting and the next write sends it again. The write button
// is the STOP button meanwhile; a STOP leaves the rest not confirmed.
VerifyOutcome VerifyWrite(Session &session);
