#pragma once

#include <QString>

class SerialLink;

// Opens the link to the modem: the port, "<baud>,n,8,1", text input. False
// when the port stays closed; Comm.errorString() then says why.
bool openLink(SerialLink &Comm, const QString &port, const QString &baud);
