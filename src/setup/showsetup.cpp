#include "showsetup.h"

#include "captions.h"
#include "exchange.h"
#include "session.h"

#include <array>

void ShowSetup(Session &s)
{
    using Item = SetupView::Item;
    const SetupRecord &e = s.EditSetup;

    static constexpr std::array<Item, 3> labels{Item::lblTime0, Item::lblTime1, Item::lblTime2};
    for (int i = 0; i < 3; ++i)
        s.view.setCaption(labels[size_t(i)], deviceScheduleCaption(e, i));

    // Showing a record changes none: a file's logger mode and baud rate stay
    // as they are, whatever the controls would set on a user's click. A role
    // no modem reports shows no choice rather than a wrong one; any logger
    // mode but 0 shows ticked, as the read shows it.
    s.view.showLogger(e.Logger != 0, e.EmailInterval);
    s.view.showRole(e.Role >= 1 && e.Role <= 3 ? e.Role - 1 : -1);

    s.view.setCaption(Item::lblBaud, baudCaption(e.Baud));
    s.view.setCaption(Item::lblTessarinIP, CleanReply(e.HostIP));
    const QString port = QString::number(e.HostPort);
    s.view.setCaption(Item::lblTessarinPort, tessarinPortCaption(port));
    s.view.setCaption(Item::lblServerPort, serverPortCaption(port));
    s.view.setCaption(Item::lblEmail, emailCaption(e.EmailInterval));
    // A file's text may hold line ends or other bytes a label cannot show:
    // clean first, so that a number of nothing but such bytes reads as none
    // and the shortening counts only what is shown.
    s.view.setCaption(Item::lblSMS, smsCaption(CleanReply(e.SMSNum)));
    s.view.setCaption(Item::lblAPN, apnCaption(CleanReply(e.APN)));
    s.view.setCaption(Item::lblProviderUser, providerUserCaption(CleanReply(e.GPRSID)));
    s.view.setCaption(Item::lblProviderPWD, providerPasswordCaption(CleanReply(e.GPRSPass)));
}
