#include "ptymodem.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

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
    return python.waitForFinished(30000) && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
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
        p.start(QStringLiteral(MEROLAN_CLI), {"--password", "4321", "--port", first.devicePath(), "--port",
                                              second.devicePath(), "read", "--json", "--save", m_dir.path()});
        QVERIFY(p.waitForFinished(60000));
        const QByteArray out = p.readAllStandardOutput();
        const QByteArray err = p.readAllStandardError();

        QVERIFY2(p.exitCode() == 0, err.constData());
        QVERIFY(matchesSchema(out));
        const QJsonArray modems = QJsonDocument::fromJson(out).object().value("Modems").toArray();
        QCOMPARE(modems.size(), 2);
        for (int n : {0, 1}) {
            const QString serial = QStringLiteral("MRL000000%1").arg(n + 1);
            QCOMPARE(modems[n]["SerialNumber"].toString(), serial);
            QCOMPARE(modems[n]["SavedTo"].toString(), m_dir.filePath(serial + ".mrl"));
            QCOMPARE(received(n == 0 ? first : second).last(), QStringLiteral("#AUTO"));
        }
        QVERIFY(err.contains("[" + second.devicePath().toLatin1() + "] Setup read finished."));
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
        qunsetenv("MEROLAN_PASSWORD");
        QByteArray err;
        p.setReadChannel(QProcess::StandardError);
        p.start(QStringLiteral(MEROLAN_CLI), {"--port", modem.devicePath(), "read", "--json"});
        QVERIFY(saying(p, "The Merolan asks for its password: ", err));
        QCOMPARE(write(master, "4321\n", 5), 5);
        QVERIFY(saying(p, "Reading setup...", err));
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(60000));
        fcntl(master, F_SETFL, O_NONBLOCK);
        char echoed[256] = {};
        const ssize_t n = read(master, echoed, sizeof echoed - 1);
        close(master);

        QVERIFY(n <= 0 || !QByteArray(echoed, int(n)).contains("4321"));
        QCOMPARE(received(modem).filter(QStringLiteral("#PASSWORD")), QStringList{"#PASSWORD=4321"});
        QCOMPARE(p.exitCode(), 130);
        const QByteArray out = p.readAllStandardOutput();
        QVERIFY(matchesSchema(out));
        QVERIFY(QJsonDocument::fromJson(out)["Interrupted"].toBool());
        err += p.readAllStandardError();
        QVERIFY2(err.endsWith("Interrupted: the modem was handed back to automatic operation.\n"), err.constData());
        QCOMPARE(received(modem).last(), QStringLiteral("#AUTO"));
    }

    // The Windows program under wine, on COM5 mapped to the modem's
    // pseudo-terminal: a read saved to a file, then that file written back
    // to the modem after its APN changed. scripts/test-windows.sh names the
    // program, the wine prefix and the library that lets wine hear the modem.
    void windowsProgramOnCom5()
    {
        const QString cli = qEnvironmentVariable("MEROLAN_WINDOWS_CLI");
        if (cli.isEmpty())
            QSKIP("MEROLAN_WINDOWS_CLI names no merolan-cli.exe: scripts/test-windows.sh runs this case");
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000007")));
        QVERIFY(modem.start());
        const QString com5 = qEnvironmentVariable("WINEPREFIX") + "/dosdevices/com5";
        QFile::remove(com5);
        QVERIFY2(QFile::link(modem.devicePath(), com5), qPrintable(com5));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", qEnvironmentVariable("MEROLAN_WINE_SHIM"));
        const QString saved = m_dir.filePath("site.mrl");
        const auto run = [&](const QStringList &args) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start("wine", QStringList{cli, "--password", "4321", "--port", "COM5"} + args);
            const bool ended = p.waitForFinished(60000);
            return std::tuple{ended ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
        };

        // Wine names the Linux file system as drive Z:.
        const auto [readExit, read, readErr] = run({"read", "--json", "--save", "Z:" + saved});
        QVERIFY2(readExit == 0, readErr.constData());
        QVERIFY(matchesSchema(read));
        const QJsonArray modems = QJsonDocument::fromJson(read)["Modems"].toArray();
        QCOMPARE(modems.size(), 1);
        const QJsonObject modemRead = modems[0].toObject();
        QCOMPARE(modemRead["Port"].toString(), QStringLiteral("COM5"));
        QCOMPARE(modemRead["SerialNumber"].toString(), QStringLiteral("MRL0000007"));
        QCOMPARE(modemRead["Setup"]["APN"].toString(), QStringLiteral("internet.example"));
        QCOMPARE(received(modem).last(), QStringLiteral("#AUTO"));
        QVERIFY(QFile::exists(saved));

        modem.call([](SimModem &m) { m.settings()["APN"] = QStringLiteral("other.example"); });
        const auto [writeExit, written, writeErr] = run({"write", "Z:" + saved, "--json"});
        QVERIFY2(writeExit == 0, writeErr.constData());
        QVERIFY(matchesSchema(written));
        QCOMPARE(QJsonDocument::fromJson(written)["Modems"][0]["Written"].toArray(),
                 QJsonArray{"APN=internet.example"});
        QCOMPARE(received(modem).filter("#APN="), QStringList{"#APN=internet.example"});
        QCOMPARE(modem.call([](SimModem &m) { return m.setting("APN"); }), QStringLiteral("internet.example"));
        QCOMPARE(received(modem).last(), QStringLiteral("#AUTO"));

        // Ctrl-C, which wine hands to the console handler, during a read.
        modem.call([](SimModem &m) { m.clearRecord(); });
        QProcess p;
        p.setProcessEnvironment(env);
        p.setReadChannel(QProcess::StandardError);
        p.start("wine", QStringList{cli, "--password", "4321", "--port", "COM5", "read", "--json"});
        QByteArray err;
        QVERIFY(saying(p, "Reading setup...", err));
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 130);
        QVERIFY(QJsonDocument::fromJson(p.readAllStandardOutput())["Interrupted"].toBool());
        err += p.readAllStandardError();
        // Lines end as Windows ends them.
        QVERIFY2(err.endsWith("Interrupted: the modem was handed back to automatic operation.\r\n"), err.constData());
        QCOMPARE(received(modem).last(), QStringLiteral("#AUTO"));
    }
};

QTEST_GUILESS_MAIN(TestCliProcess)
#include "tst_cli_process.moc"
