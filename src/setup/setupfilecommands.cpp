#include "setupfilecommands.h"

#include "seriallink.h"
#include "session.h"
#include "setupfile.h"
#include "showsetup.h"
#include "userprompt.h"

#include <QCoreApplication>

namespace {

UserPrompt::FileDialog setupFileDialog(const QString &title)
{
    return {title,
            QStringLiteral("Setup.mrl"),
            //: A file dialog's filter: the pattern in brackets stays as it is
            {QCoreApplication::translate("SetupFileCommands", "MRL Files (*.mrl)"),
             QCoreApplication::translate("SetupFileCommands", "Merolan setup as JSON (*.json)"),
             //: A file dialog's filter: "(*.*)" stays exactly as it is
             QCoreApplication::translate("SetupFileCommands", "All Files (*.*)")},
            QStringLiteral("mrl")};
}

} // namespace

bool LoadSetupCommand(Session &s)
{
    // A setup loaded while the modem is read or written would be overwritten
    // by the read, or be taken for what the write just stored.
    if (refusedWhileRunning(s.state, s.prompt))
        return false;
    const std::optional<QString> path = s.prompt.openFileName(
        setupFileDialog(QCoreApplication::translate("SetupFileCommands", "Select a Merolan setup file to load")));
    return path && !path->isEmpty() && LoadSetupFromFile(s, *path);
}

bool LoadSetupFromFile(Session &s, const QString &path)
{
    QString error;
    const std::optional<SetupRecord> record = loadSetupFile(path, &error);
    // Only a whole record may become the baseline: a file that cannot be read
    // to its end leaves both records and the diagram as they were.
    if (!record) {
        s.prompt.message(error);
        return false;
    }
    // A stored setup loaded beside the modem it is meant for must reach it:
    // as the baseline, it would make Write find no changes whatever it held.
    const bool modemRead = s.Comm.PortOpen() && !s.SerialNumber.isEmpty();
    if (!modemRead)
        s.ModemSetup = *record;
    s.EditSetup = *record;
    ShowSetup(s);
    s.HasChanges();
    return true;
}

void SaveSetupCommand(Session &s)
{
    // Half a read is no setup to keep.
    if (refusedWhileRunning(s.state, s.prompt))
        return;
    const std::optional<QString> path = s.prompt.saveFileName(setupFileDialog(
        QCoreApplication::translate("SetupFileCommands", "Select a save name for the Merolan setup file")));
    if (!path || path->isEmpty())
        return;
    QString error;
    if (!saveSetupFile(*path, s.EditSetup, &error))
        s.prompt.message(error);
}
