#pragma once

#include <QDialog>
#include <QStringList>

// The setting lines Write would send, in order and with passwords masked, so
// that the technician sees what will change in the modem before it does.
class PendingChanges final : public QDialog
{
    Q_OBJECT
public:
    explicit PendingChanges(const QStringList &shownLines, QWidget *parent = nullptr);
};
