#include "gprssettings.h"

#include "simcardframe.h"
#include "userprompt.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

GPRSSettings::GPRSSettings(const SetupRecord &edit, const Presets &presets, UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_record(edit), m_prompt(prompt)
{
    setObjectName(QStringLiteral("GPRSSettings"));
    setWindowTitle(QStringLiteral("GPRS provider settings "));

    fraGPRS = new SimCardFrame(presets.providers, prompt, this);
    fraGPRS->setObjectName(QStringLiteral("fraGPRS"));
    fraGPRS->setValues(edit.APN, edit.GPRSID, edit.GPRSPass);
    connect(fraGPRS, &SimCardFrame::mailServerAccepted, this, [this](const QString &server) { m_mailServer = server; });

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto *cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &GPRSSettings::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraGPRS);
    layout->addLayout(buttons);
}

void GPRSSettings::cmdOKClick()
{
    const QString apn = fraGPRS->apn();
    if (const QString refusal = gprsRefusal(apn); !refusal.isEmpty()) {
        m_prompt.message(refusal);
        return;
    }
    storeGprs(apn, fraGPRS->user(), fraGPRS->password(), m_record);
    m_captions = gprsCaptions(apn, fraGPRS->user(), fraGPRS->password());
    accept();
}
