#include "qtseriallink.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using Failure = SerialLink::OpenFailure;
using Code = QSerialPort::SerialPortError;

// How the serial layer reads QSerialPort's error codes.
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
        const auto row = [](Code error, bool gone, Failure mayUse = Failure::Other, Failure mayNot = Failure::Other) {
            QTest::addRow("code %d", int(error)) << error << gone << mayUse << mayNot;
        };
        // A lock held by another program, or a device node the user may not open.
        row(QSerialPort::PermissionError, true, Failure::InUse, Failure::NoPermission);
        row(QSerialPort::DeviceNotFoundError, true, Failure::NotFound, Failure::NotFound);
        for (const Code gone : {QSerialPort::WriteError, QSerialPort::ReadError, QSerialPort::ResourceError})
            row(gone, true);
        for (const Code kept : {QSerialPort::NoError, QSerialPort::OpenError, QSerialPort::UnsupportedOperationError,
                                QSerialPort::UnknownError, QSerialPort::TimeoutError, QSerialPort::NotOpenError})
            row(kept, false);
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
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
