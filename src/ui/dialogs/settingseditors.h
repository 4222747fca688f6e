#pragma once

#include "presets.h"
#include "settingsedit.h"

#include <QObject>
#include <memory>
#include <optional>

class EmailSettings;
class HelpDesk;
class QWidget;
class Session;
class UserPrompt;

// The dialogs that edit the settings of the setup diagram, on the session's
// edited record: each applies what its OK wrote and colours the write button.
// None opens while a modem operation runs (a beep instead): its wait would
// hold the operation up.
class SettingsEditors final : public QObject
{
    Q_OBJECT
public:
    // The dialogs open over parent.
    SettingsEditors(Session &session, UserPrompt &prompt, HelpDesk &help, QWidget *parent);
    ~SettingsEditors() override;

    // False, with a beep, while an operation runs.
    bool mayOpen();

    void schedule();
    void gprs();
    void server();
    void email();
    void baud();

    // What the e-mail dialog kept was typed for another setup.
    void forgetEmail();

private:
    void apply(const SetupRecord &record, const CaptionList &captions);
    void showCaptions(const CaptionList &captions);
    // Read on first use; a damaged file is told once.
    const Presets &presets();

    Session &m_session;
    UserPrompt &m_prompt;
    HelpDesk &m_help;
    QWidget *m_parent;
    std::optional<Presets> m_presets;
    // The e-mail dialog that its close box hid, with the modem setup it was
    // filled against: it opens again as the user left it, unless another
    // setup has been read, loaded or written since.
    std::unique_ptr<EmailSettings> m_email;
    SetupRecord m_emailBaseline;
};
