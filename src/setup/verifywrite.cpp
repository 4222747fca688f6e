#include "verifywrite.h"

#include "exchange.h"
#include "readsetup.h"
#include "session.h"
#include "settinglines.h"
#include "writesetup.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

namespace {

// The value the lines of one setting carry, as it may be shown to anyone;
// the recipients' lines join up to the list again.
QString shownValue(const QStringList &lines)
{
    QString value;
    for (const QString &line : lines)
        value += maskedSettingLine(line).section(QLatin1Char('='), 1);
    return value;
}

QString keyOf(const QString &line)
{
    return line.section(QLatin1Char('='), 0, 0);
}

QStringList linesOf(const QString &key, const QStringList &lines)
{
    QStringList of;
    for (const QString &line : lines) {
        if (keyOf(line) == key)
            of << line;
    }
    return of;
}

QString statusOf(const VerifyOutcome &v)
{
    QStringList mismatched;
    for (const VerifyOutcome::Mismatch &m : v.mismatched)
        mismatched << m.key;
    const QString keys = mismatched.join(QStringLiteral(", "));
    const QString unconfirmed = v.notConfirmed.join(QStringLiteral(", "));
    if (keys.isEmpty() && unconfirmed.isEmpty())
        return QCoreApplication::translate("VerifyWrite", "Setup verify finished.");
    if (unconfirmed.isEmpty())
        //: %1 is a list of setting keys, such as APN, SMSNUM
        return QCoreApplication::translate("VerifyWrite", "Setup verify failed. Mismatch: %1").arg(keys);
    if (keys.isEmpty())
        //: %1 is a list of setting keys, such as APN, SMSNUM
        return QCoreApplication::translate("VerifyWrite", "Setup verify incomplete. Not confirmed: %1")
            .arg(unconfirmed);
    //: %1 and %2 are lists of setting keys, such as APN, SMSNUM
    return QCoreApplication::translate("VerifyWrite", "Setup verify failed. Mismatch: %1. Not confirmed: %2")
        .arg(keys, unconfirmed);
}

} // namespace

QString VerifyOutcome::Mismatch::text() const
{
    //: %1 is a setting key, %2 the value sent, %3 the value the modem holds
    return QCoreApplication::translate("VerifyWrite", "%1: sent %2, the Merolan reports %3").arg(key, sent, reported);
}

VerifyOutcome VerifyWrite(Session &s)
{
    QStringList keys;
    for (const QString &line : s.LastWrite.accepted) {
        if (!keys.contains(keyOf(line)))
            keys << keyOf(line);
    }
    s.state.setProgressRange(int(keys.size()));
    s.state.setProgress(0);
    s.state.setStatus(QCoreApplication::translate("VerifyWrite", "Verifying setup..."));
    const QScopedValueRollback writing(s.state.Writing, true);
    s.Stoppable = Session::Operation::Write;
    s.view.setCaption(SetupView::Item::cmdWrite, QCoreApplication::translate("VerifyWrite", "STOP Verifying setup..."));

    VerifyOutcome v;
    for (const QString &key : keys) {
        // The modem stores its mail password but never tells it.
        if (key == QLatin1String("XPAS")) {
            v.notVerifiable << key;
            continue;
        }
        const QString reply = GetResponse(s.Comm, s.state, QLatin1Char('#') + key + QLatin1Char('?'));
        SetupRecord reported = s.EditSetup;
        if (exchangeEnd(s.Comm, s.state, reply) != ExchangeEnd::Answered
            || !takeSettingReply(key, reply, reported).taken) {
            v.notConfirmed << key;
            continue;
        }
        // Compared as lines, so that a value the modem keeps in another form
        // (a rate for its index, recipients without empty parts) still matches.
        const QStringList sent = linesOf(key, s.LastWrite.accepted);
        const QStringList held = linesOf(key, settingLines(reported, {}, true, s.firmwareNumber()));
        if (held == sent) {
            v.verified << key;
            continue;
        }
        v.mismatched.append({key, shownValue(sent), shownValue(held)});
        for (const QString &line : held)
            acceptSettingLine(line, reported, s.ModemSetup);
    }

    s.state.setStatus(statusOf(v));
    s.state.AbortRequested = false;
    s.Stoppable = Session::Operation::None;
    s.view.setCaption(SetupView::Item::cmdWrite, writeCaption());
    s.HasChanges();
    return v;
}
