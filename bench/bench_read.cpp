// Connect and a full read over a real pseudo-terminal against a modem that
// answers at once, compared with the protocol's floor: the pauses the modem
// dialogue demands. Then a verified write's extra time against the floor of its
// extra queries, and merolan-cli writing to 8 modems in parallel against 1.

#include "clock.h"
#include "connection.h"
#include "ptymodem.h"
#include "qtseriallink.h"
#include "recordingview.h"
#include "scriptedprompt.h"
#include "session.h"
#include "setupfile.h"
#include "verifywrite.h"
#include "writesetup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

static SimModem::Config instantModem(int n)
{
    SimModem::Config c;
    c.serialNumber = QStringLiteral("MRL%1").arg(n, 7, 10, QLatin1Char('0'));
    c.identity = QStringLiteral("MEROLAN 2.50"); // reads the e-mail settings too
    c.replyDelayMs = 0;
    c.escapeReplyMs = 0;
    c.syncMs = 0;
    return c;
}

static void connectAndRead()
{
    std::printf("Connect + full read (escape, login without password, read), 3 runs:\n");
    for (int run = 0; run < 3; ++run) {
        PtyModemThread modem(instantModem(run));
        if (!modem.start()) {
            std::printf("  cannot start the modem: %s\n", qPrintable(modem.errorString()));
            return;
        }
        RealClock clock;
        QtSerialLink link(clock);
        RecordingView view;
        ScriptedPrompt prompt;
        Session s(link, view, prompt);

        QElapsedTimer t;
        t.start();
        const bool ok = Connect(s, modem.devicePath(), QStringLiteral("9600")) == ConnectResult::Ready;
        const qint64 ms = t.elapsed();

        const QStringList lines = modem.call([](SimModem &m) { return m.receivedLines(); });
        const qint64 exchanges = std::count_if(lines.begin(), lines.end(), [](const QString &l) {
            return l.startsWith(QLatin1Char('#')) && l != QLatin1String("###");
        });
        // 2 s of quiet before the escape, one poll that sees the announcement,
        // one that sees "NO PASSWORD", 2 s after the login, 200 ms before
        // every command.
        const qint64 floor = 2000 + 100 + 100 + 2000 + 200 * exchanges;
        std::printf("  run %d: %s, %lld exchanges, %lld ms against a floor of %lld ms: %.4fx\n", run + 1,
                    ok ? "read" : "FAILED", qlonglong(exchanges), qlonglong(ms), qlonglong(floor),
                    double(ms) / double(floor));
    }
}

static void verifiedWrite()
{
    std::printf("Write of 6 settings, then read back and compare, 3 runs:\n");
    for (int run = 0; run < 3; ++run) {
        PtyModemThread modem(instantModem(50 + run));
        if (!modem.start()) {
            std::printf("  cannot start the modem: %s\n", qPrintable(modem.errorString()));
            return;
        }
        RealClock clock;
        QtSerialLink link(clock);
        RecordingView view;
        ScriptedPrompt prompt;
        Session s(link, view, prompt);
        if (Connect(s, modem.devicePath(), QStringLiteral("9600")) != ConnectResult::Ready) {
            std::printf("  run %d: connect FAILED\n", run + 1);
            return;
        }
        SetupRecord &e = s.EditSetup;
        e.OnTime[0] = 0.3;
        e.SMSNum = QStringLiteral("+306900000001");
        e.APN = QStringLiteral("bench.verify");
        e.HostPort = 5020;
        e.XUser = QStringLiteral("bench-user");
        e.ESender = QStringLiteral("bench@site.example");

        QElapsedTimer t;
        t.start();
        const bool written = WriteChanges(s, false);
        const qint64 writeMs = t.restart();
        const VerifyOutcome v = VerifyWrite(s);
        const qint64 verifyMs = t.elapsed();
        const qint64 queries = v.verified.size() + v.mismatched.size() + v.notConfirmed.size();
        // Only the exchange's fixed 200 ms before every command line.
        const qint64 floor = 200 * queries;
        std::printf("  run %d: write %s in %lld ms; read-back %lld verified, +%lld ms for %lld queries against a "
                    "floor of %lld ms: %.4fx\n",
                    run + 1, written ? "done" : "FAILED", qlonglong(writeMs), qlonglong(v.verified.size()),
                    qlonglong(verifyMs), qlonglong(queries), qlonglong(floor), double(verifyMs) / double(floor));
    }
}

static qint64 cliWrite(const QString &cli, const QString &file, int modems)
{
    std::vector<std::unique_ptr<PtyModemThread>> threads;
    QStringList args;
    for (int i = 0; i < modems; ++i) {
        threads.push_back(std::make_unique<PtyModemThread>(instantModem(100 + i)));
        threads.back()->start();
        args << QStringLiteral("--port") << threads.back()->devicePath();
    }
    args << QStringLiteral("write") << file;
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(cli, args);
    p.waitForFinished(300000);
    const qint64 ms = t.elapsed();
    if (p.exitCode() != 0)
        std::printf("  merolan-cli failed: %s\n", p.readAllStandardError().constData());
    return ms;
}

static void parallelWrite(const QString &cli)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.mrl"));
    SetupRecord record;
    record.Role = 1;
    record.Logger = 0;
    record.Baud = 4;
    record.HostIP = QStringLiteral("gw.example.net");
    record.HostPort = 1023;
    record.APN = QStringLiteral("bench.apn");
    QString error;
    if (!saveSetupFile(file, record, &error)) {
        std::printf("  cannot save %s: %s\n", qPrintable(file), qPrintable(error));
        return;
    }
    const qint64 one = cliWrite(cli, file, 1);
    const qint64 eight = cliWrite(cli, file, 8);
    std::printf("merolan-cli write: 1 modem %lld ms, 8 modems in parallel %lld ms: %.3fx\n", qlonglong(one),
                qlonglong(eight), double(eight) / double(one));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    connectAndRead();
    verifiedWrite();
    parallelWrite(QStringLiteral(MEROLAN_CLI));
    return 0;
}
