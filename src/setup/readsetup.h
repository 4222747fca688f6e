#pragma once

#include <QString>

class Session;
struct SetupRecord;

// Reads the modem's identity and whole setup into ModemSetup, filling the
// window's captions from the replies as it goes; on success EditSetup becomes
// a copy. Needs a logged-in modem. True when the whole setup was read.
bool ReadSetup(Session &session);

// The refresh button: searches and logs in, then reads; while a read runs, the
// same button (captioned "STOP Refreshing setup...") asks it to stop.
void RefreshClicked(Session &session);

// Why a number in a reply could not be taken, as the read reports it.
enum class ReplyFault { None, Overflow, TypeMismatch };

struct SettingReply
{
    QString text;       // the value without its labels, as the captions show it
    bool taken = false; // the setting's field now holds the reply's value
    ReplyFault fault = ReplyFault::None;
};

// The answer to "#" + key + "?" (key as the modem knows it: "P1ON", "SMSNUM",
// "BAUD" ...) taken into the setting's field of record the way the read takes
// it; neither "ERROR" nor silence is judged here.
SettingReply takeSettingReply(const QString &key, const QString &reply, SetupRecord &record);
