#pragma once

#include "presets.h"
#include "settingsedit.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class SimCardFrame;
class UserPrompt;

// E-mail reporting: the interval, recipients, sender, SMTP server and its
// account, and for a modem that takes data calls (role 3) the SIM card's GPRS
// access as well. It edits a copy of the record; after Accepted, record() and
// captions() hold what OK wrote.
//
// The close box only hides the dialog: the caller keeps it and, at the next
// opening, exec()s it again, so the user finds the boxes as they were left.
class EmailSettings final : public QDialog
{
    Q_OBJECT
public:
    // The record's role decides whether the SIM column shows.
    EmailSettings(const SetupRecord &edit, const Presets &presets, UserPrompt &prompt, QWidget *parent = nullptr);

    const SetupRecord &record() const { return m_record; }
    // lblEmail, lblAPN, lblProviderUser, lblProviderPWD
    const CaptionList &captions() const { return m_captions; }
    // True when the close box ended the last opening; false after OK, Cancel
    // or Esc.
    bool kept() const { return m_kept; }
    // Before a kept dialog opens again: the boxes the user changed keep what
    // was typed, the others show edit, which may have changed meanwhile.
    void takeRecord(const SetupRecord &edit);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QGroupBox *buildEmailParameters();
    QGroupBox *buildSmtpSettings();
    QGroupBox *buildAuthentication();
    void load();
    void fill(const EmailBoxes &boxes);
    void intervalChanged(const QString &text);
    void fitContents();
    void txtRecipChange();
    void cmdOKClick();
    EmailBoxes boxes() const;

    SetupRecord m_record;
    EmailBoxes m_loaded; // what the boxes showed for m_record
    UserPrompt &m_prompt;
    QStringList m_loginServers;
    CaptionList m_captions;
    bool m_kept = false;
    bool m_cuttingRecipients = false;

    QComboBox *cboInterval = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QLabel *Label7 = nullptr;
    QPlainTextEdit *txtRecip = nullptr;
    QLineEdit *txtSender = nullptr;
    QLineEdit *txtSMTP = nullptr;
    QLineEdit *txtUser = nullptr;
    QLineEdit *txtPWD = nullptr;
    SimCardFrame *fraGPRS = nullptr;
    QLabel *lblInfo = nullptr;
};
