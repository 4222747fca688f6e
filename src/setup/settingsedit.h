#pragma once

#include "session.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The rules of the settings dialogs (e-mail, GPRS, server, baud rate): how
// their boxes correct themselves, what OK checks and in which order, and what
// it stores. The dialogs only show them.

// A caption of the main window that a dialog's OK sets.
struct Caption
{
    SetupView::Item item;
    QString text;
    bool operator==(const Caption &) const = default;
};
using CaptionList = QList<Caption>;

// The longest texts the boxes take.
constexpr int kMailTextLimit = 40; // sender, SMTP server, SMTP user and password
constexpr int kApnLimit = 32;
constexpr int kGprsLoginLimit = 16; // GPRS user and password
constexpr int kRecipientsLimit = 89;

// A box's text cut to its limit; no value when it fits (and nothing beeps).
std::optional<QString> cutToLimit(const QString &text, int limit);
// The recipients box: once its text without line feeds holds 90 characters or
// more, its first 89 characters, line feeds among them; no value when it fits.
std::optional<QString> cutRecipients(const QString &text);

// E-mail

// The interval list of the e-mail dialog, "Email Disabled" first.
QStringList emailIntervalList();
// The interval a combo text stands for: its leading number rounded to whole
// hours, halves to even ("Email Disabled" and texts without a number are 0).
// No value when it is not 0 to 24 hours, all the modem keeps.
std::optional<qint16> emailIntervalOfText(const QString &text);
// Recipients as the box shows them, ";" between them, and as the record keeps
// them: line breaks and spaces removed, trailing ";" dropped, "," between.
QString recipientsOnScreen(const QString &stored);
QString storedRecipients(const QString &onScreen);
// An address has an "@" after its first character.
bool isAcceptableAddress(const QString &text);
// Shown in the SMTP password box for a stored password, which is never shown.
// A password of asterisks only is never sent to the modem.
inline constexpr char kPasswordPlaceholder[] = "********";

// The e-mail dialog's boxes as they read.
struct EmailBoxes
{
    QString interval; // the combo's text
    QString recipients;
    QString sender;
    QString smtp;
    QString user;
    QString password;
    QString apn;
    QString gprsUser;
    QString gprsPassword;
};

enum class EmailCheck {
    Passed,
    LoginMissing, // the mail server wants a user and password
    EmptyApn,     // a question: the user may go on
    NoInterval,
    BadInterval,
    BadRecipient,
    BadSender,
};
// What the e-mail dialog shows for a record: the interval as a number, or
// "Email Disabled" for 0; the password placeholder when there is a user.
EmailBoxes emailBoxesOf(const SetupRecord &record);

// The first of OK's checks that fails, in order; EmptyApn only while the user
// has not confirmed an empty APN (role below 3). loginServers: mail servers
// that want the SMTP user and password.
EmailCheck checkEmail(const EmailBoxes &boxes, qint16 role, const QStringList &loginServers, bool apnConfirmed);
// The message of a failed check; for EmptyApn, the question.
QString emailCheckText(EmailCheck check);
// What OK stores from boxes that passed: the e-mail and GPRS field of each
// box that the user changed from what it showed (loaded). A box left as it
// was keeps its field as stored, the mail password's placeholder among them.
void storeEmail(const EmailBoxes &loaded, const EmailBoxes &boxes, SetupRecord &record);
// The captions OK sets for the boxes the user changed: lblEmail from the
// stored interval, and the APN, user and password lines from the SIM boxes as
// typed.
CaptionList emailCaptions(const EmailBoxes &loaded, const EmailBoxes &boxes);

// GPRS

// "APN field may not be empty" for an APN of blanks only, else empty.
QString gprsRefusal(const QString &apn);
// What OK stores: each text that is not the record's own, without
// surrounding blanks.
void storeGprs(const QString &apn, const QString &user, const QString &password, SetupRecord &record);
// The APN line keeps the APN's blanks, the user and password lines do not.
CaptionList gprsCaptions(const QString &apn, const QString &user, const QString &password);

// Server

// Opening the server dialog fills what the record lacks: an empty host gets
// the default host, a port of 0 gets 1023.
void applyServerDefaults(SetupRecord &record, const QString &defaultHost);
// The port box after a change: a text that is not a number is cleared.
QString portBoxText(const QString &text);
// The port a box text stands for, rounded halves to even; no value when it is
// not a number or not 1 to 65535 ("Wrong Host Port Number!").
std::optional<qint32> hostPortOfText(const QString &text);
// lblTessarinIP (the address as typed), lblTessarinPort and lblServerPort
// (the port stored, so "1023.5" shows as the 1024 that is sent).
CaptionList serverCaptions(const QString &address, qint32 port);

// Baud rate

// 115200 is offered when the firmware version text is at or above "2.0.1"
// compared character by character.
bool offers115200(const QString &firmwareVersion);
// The rate list, entry 1 first: "1200" to "38400", then "115200" when offered.
QStringList baudList(const QString &firmwareVersion);
// Opening the baud dialog on a record without a rate stores 9600 (entry 4).
void applyBaudDefault(SetupRecord &record);
