#include "identity.h"

#include "captions.h"
#include "session.h"

void applyIdentification(Session &session, const QString &versionReply)
{
    // The GPS text is 25 characters long but loses 21 like the other, so a GPS
    // modem's version keeps " sg." in front and its number value is 0.
    constexpr qsizetype kCut = 21;
    const bool known = versionReply.startsWith(QLatin1String("BRANTHOLM MEROLAN si."))
                       || versionReply.startsWith(QLatin1String("BRANTHOLM MEROLAN-GPS sg."));

    session.FirmwareVersion = known ? versionReply.mid(kCut) : versionReply;
    session.view.setShown(SetupView::Item::chkOmbrilex, !known);
    session.HasEmail = !known;
    session.view.setShown(SetupView::Item::lblEmail, session.HasEmail);
    session.view.setCaption(SetupView::Item::lblVersion, firmwareCaption(session.FirmwareVersion));
}
