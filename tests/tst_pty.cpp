#include "clock.h"
#include "exchange.h"
#include "openlink.h"
#include "operationstate.h"
#include "ptymodem.h"
#include "qtseriallink.h"

#include <QElapsedTimer>
#include <QtTest>

using Failure = SerialLink::OpenFailure;
using Code = QSerialPort::SerialPortError;

// The serial layer on a real QSerialPort, against the simulated modem behind
// a pseudo-terminal served from its own thread: what the in-memory port
// cannot show, and how the layer reads QSerialPort's error codes.
class TestPty : public QObject
{
    Q_OBJECT
private slots:
    void opensAndExchangesUntilTheLineDrops()
    {
        SimModem::Config config;
        config.password = QStringLiteral("12AB");
        config.escapeReplyMs = 20;
        config.syncMs = 50;
        config.replyDelayMs = 1;
        config.lineRate = 9600;
        config.faults = {{SimModem::Fault::Drop, QStringLiteral("SerialNum")}};
        PtyModemThread modem(config);
        QVERIFY2(modem.start(), qPrintable(modem.errorString()));
        RealClock clock;
        QtSerialLink link(clock);
        OperationState state;
        // A port held by another link is refused by QSerialPort's lock file,
        // and the refusal must not outlive it.
        QtSerialLink holder(clock);
        QVERIFY(openLink(holder, modem.devicePath(), QStringLiteral("9600")));
        QVERIFY(!openLink(link, modem.devicePath(), QStringLiteral("9600")));
        QCOMPARE(link.openFailure(), SerialLink::OpenFailure::InUse);
        holder.setPortOpen(false);
        QVERIFY2(openLink(link, modem.devicePath(), QStringLiteral("9600")), qPrintable(link.errorString()));
        QCOMPARE(link.openFailure(), SerialLink::OpenFailure::None);
        QVERIFY(link.errorString().isEmpty());
        // A pseudo-terminal refuses DTR and RTS; that must leave no mark on the link.
        QCOMPARE(link.lastError(), SerialLink::Error::NoError);

        // "mode from" and the password question come apart: the look-up waits across both.
        link.Output(QStringLiteral("###"));
        link.setLookUpText(QStringLiteral("PASSWORD"));
        link.setLookUpTimeOut(5000);
        QCOMPARE(link.LookUp(), 0);
        QVERIFY(link.LookUpInput().contains(QLatin1String("mode from")));
        QCOMPARE(GetResponse(link, state, QStringLiteral("#PASSWORD=12AB")), QString());

        // The modem hangs up halfway through its answer: no 40-second wait.
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(GetResponse(link, state, QStringLiteral("#SerialNum?")), QString());
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(state.ReplyMissing);
        QCOMPARE(link.lastError(), SerialLink::Error::LineDropped);
        QVERIFY(!link.PortOpen());
    }

    // During use, whether the line counts as dropped; at open, the failure on
    // a device the user may use and on one the user may not (a lock held by
    // another program, or a device node the user may not open).
    void errorCode()
    {
        const auto other = Failure::Other;
        const std::tuple<Code, bool, Failure, Failure> rows[] = {
            {QSerialPort::PermissionError, true, Failure::InUse, Failure::NoPermission},
            {QSerialPort::DeviceNotFoundError, true, Failure::NotFound, Failure::NotFound},
            {QSerialPort::WriteError, true, other, other},
            {QSerialPort::ReadError, true, other, other},
            {QSerialPort::ResourceError, true, other, other},
            {QSerialPort::NoError, false, other, other},
            {QSerialPort::OpenError, false, other, other},
            {QSerialPort::UnsupportedOperationError, false, other, other},
            {QSerialPort::UnknownError, false, other, other},
            {QSerialPort::TimeoutError, false, other, other},
            {QSerialPort::NotOpenError, false, other, other}};
        for (const auto &[error, gone, mayUse, mayNot] : rows) {
            QVERIFY2(meansDeviceGone(error) == gone, qPrintable(QString::number(error)));
            QCOMPARE(openFailureFromError(error, true), mayUse);
            QCOMPARE(openFailureFromError(error, false), mayNot);
        }
    }
};

QTEST_GUILESS_MAIN(TestPty)
#include "tst_pty.moc"
