#include "portnames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <csignal>
#endif

QString portDevicePath(const QString &port)
{
#ifdef Q_OS_UNIX
    if (!port.contains(QLatin1Char('/')))
        return QStringLiteral("/dev/") + port;
#endif
    return port;
}

QString stablePortName(const QString &port, const QString &folder)
{
    const QString device = QFileInfo(portDevicePath(port)).canonicalFilePath();
    if (device.isEmpty())
        return {};
    const QDir links(folder);
    const QFileInfoList entries = links.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() && entry.canonicalFilePath() == device)
            return links.filePath(entry.fileName());
    }
    return {};
}

QString linkedDevice(const QString &name)
{
    const QFileInfo info(name);
    if (!info.isSymLink())
        return name;
    const QString device = info.canonicalFilePath();
    return device.isEmpty() ? name : device;
}

#ifdef Q_OS_LINUX
namespace {

// A lock file of the UUCP convention: LCK..ttyUSB0 holding its owner's
// process number. One whose owner is gone holds nothing.
bool lockedByRunning(const QString &path)
{
    QFile lock(path);
    if (!lock.open(QIODevice::ReadOnly))
        return false;
    const qint64 pid = lock.read(64).trimmed().toLongLong();
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

std::optional<bool> portInUse(const QString &device)
{
    const QFileInfo node(device);
    const QString canonical = node.canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    for (const char *folder : {"/var/lock", "/run/lock"}) {
        if (lockedByRunning(QDir(QLatin1String(folder)).filePath(QStringLiteral("LCK..") + node.fileName())))
            return true;
    }
    bool hidden = false;
    const QFileInfoList processes = QDir(QStringLiteral("/proc")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &process : processes) {
        bool number = false;
        process.fileName().toLongLong(&number);
        if (!number)
            continue;
        const QDir fds(process.filePath() + QStringLiteral("/fd"));
        if (!fds.isReadable()) {
            hidden = true;
            continue;
        }
        const QStringList names = fds.entryList(QDir::System | QDir::NoDotAndDotDot);
        for (const QString &fd : names) {
            if (QFileInfo(fds.filePath(fd)).symLinkTarget() == canonical)
                return true;
        }
    }
    if (hidden)
        return std::nullopt;
    return false;
}
#else
std::optional<bool> portInUse(const QString &)
{
    return std::nullopt;
}
#endif
