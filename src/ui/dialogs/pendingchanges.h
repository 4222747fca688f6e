#pragma once

#include <QDialog>
#include <QStringList>

// The setting lines Write would send to the modem read (serialNumber), in
// order and with passwords masked, so that the technician sees what will
// change in the modem before it does; and that another modem on the line
// gets the whole setup.
class PendingChanges final : public QDialog
{
    Q_OBJECT
public:
    PendingChanges(const QStringList &shownLines, const QString &serialNumber, QWidget *parent = nullptr);
};
