#include "openlink.h"

#include "seriallink.h"

bool openLink(SerialLink &Comm, const QString &port, const QString &baud)
{
    Comm.setCommPort(port);
    Comm.setSettings(baud + QStringLiteral(",n,8,1"));
    Comm.setInputMode(0);
    Comm.setPortOpen(true);
    return Comm.PortOpen();
}
