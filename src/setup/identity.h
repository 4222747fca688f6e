#pragma once

#include <QString>

class Session;

// Takes the modem's reply to "#Version?": the two known Brantholm texts lose
// their first 21 characters and hide the logger box and the e-mail line (those
// modems have neither); any other reply is the version as it stands and shows
// both. Sets FirmwareVersion and the version caption.
void applyIdentification(Session &session, const QString &versionReply);
