#include "pendingchanges.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PendingChanges::PendingChanges(const QStringList &shownLines, const QString &serialNumber, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PendingChanges"));
    setWindowTitle(tr("Pending changes"));

    auto *layout = new QVBoxLayout(this);
    auto *lblPending = new QLabel(this);
    lblPending->setObjectName(QStringLiteral("lblPending"));
    layout->addWidget(lblPending);
    if (shownLines.isEmpty()) {
        lblPending->setText(tr("No changes: the setup on screen is the modem's."));
    } else {
        lblPending->setText(
            serialNumber.isEmpty()
                ? tr("Write sends these setting lines, in this order:")
                //: %1 is the modem's serial number
                : tr("Write sends these setting lines to the Merolan S/N %1, in this order:").arg(serialNumber));
        auto *lstPending = new QListWidget(this);
        lstPending->setObjectName(QStringLiteral("lstPending"));
        lstPending->addItems(shownLines);
        lstPending->setCurrentRow(0);
        lblPending->setBuddy(lstPending);
        layout->addWidget(lstPending, 1);
    }
    // Write checks the serial number first: another modem's setup is not
    // known, so all of it goes there, changed or not.
    auto *lblOther =
        new QLabel(serialNumber.isEmpty() ? tr("A Merolan that was not read gets the whole setup.")
                                          : tr("A Merolan with another serial number gets the whole setup."),
                   this);
    lblOther->setObjectName(QStringLiteral("lblOther"));
    layout->addWidget(lblOther);

    auto *cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 56);
}
