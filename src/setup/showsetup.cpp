#include "showsetup.h"

#include "captions.h"
#include "exchange.h"
#include "session.h"

#include <array>

void ShowSetup(Session &s)
{
    using Item = SetupView::Item;
    // Both control handlers below store into EditSetup; the captions must
    // come from what they leave there.
    const SetupRecord &e = s.EditSetup;

    static constexpr std::array<Item, 3> labels{Item::lblTime0, Item::lblTime1, Item::lblTime2};
    for (int i = 0; i < 3; ++i)
        s.view.setCaption(labels[size_t(i)], deviceScheduleCaption(e, i));

    // Values no modem reports can only come from a file: show no choice for
    // them rather than a wrong one.
    s.view.setLoggerTicked(e.Logger == 1);
    s.view.selectRole(e.Role >= 1 && e.Role <= 3 ? e.Role - 1 : -1);

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
