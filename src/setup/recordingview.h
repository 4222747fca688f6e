#pragma once

#include "session.h"

#include <QHash>
#include <QSet>

// A window without widgets: keeps every caption and visibility the modem
// operations set.
// Serves the headless front end and the operation tests.
class RecordingView final : public SetupView
{
public:
    void setCaption(Item item, const QString &text) override { m_captions[item] = text; }
    void setShown(Item item, bool shown) override;
    // What the operations showed last.
    QString caption(Item item) const { return m_captions.value(item); }
    bool isShown(Item item) const { return !m_hidden.contains(item); }
    void showRole(int entry) override { m_roleEntry = entry; }
    void showLogger(bool ticked, qint16) override { m_loggerTicked = ticked; }
    void ShowDevices() override { ++m_showDevicesCalls; }
    void markChanges(bool differ) override
    {
        m_marked = differ;
        ++m_markCalls;
    }
    void showProgramming(bool programming) override { m_programming = programming; }
    void showClockDrift(std::optional<qint64> seconds) override { m_drift = seconds; }
    std::optional<qint64> clockDrift() const { return m_drift; }

    int roleEntry() const { return m_roleEntry; }
    bool loggerTicked() const { return m_loggerTicked; }
    bool marked() const { return m_marked; }
    int markCalls() const { return m_markCalls; }
    int showDevicesCalls() const { return m_showDevicesCalls; }
    bool programming() const { return m_programming; }

private:
    QHash<Item, QString> m_captions;
    QSet<Item> m_hidden;
    int m_roleEntry = 2;
    bool m_loggerTicked = false;
    bool m_marked = false;
    int m_markCalls = 0;
    int m_showDevicesCalls = 0;
    bool m_programming = false;
    std::optional<qint64> m_drift;
};
