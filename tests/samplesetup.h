#pragma once

#include "setuprecord.h"

#include <QStringList>

// The one setup the tests share: every field holds a value no other field
// holds, so a field taken for its neighbour shows. Its schedule: device 1
// 06:00-18:00, device 2 07:30-19:30, device 3 09:00-21:00.
inline SetupRecord sampleSetup()
{
    return SetupRecord{
        .Role = 2,
        .Logger = 1,
        .HostIP = QStringLiteral("10.1.2.3"),
        .HostPort = 4001,
        .APN = QStringLiteral("apn.sample"),
        .GPRSID = QStringLiteral("gprs-user"),
        .GPRSPass = QStringLiteral("gprs-pass"),
        .SMSNum = QStringLiteral("+306912345678"),
        .Baud = 5, // 19200
        .ERecep = QStringLiteral("alarm@site.example"),
        .ESender = QStringLiteral("modem@site.example"),
        .EmailInterval = 12,
        .MailServer = QStringLiteral("smtp.site.example"),
        .XUser = QStringLiteral("mail-user"),
        .XPas = QStringLiteral("mail-pass"),
        .OnTime = {0.25, 0.3125, 0.375},
        .OffTime = {0.75, 0.8125, 0.875},
    };
}

// What a read asks a 2.15 modem, in this order; the last five are the e-mail
// settings, which only firmware below 3 keeps.
inline const QStringList kReadQueries{
    "#Version?", "#TIME?",   "#BAT?",      "#SerialNum?", "#P1ON?",    "#P1OFF?",  "#P2ON?",   "#P2OFF?",
    "#P3ON?",    "#P3OFF?",  "#Logger?",   "#MODEMROLE?", "#SMSNUM?",  "#BAUD?",   "#HOSTIP?", "#HSTPORTNUMBER?",
    "#APN?",     "#GPRSID?", "#GPRSPass?", "#Email?",     "#ESender?", "#ERecep?", "#MAILS?",  "#XUSER?"};
