#include "frmbaud.h"

#include "captions.h"
#include "dialogparts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr qint32 k115200Entry = 7;

} // namespace

frmBaud::frmBaud(const SetupRecord &edit, const QString &firmwareVersion, QWidget *parent)
    : QDialog(parent), m_record(edit)
{
    setObjectName(QStringLiteral("frmBaud"));
    setWindowTitle(tr("Baud rate selection"));

    auto *lblRate = new QLabel(tr("Baud rate"), this);
    lblRate->setObjectName(QStringLiteral("lblRate"));
    cboBaud = new QComboBox(this);
    cboBaud->setObjectName(QStringLiteral("cboBaud"));
    lblRate->setBuddy(cboBaud);

    const QStringList rates = baudList(firmwareVersion);
    for (int i = 0; i < rates.size(); ++i)
        cboBaud->addItem(rates[i], i + 1);
    int selected = cboBaud->findData(edit.Baud);
    if (selected < 0) {
        // A stored entry that this list lacks is kept, not swapped for a rate
        // the user never chose; it is shown for what it is.
        //: %1 is the number of the rate table's entry that the setup holds
        cboBaud->addItem(edit.Baud != k115200Entry ? tr("Entry %1 (unknown rate)").arg(edit.Baud)
                                                   : tr("115200 (not offered by this firmware)"),
                         edit.Baud);
        selected = cboBaud->count() - 1;
    }
    cboBaud->setCurrentIndex(selected);

    auto *rate = new QHBoxLayout;
    rate->addWidget(lblRate);
    rate->addWidget(cboBaud, 1);
    QHBoxLayout *buttons = okCancelRow(this, [this] { cmdOKClick(); });
    // Wide enough for its caption in the title bar.
    setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rate);
    layout->addLayout(buttons);
}

void frmBaud::cmdOKClick()
{
    const qint32 entry = cboBaud->currentData().toInt();
    m_record.Baud = entry;
    m_captions = {{SetupView::Item::lblBaud, baudCaption(entry)}};
    accept();
}
