#include "portlistmodel.h"

#include "seriallink.h"

PortListModel::PortListModel(const SerialLink &comm, QObject *parent) : QStandardItemModel(parent), m_comm(comm) {}

QVariant PortListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::ToolTipRole)
        return QStandardItemModel::data(index, role);
    const QString name = QStandardItemModel::data(index, Qt::DisplayRole).toString();
    auto it = m_descriptions.constFind(name);
    if (it == m_descriptions.cend())
        it = m_descriptions.insert(name, m_comm.portDescription(name));
    return it->isEmpty() ? QVariant() : QVariant(*it);
}
