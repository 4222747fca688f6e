#pragma once

#include <QComboBox>

#include <functional>
#include <future>

class PortListModel;
class SerialLink;

// The port box of the start tab: the system's serial ports plus the devices
// our own options add (the demo modem's pseudo-terminal, a --port device),
// with the adapter's description as tool tip. It follows adapters plugged in
// or pulled out, and takes typed device paths where the system does not list
// every port.
class PortPicker final : public QComboBox
{
    Q_OBJECT
public:
    // Starts asking the system for its ports at once, in the background: the
    // answer takes a while and the window is built meanwhile.
    explicit PortPicker(SerialLink &comm, QWidget *parent = nullptr);
    ~PortPicker() override;

    // Fills the list from the background scan and the extra devices. Each
    // port listed becomes the link's port, so the last one is preselected;
    // with extra devices, the last of them.
    void load(const QStringList &extraPorts);

    // Reads the system's port list again, keeping the user's choice.
    void refreshPorts();
    // While the watch runs, the list is read again every 2 s whenever this
    // says so (the window: not while the modem is being talked to).
    void watch(std::function<bool()> mayRefresh);

    // True when the list holds "COM" + n.
    bool PortInList(const QString &n) const;
    // Shows the port and fixes the choice (a calling program named it).
    void choose(const QString &port);
    // Selects port when it is in the list, by name or by device path, and
    // leaves the list open to change.
    void preselect(const QString &port);
    // The chosen or typed port; the link's port when there is none.
    QString chosenPort() const;

private:
    QStringList systemPorts() const;
    QStringList withExtras(QStringList ports) const;
    QStringList listed() const;
    void setPortList(const QStringList &ports);

    SerialLink &Comm;
    PortListModel *m_model;
    std::future<QStringList> m_scan;
    QStringList m_extraPorts;
    std::function<bool()> m_mayRefresh;
};
