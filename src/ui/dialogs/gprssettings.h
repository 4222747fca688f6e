#pragma once

#include "presets.h"
#include "settingsedit.h"

#include <QDialog>
#include <optional>

class SimCardFrame;
class UserPrompt;

// The SIM card's GPRS access: APN, user and password, with the networks'
// presets. It edits a copy of the record; after Accepted, record() and
// captions() hold what OK wrote.
class GPRSSettings final : public QDialog
{
    Q_OBJECT
public:
    GPRSSettings(const SetupRecord &edit, const Presets &presets, UserPrompt &prompt, QWidget *parent = nullptr);

    const SetupRecord &record() const { return m_record; }
    // lblAPN, lblProviderUser, lblProviderPWD
    const CaptionList &captions() const { return m_captions; }
    // The mail server of the network whose question was last answered Yes. It
    // holds whether the dialog was then accepted or not: the user agreed to it
    // on its own.
    std::optional<QString> mailServerChosen() const { return m_mailServer; }

private:
    void cmdOKClick();

    SetupRecord m_record;
    UserPrompt &m_prompt;
    SimCardFrame *fraGPRS = nullptr;
    CaptionList m_captions;
    std::optional<QString> m_mailServer;
};
