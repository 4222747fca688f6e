#include "qtseriallink.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using Failure = SerialLink::OpenFailure;
using Code = QSerialPort::SerialPortError;

// How the serial layer reads QSerialPort's error codes, and what it tells the
// user when a port will not open.
class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void errorCode_data()
    {
        QTest::addColumn<Code>("error");
        QTest::addColumn<bool>("gone");      // during use: the line counts as dropped
        QTest::addColumn<Failure>("mayUse"); // at open, on a device the user may use
        QTest::addColumn<Failure>("mayNot"); // at open, on a device the user may not use
        const auto row = [](const char *name, Code error, bool gone, Failure mayUse = Failure::Other,
                            Failure mayNot = Failure::Other) {
            QTest::newRow(name) << error << gone << mayUse << mayNot;
        };
        row("no error", QSerialPort::NoError, false);
        row("device not found", QSerialPort::DeviceNotFoundError, true, Failure::NotFound, Failure::NotFound);
        // A lock held by another program, or a device node the user may not open.
        row("permission", QSerialPort::PermissionError, true, Failure::InUse, Failure::NoPermission);
        row("open", QSerialPort::OpenError, false);
        row("write", QSerialPort::WriteError, true);
        row("read", QSerialPort::ReadError, true);
        row("resource", QSerialPort::ResourceError, true);
        row("unsupported operation", QSerialPort::UnsupportedOperationError, false);
        row("unknown", QSerialPort::UnknownError, false);
        row("timeout", QSerialPort::TimeoutError, false);
        row("not open", QSerialPort::NotOpenError, false);
    }

    void errorCode()
    {
        QFETCH(Code, error);
        QFETCH(bool, gone);
        QFETCH(Failure, mayUse);
        QFETCH(Failure, mayNot);
        QCOMPARE(meansDeviceGone(error), gone);
        QCOMPARE(openFailureFromError(error, true), mayUse);
        QCOMPARE(openFailureFromError(error, false), mayNot);
    }

    void failureText_data()
    {
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << Failure::None << QString();
        QTest::newRow("not found") << Failure::NotFound
                                   << u"The port ttyUSB0 does not exist. Check that the adapter is plugged in and that "
                                      u"the port name is right."_s;
        QTest::newRow("in use") << Failure::InUse
                                << u"The port ttyUSB0 is in use by another program. Close that program, or choose "
                                   u"another port."_s;
#ifdef Q_OS_LINUX
        QTest::newRow("no permission")
            << Failure::NoPermission
            << u"You may not use the port ttyUSB0. Your user must be in the group that owns the device, usually "
               u"dialout: sudo usermod -aG dialout $USER, then log in again."_s;
#else
        QTest::newRow("no permission") << Failure::NoPermission << u"You may not use the port ttyUSB0."_s;
#endif
        QTest::newRow("other") << Failure::Other << u"Input/output error"_s;
    }

    void failureText()
    {
        QFETCH(Failure, failure);
        QFETCH(QString, text);
        QCOMPARE(openFailureText(failure, u"ttyUSB0"_s, u"Input/output error"_s), text);
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
