#include "faultydialogue.h"

#include "connection.h"
#include "modemrig.h"
#include "readsetup.h"
#include "writesetup.h"

#include <array>

namespace {

// The commands a visit sends, by the key the modem knows them under.
const std::array<const char *, 27> kKeys{
    "Version",  "TIME",   "BAT",       "SerialNum", "P1ON",  "P1OFF",  "P2ON",          "P2OFF",    "P3ON",
    "P3OFF",    "Logger", "MODEMROLE", "SMSNUM",    "BAUD",  "HOSTIP", "HSTPORTNUMBER", "APN",      "GPRSID",
    "GPRSPass", "Email",  "ESender",   "ERecep",    "MAILS", "XUSER",  "XPAS",          "PASSWORD", "EMAIL"};

const std::array<const char *, 4> kIdentities{"BRANTHOLM MEROLAN si.2.10", "BRANTHOLM MEROLAN si.3.01", "MEROLAN 2.5",
                                              "garbage \x01"};

using Fault = SimModem::Fault;
// A recipe's kinds of spoiling: the modem's own faults (Fault::Kind, in its
// order), then answers that are wrong in what they say or how they come.
enum Spoiling { Garbage = Fault::Drop + 1, Huge, Control, Chunked, SpoilingCount };

// Answers the read takes whatever they say: a fault there breaks nothing.
bool readTakesAnything(const QString &key)
{
    static const QStringList identity{QStringLiteral("Version"), QStringLiteral("TIME"), QStringLiteral("BAT"),
                                      QStringLiteral("SerialNum")};
    return identity.contains(key);
}

// A refusal the read expects from some modems: no data logger, no baud rate.
bool readAcceptsRefusal(const QString &key)
{
    return key == QLatin1String("Logger") || key == QLatin1String("BAUD");
}

struct Recipe
{
    SimModem::Config read;
    SimModem::Config write;
};

// Every group of the recipe: key, fault (the top bit puts it in the write),
// payload length, payload.
Recipe parse(const QByteArray &bytes, const SimModem::Config &base)
{
    Recipe recipe{base, base};
    qsizetype at = 1;
    while (at + 2 < bytes.size()) {
        const QString key = QString::fromLatin1(kKeys[quint8(bytes[at]) % kKeys.size()]);
        const quint8 kind = quint8(bytes[at + 1]);
        const qsizetype length = quint8(bytes[at + 2]);
        const QByteArray payload = bytes.mid(at + 3, length);
        at += 3 + length;

        SimModem::Config &c = kind & 0x80 ? recipe.write : recipe.read;
        const int spoiling = (kind & 0x7f) % SpoilingCount;
        if (spoiling < Garbage)
            c.faults << Fault{Fault::Kind(spoiling), key};
        switch (spoiling) {
        case Fault::Unfinished: {
            // Without line ends, "OK" or "ERROR" no final line can hide in it.
            QByteArray text = payload;
            text.replace('K', 'k').replace('R', 'r').replace('\r', ' ').replace('\n', ' ');
            c.replyOverride[key] = QString::fromLatin1(text);
            break;
        }
        case Garbage: c.replyOverride[key] = QString::fromLatin1(payload); break;
        case Huge:
            c.replyOverride[key] = QString::fromLatin1(payload.isEmpty() ? QByteArray("x") : payload)
                                       .repeated(100000 / std::max<qsizetype>(1, payload.size()));
            break;
        case Control: {
            QByteArray text = payload;
            for (qsizetype i = 0; i < text.size(); i += 2)
                text[i] = char(quint8(text[i]) % 32);
            c.replyOverride[key] = QString::fromLatin1(text);
            break;
        }
        case Chunked: c.chunkBytes = 1 + int(length % 7); break;
        default: break;
        }
    }
    return recipe;
}

bool brokenBy(const SimModem::Config &c, const QString &key, bool reading)
{
    const std::optional<Fault::Kind> fault = c.faultOn(key);
    if (fault == Fault::Drop)
        return true;
    if (!fault || (reading && readTakesAnything(key)))
        return false;
    return fault != Fault::Error || !(reading && readAcceptsRefusal(key));
}

// Whether a sent command met a fault that its operation cannot take.
bool hitFault(const SimModem &sim, const SimModem::Config &c, int from, bool reading)
{
    const QStringList &lines = sim.receivedLines();
    for (int i = from; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (!line.startsWith(QLatin1Char('#')))
            continue;
        QString key = line.mid(1);
        if (key.endsWith(QLatin1Char('?')))
            key.chop(1);
        else if (const qsizetype eq = key.indexOf(QLatin1Char('=')); eq >= 0)
            key.truncate(eq);
        if (brokenBy(c, key, reading))
            return true;
    }
    return false;
}

SetupRecord differentSetup(const SetupRecord &modem)
{
    SetupRecord e = modem;
    e.Role = modem.Role == 1 ? 2 : 1;
    e.Logger = modem.Logger == 0 ? 1 : 0;
    e.HostIP = QStringLiteral("10.1.2.3");
    e.HostPort = modem.HostPort == 5000 ? 5001 : 5000;
    e.APN = QStringLiteral("fuzz.apn");
    e.GPRSID = QStringLiteral("user");
    e.GPRSPass = QStringLiteral("secret");
    e.SMSNum = QStringLiteral("+306900000001");
    e.Baud = modem.Baud == 5 ? 6 : 5;
    e.ERecep = QStringLiteral("a@b.cd,e@f.gh");
    e.ESender = QStringLiteral("s@t.uv");
    e.EmailInterval = modem.EmailInterval == 4 ? 5 : 4;
    e.MailServer = QStringLiteral("mail.example.org");
    e.XUser = QStringLiteral("x");
    e.XPas = QStringLiteral("pw");
    for (size_t i = 0; i < 3; ++i) {
        e.OnTime[i] = (double(i) + 6.0) / 24.0;
        e.OffTime[i] = (double(i) + 18.0) / 24.0;
    }
    return e;
}

} // namespace

DialogueOutcome runFaultyDialogue(const QByteArray &bytes)
{
    ModemRig rig;
    SimModem::Config base = rig.sim.config();
    const quint8 head = bytes.isEmpty() ? 0 : quint8(bytes[0]);
    base.identity = QString::fromLatin1(kIdentities[head % kIdentities.size()]);
    base.password = head & 0x10 ? QStringLiteral("1234") : QString();
    const Recipe recipe = parse(bytes, base);
    if (head & 0x10)
        rig.session.showPassword(QStringLiteral("1234"));

    DialogueOutcome out;
    // Search (60 s at most), then every exchange of a read and a write of
    // every setting timing out, with room for long recipient lists.
    out.limitMs = 70000 + 120 * 41000;
    rig.sim.config() = recipe.read;
    rig.openPort();

    out.found = FindModem(rig.session);
    if (out.found) {
        const int firstRead = int(rig.sim.receivedLines().size());
        const SetupRecord editBefore = rig.session.EditSetup;
        rig.prompt.clear();
        out.readOk = ReadSetup(rig.session);
        // Answers out of step with their commands cannot be judged one by one.
        out.readBroken = rig.sim.overruns() == 0 && hitFault(rig.sim, recipe.read, firstRead, true);
        if (out.readBroken && out.readOk)
            out.violations << QStringLiteral("read reported success through a broken answer");
        if (!out.readOk && !(rig.session.EditSetup == editBefore))
            out.violations << QStringLiteral("failed read changed the working setup");
        if (!out.readOk && rig.prompt.messages().isEmpty())
            out.violations << QStringLiteral("failed read told the user nothing");
    }

    if (out.readOk && !rig.sim.lineIsDropped()) {
        rig.sim.config() = recipe.write;
        const SetupRecord modemBefore = rig.session.ModemSetup;
        rig.session.EditSetup = differentSetup(modemBefore);
        const int firstWrite = int(rig.sim.receivedLines().size());
        rig.prompt.clear();
        out.writeOk = WriteSetup(rig.session, true);
        out.writeBroken = rig.sim.overruns() == 0 && hitFault(rig.sim, recipe.write, firstWrite, false);
        if (out.writeBroken && out.writeOk)
            out.violations << QStringLiteral("write reported success through a broken answer");
        if (!out.writeOk && !(rig.session.ModemSetup == modemBefore))
            out.violations << QStringLiteral("failed write changed the modem's baseline");
        if (!out.writeOk && rig.prompt.messages().isEmpty())
            out.violations << QStringLiteral("failed write told the user nothing");
        if (rig.session.state.Writing || rig.session.state.Reading)
            out.violations << QStringLiteral("an operation flag stayed set");
    }

    out.overruns = rig.sim.overruns();
    out.elapsedMs = rig.clock.now();
    if (out.elapsedMs > out.limitMs)
        out.violations << QStringLiteral("the visit took %1 ms of modem time").arg(out.elapsedMs);
    return out;
}
