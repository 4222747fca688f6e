#include "portpicker.h"

#include "portlistmodel.h"
#include "portnames.h"
#include "seriallink.h"

#include <QAbstractItemView>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kWatchMs = 2000;

} // namespace

PortPicker::PortPicker(SerialLink &comm, QWidget *parent)
    : QComboBox(parent), Comm(comm), m_model(new PortListModel(comm, this))
{
    m_scan = std::async(std::launch::async, [this] { return systemPorts(); });
    setObjectName(QStringLiteral("cboPort"));
    setModel(m_model);
    setToolTip(tr("Available COM ports"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setMinimumContentsLength(16);
#ifndef _WIN32
    // Linux does not report pseudo-terminals or /dev/serial/by-id links.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
#endif
}

PortPicker::~PortPicker()
{
    // The scan reads this object's link; it must end first.
    if (m_scan.valid())
        m_scan.wait();
}

void PortPicker::load(const QStringList &extraPorts)
{
    m_extraPorts = extraPorts;
    const QStringList ports = withExtras(m_scan.get());
    setPortList(ports);
    for (const QString &port : ports)
        Comm.setCommPort(port);
    if (!m_extraPorts.isEmpty())
        Comm.setCommPort(m_extraPorts.constLast());
    setCurrentIndex(findText(Comm.CommPort()));
    if (isEditable())
        setEditText(Comm.CommPort());
}

void PortPicker::watch(std::function<bool()> mayRefresh)
{
    m_mayRefresh = std::move(mayRefresh);
    auto *timer = new QTimer(this);
    timer->setInterval(kWatchMs);
    connect(timer, &QTimer::timeout, this, [this] {
        if (isEnabled() && !view()->isVisible() && m_mayRefresh())
            refreshPorts();
    });
    timer->start();
}

QStringList PortPicker::systemPorts() const
{
    QStringList ports = Comm.CommPorts();
#ifdef _WIN32
    ports.removeIf([](const QString &name) { return !name.startsWith(QLatin1String("COM")); });
#endif
    return ports;
}

QStringList PortPicker::withExtras(QStringList ports) const
{
    for (const QString &extra : m_extraPorts) {
        if (!ports.contains(extra))
            ports << extra;
    }
    return ports;
}

QStringList PortPicker::listed() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << itemText(i);
    return names;
}

void PortPicker::setPortList(const QStringList &ports)
{
    const QStringList before = listed();
    const QString chosen = currentText();

    const QSignalBlocker block(this);
    clear();
    m_model->forgetDescriptions();
    addItems(ports);
    if (const int kept = findText(chosen); kept >= 0 && !chosen.isEmpty()) {
        setCurrentIndex(kept);
    } else if (isEditable() && !chosen.isEmpty() && !before.contains(chosen)) {
        // A typed device path stays as it was typed.
        setCurrentIndex(-1);
        setEditText(chosen);
    } else {
        setCurrentIndex(count() - 1);
    }
}

void PortPicker::refreshPorts()
{
    const QStringList ports = withExtras(systemPorts());
    if (ports != listed())
        setPortList(ports);
}

bool PortPicker::PortInList(const QString &n) const
{
    return listed().contains(QStringLiteral("COM") + n);
}

void PortPicker::choose(const QString &port)
{
    setCurrentIndex(findText(port));
    setEditText(port);
    setEnabled(false);
}

void PortPicker::preselect(const QString &port)
{
    if (port.isEmpty())
        return;
    // The system lists /dev/ttyUSB0 as ttyUSB0.
    const QStringList names = listed();
    const auto byDevice = std::find_if(names.cbegin(), names.cend(),
                                       [&port](const QString &name) { return portDevicePath(name) == port; });
    if (const int at = findText(port); at >= 0)
        setCurrentIndex(at);
    else if (byDevice != names.cend())
        setCurrentIndex(int(byDevice - names.cbegin()));
}

QString PortPicker::chosenPort() const
{
    const QString chosen = currentText().trimmed();
    return chosen.isEmpty() ? Comm.CommPort() : chosen;
}
