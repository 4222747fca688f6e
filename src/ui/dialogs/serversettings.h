#pragma once

#include "settingsedit.h"

#include <QDialog>

class QLineEdit;
class UserPrompt;

// The address and port of the Tessarin mediation server. It edits a copy of
// the record, whose empty host and port the caller has already defaulted;
// after Accepted, record() and captions() hold what OK wrote.
class ServerSettings final : public QDialog
{
    Q_OBJECT
public:
    ServerSettings(const SetupRecord &edit, UserPrompt &prompt, QWidget *parent = nullptr);

    const SetupRecord &record() const { return m_record; }
    // lblTessarinIP, lblTessarinPort, lblServerPort
    const CaptionList &captions() const { return m_captions; }

private:
    void txtPortChange();
    void cmdOKClick();

    SetupRecord m_record;
    UserPrompt &m_prompt;
    QLineEdit *txtIP = nullptr;
    QLineEdit *txtPort = nullptr;
    CaptionList m_captions;
    bool m_correctingPort = false;
};
