#include "session.h"

#include "numbervalue.h"
#include "userprompt.h"

#include <QCoreApplication>

Session::Session(SerialLink &comm, SetupView &view, UserPrompt &prompt) : Comm(comm), view(view), prompt(prompt) {}

double Session::firmwareNumber() const
{
    return numberValue(FirmwareVersion);
}

bool Session::HasChanges()
{
    const bool differ = !(EditSetup == ModemSetup);
    view.markChanges(differ);
    return differ;
}

void Session::showPassword(const QString &password)
{
    Password = password;
    view.setCaption(SetupView::Item::txtPWD, password);
}

void Session::showPasswordTag(bool enabled)
{
    // The tag is what scripts are told, in English; the caption is the user's.
    PasswordTag = enabled ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
    view.setCaption(SetupView::Item::lblPWD, enabled ? QCoreApplication::translate("Session", "Password: Enabled")
                                                     : QCoreApplication::translate("Session", "Password: Disabled"));
}

void Session::roleChanged(int entry)
{
    EditSetup.Role = qint16(entry >= 0 ? entry + 1 : 0);
    // The read sets the role itself and must not warn or recolour.
    if (state.Reading || !HasChanges())
        return;
    prompt.message(
        firmwareNumber() >= 3.0
            ? QCoreApplication::translate("Session",
                                          "The Merolan operation will change after pressing 'Finish programming'")
            : QCoreApplication::translate(
                "Session",
                "Changing the Merolan operation will require a 3-minute reset after pressing 'Finish programming'"));
}

void Session::loggerChanged(bool ticked)
{
    EditSetup.Logger = ticked ? 1 : 0;
    // A data logger talks to the modem at a fixed 9600 baud.
    if (ticked)
        EditSetup.Baud = 4;
    if (!state.Reading)
        HasChanges();
}
