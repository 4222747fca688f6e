#include "verifywrite.h"

#include "exchange.h"
#include "readsetup.h"
#include "session.h"
#include "settinglines.h"

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
    QString status = QStringLiteral("Setup verify finished.");
    if (!mismatched.isEmpty())
        status = QStringLiteral("Setup verify failed. Mismatch: ") + mismatched.join(QStringLiteral(", "));
    if (!v.notConfirmed.isEmpty())
        status = (mismatched.isEmpty() ? QStringLiteral("Setup verify incomplete.") : status + QLatin1Char('.'))
                 + QStringLiteral(" Not confirmed: ") + v.notConfirmed.join(QStringLiteral(", "));
    return status;
}

} // namespace

QString VerifyOutcome::Mismatch::text() const
{
    return QStringLiteral("%1: sent %2, the Merolan reports %3").arg(key, sent, reported);
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
    s.state.setStatus(QStringLiteral("Verifying setup..."));
    const QScopedValueRollback writing(s.state.Writing, true);
    s.Stoppable = Session::Operation::Write;
    s.view.setCaption(SetupView::Item::cmdWrite, QStringLiteral("STOP Verifying setup..."));

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
    s.view.setCaption(SetupView::Item::cmdWrite, QStringLiteral("Write setup to Merolan"));
    s.HasChanges();
    return v;
}
