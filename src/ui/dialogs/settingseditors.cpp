#include "settingseditors.h"

#include "captions.h"
#include "emailsettings.h"
#include "fieldeditors.h"
#include "frmbaud.h"
#include "gprssettings.h"
#include "help.h"
#include "perschedule.h"
#include "serversettings.h"
#include "userprompt.h"

SettingsEditors::SettingsEditors(Session &session, UserPrompt &prompt, HelpDesk &help, QWidget *parent)
    : QObject(parent), m_session(session), m_prompt(prompt), m_help(help), m_parent(parent)
{}

SettingsEditors::~SettingsEditors() = default;

bool SettingsEditors::mayOpen()
{
    return !refusedWhileRunning(m_session.state, m_prompt);
}

void SettingsEditors::apply(const SetupRecord &record, const CaptionList &captions)
{
    m_session.EditSetup = record;
    showCaptions(captions);
}

void SettingsEditors::showCaptions(const CaptionList &captions)
{
    for (const Caption &c : captions)
        m_session.view.setCaption(c.item, c.text);
}

const Presets &SettingsEditors::presets()
{
    if (!m_presets) {
        m_presets = loadPresets(presetLocations());
        if (!m_presets->problem.isEmpty())
            //: %1 says what is wrong with the presets file
            m_prompt.message(tr("The network presets could not be read (%1). The built-in presets are offered instead.")
                                 .arg(m_presets->problem),
                             UserPrompt::Icon::Warning);
    }
    return *m_presets;
}

void SettingsEditors::schedule()
{
    if (!mayOpen())
        return;
    SetupRecord &edit = m_session.EditSetup;
    // The dialog edits all three devices, whichever one was clicked.
    PerSchedule dialog(edit.OnTime, edit.OffTime, edit.Logger == 1, m_session.DeviceCount, m_prompt, m_parent);
    addHelpKey(&dialog, m_help);
    if (dialog.exec() == QDialog::Accepted) {
        edit.OnTime = dialog.onTimes();
        edit.OffTime = dialog.offTimes();
        for (int i = 0; i < 3; ++i)
            m_session.view.setCaption(SetupView::Item(int(SetupView::Item::lblTime0) + i),
                                      dialog.captions()[size_t(i)]);
    }
    m_session.HasChanges();
}

void SettingsEditors::gprs()
{
    if (!mayOpen())
        return;
    GPRSSettings dialog(m_session.EditSetup, presets(), m_prompt, m_parent);
    addHelpKey(&dialog, m_help);
    if (dialog.exec() == QDialog::Accepted)
        apply(dialog.record(), dialog.captions());
    // The answer to a provider's mail-server question stands, even after Cancel.
    if (const std::optional<QString> server = dialog.mailServerChosen())
        m_session.EditSetup.MailServer = *server;
    m_session.HasChanges();
}

void SettingsEditors::server()
{
    if (!mayOpen())
        return;
    // The defaults go into the record at once, Cancel or not, so the diagram
    // shows them at once too.
    SetupRecord &edit = m_session.EditSetup;
    applyServerDefaults(edit, presets().serverHost);
    showCaptions(serverCaptions(edit.HostIP, edit.HostPort));
    ServerSettings dialog(edit, m_prompt, m_parent);
    addHelpKey(&dialog, m_help);
    if (dialog.exec() == QDialog::Accepted)
        apply(dialog.record(), dialog.captions());
    m_session.HasChanges();
}

void SettingsEditors::email()
{
    if (!mayOpen())
        return;
    // Contents kept for another modem's setup would overwrite this one's.
    if (m_email && m_emailBaseline != m_session.ModemSetup)
        m_email.reset();
    if (!m_email) {
        m_email = std::make_unique<EmailSettings>(m_session.EditSetup, presets(), m_prompt, m_parent);
        addHelpKey(m_email.get(), m_help);
        m_emailBaseline = m_session.ModemSetup;
    } else {
        // Other editors may have changed what it did not.
        m_email->takeRecord(m_session.EditSetup);
    }
    if (m_email->exec() == QDialog::Accepted)
        apply(m_email->record(), m_email->captions());
    if (!m_email->kept())
        m_email.reset();
    m_session.HasChanges();
}

void SettingsEditors::baud()
{
    if (!mayOpen())
        return;
    applyBaudDefault(m_session.EditSetup);
    m_session.view.setCaption(SetupView::Item::lblBaud, baudCaption(m_session.EditSetup.Baud));
    frmBaud dialog(m_session.EditSetup, m_session.FirmwareVersion, m_parent);
    if (dialog.exec() == QDialog::Accepted)
        apply(dialog.record(), dialog.captions());
    baudNotice(m_session);
}

void SettingsEditors::forgetEmail()
{
    m_email.reset();
}
