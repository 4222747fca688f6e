#pragma once

#include <QHash>
#include <QStandardItemModel>

class SerialLink;

// The items of the port list. An adapter's description (its tool tip) is
// asked of the system only when it is shown: each look-up walks every port.
class PortListModel final : public QStandardItemModel
{
    Q_OBJECT
public:
    PortListModel(const SerialLink &comm, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Adapters came or went: a name may now stand for another device.
    void forgetDescriptions() { m_descriptions.clear(); }

private:
    const SerialLink &m_comm;
    mutable QHash<QString, QString> m_descriptions;
};
