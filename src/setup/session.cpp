#include "session.h"

#include "numbervalue.h"
#include "userprompt.h"

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

void Session::showPasswordTag(const QString &tag)
{
    PasswordTag = tag;
    view.setCaption(SetupView::Item::lblPWD, QStringLiteral("Password: ") + tag);
}

void Session::roleChanged(int entry)
{
    EditSetup.Role = qint16(entry >= 0 ? entry + 1 : 0);
    // The read sets the role itself and must not warn or recolour.
    if (state.Reading || !HasChanges())
        return;
    prompt.message(
        firmwareNumber() >= 3.0
            ? QStringLiteral("The Merolan operation will change after pressing 'Finish programming'")
            : QStringLiteral(
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
