#include "memorylink.h"
#include "qtseriallink.h"
#include "simmodem.h"
#include "virtualclock.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using Failure = SerialLink::OpenFailure;

// How the serial layer reads QSerialPort's error codes, and what it tells the
// user when a port will not open.
class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void deviceGone_data();
    void deviceGone();
    void openFailureFromCode_data();
    void openFailureFromCode();
    void failureText_data();
    void failureText();
    void failedOpenTellsWhy();
};

void TestSerialLink::deviceGone_data()
{
    QTest::addColumn<QSerialPort::SerialPortError>("error");
    QTest::addColumn<bool>("gone");
    QTest::newRow("no error") << QSerialPort::NoError << false;
    QTest::newRow("device not found") << QSerialPort::DeviceNotFoundError << true;
    QTest::newRow("permission") << QSerialPort::PermissionError << true;
    QTest::newRow("open") << QSerialPort::OpenError << false;
    QTest::newRow("write") << QSerialPort::WriteError << true;
    QTest::newRow("read") << QSerialPort::ReadError << true;
    QTest::newRow("resource") << QSerialPort::ResourceError << true;
    QTest::newRow("unsupported operation") << QSerialPort::UnsupportedOperationError << false;
    QTest::newRow("unknown") << QSerialPort::UnknownError << false;
    QTest::newRow("timeout") << QSerialPort::TimeoutError << false;
    QTest::newRow("not open") << QSerialPort::NotOpenError << false;
}

void TestSerialLink::deviceGone()
{
    QFETCH(QSerialPort::SerialPortError, error);
    QFETCH(bool, gone);
    QCOMPARE(meansDeviceGone(error), gone);
}

void TestSerialLink::openFailureFromCode_data()
{
    QTest::addColumn<QSerialPort::SerialPortError>("error");
    QTest::addColumn<bool>("mayUseDevice");
    QTest::addColumn<Failure>("failure");
    QTest::newRow("absent") << QSerialPort::DeviceNotFoundError << false << Failure::NotFound;
    QTest::newRow("locked by another program") << QSerialPort::PermissionError << true << Failure::InUse;
    QTest::newRow("device node refused") << QSerialPort::PermissionError << false << Failure::NoPermission;
    QTest::newRow("already open") << QSerialPort::OpenError << true << Failure::Other;
    QTest::newRow("not a terminal") << QSerialPort::UnsupportedOperationError << true << Failure::Other;
    QTest::newRow("resource") << QSerialPort::ResourceError << false << Failure::Other;
    QTest::newRow("unknown") << QSerialPort::UnknownError << true << Failure::Other;
}

void TestSerialLink::openFailureFromCode()
{
    QFETCH(QSerialPort::SerialPortError, error);
    QFETCH(bool, mayUseDevice);
    QFETCH(Failure, failure);
    QCOMPARE(openFailureFromError(error, mayUseDevice), failure);
}

void TestSerialLink::failureText_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << Failure::None << QString();
    QTest::newRow("not found") << Failure::NotFound
                               << u"The port ttyUSB0 does not exist. Check that the adapter is plugged in and that the "
                                  u"port name is right."_s;
    QTest::newRow("in use") << Failure::InUse
                            << u"The port ttyUSB0 is in use by another program. Close that program, or choose another "
                               u"port."_s;
#ifdef Q_OS_LINUX
    QTest::newRow("no permission") << Failure::NoPermission
                                   << u"You may not use the port ttyUSB0. Your user must be in the group that owns the "
                                      u"device, usually dialout: sudo usermod -aG dialout $USER, then log in again."_s;
#else
    QTest::newRow("no permission") << Failure::NoPermission << u"You may not use the port ttyUSB0."_s;
#endif
    QTest::newRow("other") << Failure::Other << u"Input/output error"_s;
}

void TestSerialLink::failureText()
{
    QFETCH(Failure, failure);
    QFETCH(QString, text);
    QCOMPARE(openFailureText(failure, u"ttyUSB0"_s, u"Input/output error"_s), text);
}

void TestSerialLink::failedOpenTellsWhy()
{
    VirtualClock clock;
    SimModem modem(clock);
    MemorySerialLink link(clock, modem);
    link.setCommPort(u"ttyS0"_s);
    link.setSettings(u"9600,n,8,1"_s);

    link.failOpen(Failure::InUse);
    link.setPortOpen(true);
    QVERIFY(!link.PortOpen());
    QCOMPARE(link.lastError(), SerialLink::Error::OpenFailed);
    QCOMPARE(link.openFailure(), Failure::InUse);
    QCOMPARE(link.errorString(),
             u"The port ttyS0 is in use by another program. Close that program, or choose another port."_s);

    // The reason of an earlier failure must not outlive a good open.
    link.failOpen(Failure::None);
    link.setPortOpen(true);
    QVERIFY(link.PortOpen());
    QCOMPARE(link.openFailure(), Failure::None);
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
