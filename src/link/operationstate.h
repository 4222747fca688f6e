#pragma once

#include <QObject>
#include <QString>

class UserPrompt;

// What the modem operations share with the window that runs them: the flags
// that keep overlapping handlers apart, the progress bar and the status text.
// The window owns one; a headless caller owns its own.
class OperationState : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool Busy = false;
    bool Reading = false;
    bool Writing = false;
    bool AbortRequested = false;
    // The last exchange ended without the modem's final line: it timed out or
    // the line dropped. Its empty reply is then no value.
    bool ReplyMissing = false;

    bool anyRunning() const { return Busy || Reading || Writing; }

    void setProgressRange(int maximum);
    void setProgress(int value);
    // One step further; stays at the maximum instead of passing it.
    void advanceProgress();
    int progress() const { return m_value; }
    int progressMaximum() const { return m_maximum; }

    void setStatus(const QString &text);
    QString status() const { return m_status; }

signals:
    void progressChanged(int value, int maximum);
    void statusChanged(const QString &text);

private:
    int m_value = 0;
    int m_maximum = 100;
    QString m_status;
};

// A click that would start an operation inside another is refused with a beep.
// True when refused.
bool refusedWhileRunning(const OperationState &state, UserPrompt &prompt);
