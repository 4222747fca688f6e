#include "gprssettings.h"

#include "dialogparts.h"
#include "simcardframe.h"
#include "userprompt.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

GPRSSettings::GPRSSettings(const SetupRecord &edit, const Presets &presets, UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_record(edit), m_prompt(prompt)
{
    setObjectName(QStringLiteral("GPRSSettings"));
    setWindowTitle(tr("GPRS provider settings "));

    fraGPRS = new SimCardFrame(presets.providers, prompt, this);
    fraGPRS->setObjectName(QStringLiteral("fraGPRS"));
    fraGPRS->setValues(edit.APN, edit.GPRSID, edit.GPRSPass);
    connect(fraGPRS, &SimCardFrame::mailServerAccepted, this, [this](const QString &server) { m_mailServer = server; });

    QHBoxLayout *buttons = okCancelRow(this, [this] { cmdOKClick(); });
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
