#include "fieldeditors.h"

#include "captions.h"
#include "numbervalue.h"
#include "session.h"
#include "userprompt.h"

#include <QCoreApplication>

#include <cmath>

using Item = SetupView::Item;

void ServerPortClicked(Session &s)
{
    for (;;) {
        const std::optional<QString> answer =
            s.prompt.input(QCoreApplication::translate("FieldEditors", "Server port number:"),
                           QCoreApplication::translate("FieldEditors", "Merolan Server settings"), QString());
        if (!answer || answer->isEmpty())
            return;
        // The answer's leading number is what counts ("80abc" is 80).
        const double port = numberValue(*answer);
        if (!(port >= 1 && port <= 65535)) {
            s.prompt.message(QCoreApplication::translate("FieldEditors", "Wrong Server Port Number!"));
            continue;
        }
        s.EditSetup.HostPort = qint32(std::nearbyint(port)); // halves to even
        // The line shows the port the modem will get, not a fraction it never sees.
        s.view.setCaption(Item::lblServerPort, serverPortCaption(QString::number(s.EditSetup.HostPort)));
        // The write button shows a pending port like any other change.
        s.HasChanges();
        return;
    }
}

void SMSClicked(Session &s)
{
    const std::optional<QString> answer =
        s.prompt.input(QCoreApplication::translate(
                           "FieldEditors", "Merolan will use this number to send a low power supply alarm. Leave "
                                           "field blank to disable this alarm."),
                       QCoreApplication::translate("FieldEditors", "SMS number"), s.EditSetup.SMSNum);
    // Backing out keeps the alarm; only an empty answer given with OK ends
    // it. The number offered and taken as it was stays as stored.
    if (!answer || *answer == s.EditSetup.SMSNum)
        return;
    s.EditSetup.SMSNum = answer->trimmed();
    s.view.setCaption(Item::lblSMS, smsCaption(s.EditSetup.SMSNum));
    s.HasChanges();
}

void baudNotice(Session &s)
{
    if (!s.HasChanges())
        return;
    s.prompt.message(s.firmwareNumber() >= 3.0
                         ? QCoreApplication::translate(
                             "FieldEditors", "The Merolan baud rate will change after pressing 'Finish programming'")
                         : QCoreApplication::translate(
                             "FieldEditors", "Changing the Merolan baud rate will require a 3-minute reset after "
                                             "pressing 'Finish programming'"));
}
