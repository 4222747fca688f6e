#include "setupfile.h"

#include "setupjson.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cmath>

namespace {

constexpr qsizetype kMaxTextLength = 0xFFFF;

class Writer
{
public:
    explicit Writer(QString *error) : m_error(error) {}

    template <typename T>
    void number(T value)
    {
        char buffer[sizeof(T)];
        qToLittleEndian(value, buffer);
        m_bytes.append(buffer, sizeof(T));
    }

    void text(const char *field, const QString &value)
    {
        if (m_failed)
            return;
        if (value.size() > kMaxTextLength) {
            //: %1 is a field of the file, such as APN; %2 and %3 are numbers of characters
            fail(QCoreApplication::translate("SetupFile",
                                             "%1 is too long to store in a setup file (%2 characters, at most %3).")
                     .arg(QLatin1String(field))
                     .arg(value.size())
                     .arg(kMaxTextLength));
            return;
        }
        for (const QChar c : value) {
            if (c.unicode() > 0xFF) {
                //: %1 is a field of the file, such as APN; %2 is one character
                fail(QCoreApplication::translate("SetupFile",
                                                 "%1 holds the character \"%2\", which a setup file cannot store "
                                                 "(only 8-bit characters fit).")
                         .arg(QLatin1String(field), QString(c)));
                return;
            }
        }
        number(quint16(value.size()));
        m_bytes.append(value.toLatin1());
    }

    void times(const std::array<double, 3> &values)
    {
        for (const double value : values)
            number(value);
    }

    QByteArray result() { return m_failed ? QByteArray() : m_bytes; }

private:
    void fail(const QString &message)
    {
        m_failed = true;
        if (m_error)
            *m_error = message;
    }

    QByteArray m_bytes;
    QString *m_error;
    bool m_failed = false;
};

class Reader
{
public:
    Reader(const QByteArray &bytes, QString *error) : m_bytes(bytes), m_error(error) {}

    template <typename T>
    void number(const char *field, T &value)
    {
        if (take(QLatin1String(field), sizeof(T)))
            value = qFromLittleEndian<T>(m_bytes.constData() + m_pos - qsizetype(sizeof(T)));
    }

    void text(const char *field, QString &value)
    {
        quint16 length = 0;
        number(field, length);
        if (take(QLatin1String(field), length))
            value = QString::fromLatin1(m_bytes.constData() + m_pos - length, length);
    }

    void times(const char *field, std::array<double, 3> &values)
    {
        for (size_t i = 0; i < values.size(); ++i) {
            //: %1 is a field of the file, OnTime or OffTime; %2 the device's number
            const QString name =
                QCoreApplication::translate("SetupFile", "%1 of device %2").arg(QLatin1String(field)).arg(i + 1);
            if (!take(name, sizeof(double)))
                return;
            const double value = qFromLittleEndian<double>(m_bytes.constData() + m_pos - qsizetype(sizeof(double)));
            if (!std::isfinite(value)) {
                //: %1 is a field, such as "OnTime of device 2"
                fail(
                    QCoreApplication::translate("SetupFile", "The setup file is damaged: %1 is not a time.").arg(name));
                return;
            }
            values[i] = value;
        }
    }

    bool failed() const { return m_failed; }

private:
    bool take(const QString &field, qsizetype count)
    {
        if (m_failed)
            return false;
        if (m_bytes.size() - m_pos < count) {
            //: %1 is a field of the file, such as APN; %2 the file's size
            fail(QCoreApplication::translate("SetupFile", "The setup file ends in the middle of %1 (after %2 bytes).")
                     .arg(field)
                     .arg(m_bytes.size()));
            return false;
        }
        m_pos += count;
        return true;
    }

    void fail(const QString &message)
    {
        m_failed = true;
        if (m_error)
            *m_error = message;
    }

    const QByteArray &m_bytes;
    QString *m_error;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

} // namespace

QByteArray encodeSetup(const SetupRecord &record, QString *error)
{
    Writer w(error);
    w.number(record.Role);
    w.number(record.Logger);
    w.text("HostIP", record.HostIP);
    w.number(record.HostPort);
    w.text("APN", record.APN);
    w.text("GPRSID", record.GPRSID);
    w.text("GPRSPass", record.GPRSPass);
    w.text("SMSNum", record.SMSNum);
    w.number(record.Baud);
    w.text("ERecep", record.ERecep);
    w.text("ESender", record.ESender);
    w.number(record.EmailInterval);
    w.text("MailServer", record.MailServer);
    w.text("XUser", record.XUser);
    w.text("XPas", record.XPas);
    w.times(record.OnTime);
    w.times(record.OffTime);
    return w.result();
}

std::optional<SetupRecord> decodeSetup(const QByteArray &bytes, QString *error)
{
    SetupRecord record;
    Reader r(bytes, error);
    r.number("Role", record.Role);
    r.number("Logger", record.Logger);
    r.text("HostIP", record.HostIP);
    r.number("HostPort", record.HostPort);
    r.text("APN", record.APN);
    r.text("GPRSID", record.GPRSID);
    r.text("GPRSPass", record.GPRSPass);
    r.text("SMSNum", record.SMSNum);
    r.number("Baud", record.Baud);
    r.text("ERecep", record.ERecep);
    r.text("ESender", record.ESender);
    r.number("EmailInterval", record.EmailInterval);
    r.text("MailServer", record.MailServer);
    r.text("XUser", record.XUser);
    r.text("XPas", record.XPas);
    r.times("OnTime", record.OnTime);
    r.times("OffTime", record.OffTime);
    if (r.failed())
        return std::nullopt;
    return record;
}

SetupForm setupFormOfName(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0 ? SetupForm::Json
                                                                                             : SetupForm::Mrl;
}

bool saveSetupFile(const QString &path, const SetupRecord &record, QString *error, std::optional<SetupForm> form)
{
    const QFileInfo existing(path);
    // Written through, a link would hand the passwords to whatever it points
    // at, with that file's permissions.
    if (existing.isSymLink()) {
        if (error)
            *error = QCoreApplication::translate(
                "SetupFile", "It is a symbolic link, and a setup file is never written through one");
        return false;
    }
    const QByteArray bytes = form.value_or(setupFormOfName(path)) == SetupForm::Json ? encodeSetupJson(record, error)
                                                                                     : encodeSetup(record, error);
    if (bytes.isEmpty())
        return false;
    // The file holds the GPRS and mail passwords: a new one is its owner's
    // alone. A replaced file keeps its own permissions, read-only included.
    // (Its "user" bits say what this process may do, not what the file allows.)
    const QFileDevice::Permissions userBits = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    const QFileDevice::Permissions mode =
        existing.exists() ? existing.permissions() & ~userBits : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QSaveFile file(path);
    // A writable file in a folder that is not writable is still saved, in place.
    file.setDirectWriteFallback(true);
    // The mode is set before the first byte, so the passwords are never readable by others.
    const bool ok = file.open(QIODevice::WriteOnly) && file.setPermissions(mode);
    if (!ok || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<SetupRecord> loadSetupFile(const QString &path, QString *error, SetupForm *form)
{
    const auto fail = [error](const QString &text) -> std::optional<SetupRecord> {
        if (error)
            *error = text;
        return std::nullopt;
    };
    const QString tooLarge =
        QCoreApplication::translate("SetupFile", "The file is larger than a setup file can be (more than 1 MiB)");
    // Opening a pipe waits for a writer, a device may never end: only a
    // regular file (or a link to one) can be a setup file.
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        return fail(
            QCoreApplication::translate("SetupFile", "It is not a regular file (a folder, a device or a pipe)"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > kMaxSetupFileBytes)
        return fail(tooLarge);
    // Devices and pipes tell no size: read one byte past the limit at most.
    const QByteArray bytes = file.read(kMaxSetupFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > kMaxSetupFileBytes)
        return fail(tooLarge);
    const bool byName = setupFormOfName(path) == SetupForm::Json
                        || QFileInfo(path).suffix().compare(QLatin1String("mrl"), Qt::CaseInsensitive) == 0;
    const SetupForm read = byName                            ? setupFormOfName(path)
                           : bytes.trimmed().startsWith('{') ? SetupForm::Json
                                                             : SetupForm::Mrl;
    if (form)
        *form = read;
    return read == SetupForm::Json ? setupFromJson(bytes, error) : decodeSetup(bytes, error);
}
