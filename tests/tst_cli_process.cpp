#include "ptymodem.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Run
{
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

// Starts the program, its standard error the channel saying() reads.
void launch(QProcess &p, const QStringList &args)
{
    p.setReadChannel(QProcess::StandardError);
    p.start(QStringLiteral(MEROLAN_CLI), args);
}

// Returns once standard error shows text; what it said so far is in err.
bool saying(QProcess &p, const QByteArray &text, QByteArray &err)
{
    while (!err.contains(text)) {
        if (!p.waitForReadyRead(30000))
            return false;
        err += p.readAllStandardError();
    }
    return true;
}

Run finished(QProcess &p, const QByteArray &err = {})
{
    if (!p.waitForFinished(60000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            err + p.readAllStandardError()};
}

// The document checked against the schema we ship, by the system's Python
// (package python3-jsonschema): anything beside the one document fails too.
bool matchesSchema(const QByteArray &json)
{
    QProcess python;
    python.start("python3", {"-c",
                             "import json, sys, jsonschema\n"
                             "jsonschema.validate(json.load(sys.stdin), json.load(open(sys.argv[1])))",
                             QStringLiteral(MEROLAN_SCHEMA)});
    python.write(json);
    python.closeWriteChannel();
    python.waitForFinished(30000);
    const bool valid = python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
    if (!valid)
        qWarning("%s", python.readAllStandardError().right(600).constData());
    return valid;
}

SimModem::Config quickModem(const QString &serial)
{
    SimModem::Config c;
    c.serialNumber = serial;
    c.password = QStringLiteral("4321");
    c.syncMs = 200;
    c.escapeReplyMs = 50;
    return c;
}

QStringList received(PtyModemThread &modem)
{
    return modem.call([](SimModem &m) { return m.receivedLines(); });
}

} // namespace

// The program itself against simulated modems on pseudo-terminals: its
// threads, signals and terminal. tst_cli runs its commands in-process.
class TestCliProcess : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
private slots:
    void twoPortsReadAsOneDocument()
    {
        PtyModemThread first(quickModem(QStringLiteral("MRL0000001")));
        PtyModemThread second(quickModem(QStringLiteral("MRL0000002")));
        QVERIFY(first.start() && second.start());
        QProcess p;
        launch(p, {"--password", "4321", "--port", first.devicePath(), "--port", second.devicePath(), "read", "--json",
                   "--save", m_dir.path()});
        const Run r = finished(p);

        QVERIFY2(r.exit == 0, r.err.constData());
        QVERIFY(matchesSchema(r.out));
        const QJsonArray modems = QJsonDocument::fromJson(r.out).object().value("Modems").toArray();
        QCOMPARE(modems.size(), 2);
        for (int n : {0, 1}) {
            const QString serial = QStringLiteral("MRL000000%1").arg(n + 1);
            QCOMPARE(modems[n]["SerialNumber"].toString(), serial);
            QCOMPARE(modems[n]["SavedTo"].toString(), m_dir.filePath(serial + ".mrl"));
            QCOMPARE(received(n == 0 ? first : second).last(), QStringLiteral("#AUTO"));
        }
        QVERIFY(r.err.contains("[" + second.devicePath().toLatin1() + "] Setup read finished."));
    }

    // The password the modem asks for is typed on the terminal, which does
    // not show it; Ctrl-C during the read hands the modem back, status 130.
    void typedPasswordThenInterrupt()
    {
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000005")));
        QVERIFY(modem.start());
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        QProcess p;
        p.setStandardInputFile(QString::fromLatin1(ptsname(master)));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("MEROLAN_PASSWORD"));
        p.setProcessEnvironment(env);
        QByteArray err;
        launch(p, {"--port", modem.devicePath(), "read", "--json"});
        QVERIFY(saying(p, "The Merolan asks for its password: ", err));
        QCOMPARE(write(master, "4321\n", 5), 5);
        QVERIFY(saying(p, "Reading setup...", err));
        ::kill(pid_t(p.processId()), SIGINT);
        const Run r = finished(p, err);
        fcntl(master, F_SETFL, O_NONBLOCK);
        char echoed[256] = {};
        const ssize_t n = read(master, echoed, sizeof echoed - 1);
        close(master);

        QVERIFY(n <= 0 || !QByteArray(echoed, int(n)).contains("4321"));
        QCOMPARE(received(modem).filter(QStringLiteral("#PASSWORD")), QStringList{"#PASSWORD=4321"});
        QCOMPARE(r.exit, 130);
        QVERIFY(matchesSchema(r.out));
        QVERIFY2(r.err.endsWith("Interrupted: the modem was handed back to automatic operation.\n"), r.err.constData());
        QCOMPARE(received(modem).last(), QStringLiteral("#AUTO"));
    }
};

QTEST_GUILESS_MAIN(TestCliProcess)
#include "tst_cli_process.moc"
