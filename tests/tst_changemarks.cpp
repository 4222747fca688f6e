#include "changemarks.h"
#include "setuprecord.h"

#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
using Marks = QMap<Item, QString>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Marks)
Q_DECLARE_METATYPE(SetupRecord)

namespace {

// The modem's setup, every field distinct so that a mark on the wrong line
// or the wrong value in a tip shows.
const SetupRecord kModem{.Role = 1,
                         .Logger = 1,
                         .HostIP = u"gw.example.net"_s,
                         .HostPort = 1023,
                         .APN = u"internet.example"_s,
                         .GPRSID = u"gprsuser"_s,
                         .GPRSPass = u"gprs-secret"_s,
                         .SMSNum = u"+306912345"_s,
                         .Baud = 5,
                         .ERecep = u"a@x.net,b@y.net"_s,
                         .ESender = u"m@x.net"_s,
                         .EmailInterval = 6,
                         .MailServer = u"smtp.x.net"_s,
                         .XUser = u"mailer"_s,
                         .XPas = u"mail-secret"_s,
                         .OnTime = {6.0 / 24, 11.0 / 24, 7.0 / 24 + 20.0 / 1440},
                         .OffTime = {18.5 / 24, 10.0 / 24 + 50.0 / 1440, 7.0 / 24 + 20.0 / 1440}};

} // namespace

class TestChangeMarks : public QObject
{
    Q_OBJECT
private slots:
    void eachFieldMarksItsLines_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<SetupRecord>("modem");
        // A change beside a modem that holds another setup.
        const auto beside = [](const char *name, const SetupRecord &modem, Change change, Marks marks) {
            QTest::newRow(name) << change << marks << modem;
        };
        const auto row = [&](const char *name, Change change, Marks marks) { beside(name, kModem, change, marks); };
        row("nothing", [](SetupRecord &) {}, {});
        // Their own controls show these two.
        row("Role", [](SetupRecord &r) { r.Role = 2; }, {});
        row("Logger", [](SetupRecord &r) { r.Logger = 0; }, {});
        row("HostIP", [](SetupRecord &r) { r.HostIP = u"other.example.net"_s; },
            {{Item::lblTessarinIP, u"In the Merolan: gw.example.net"_s}});
        row("HostIP in another case", [](SetupRecord &r) { r.HostIP = u"GW.example.net"_s; },
            {{Item::lblTessarinIP, u"In the Merolan: gw.example.net"_s}});
        row("HostPort", [](SetupRecord &r) { r.HostPort = 502; },
            {{Item::lblTessarinPort, u"In the Merolan: 1023"_s}, {Item::lblServerPort, u"In the Merolan: 1023"_s}});
        row("APN", [](SetupRecord &r) { r.APN = u"web"_s; }, {{Item::lblAPN, u"In the Merolan: internet.example"_s}});
        row("GPRSID", [](SetupRecord &r) { r.GPRSID = u"other"_s; },
            {{Item::lblProviderUser, u"In the Merolan: gprsuser"_s}});
        row("GPRSPass", [](SetupRecord &r) { r.GPRSPass = u"new-secret"_s; },
            {{Item::lblProviderPWD, u"Password changed"_s}});
        row("SMSNum", [](SetupRecord &r) { r.SMSNum.clear(); }, {{Item::lblSMS, u"In the Merolan: +306912345"_s}});
        row("Baud", [](SetupRecord &r) { r.Baud = 7; }, {{Item::lblBaud, u"In the Merolan: 19200"_s}});
        row("EmailInterval", [](SetupRecord &r) { r.EmailInterval = 0; },
            {{Item::lblEmail, u"In the Merolan:\nEmail: per 6h"_s}});
        row("ERecep", [](SetupRecord &r) { r.ERecep = u"c@z.net"_s; },
            {{Item::lblEmail, u"In the Merolan:\nRecipients: a@x.net,b@y.net"_s}});
        row("ESender", [](SetupRecord &r) { r.ESender = u"n@x.net"_s; },
            {{Item::lblEmail, u"In the Merolan:\nSender: m@x.net"_s}});
        row("MailServer", [](SetupRecord &r) { r.MailServer = u"smtp.y.net"_s; },
            {{Item::lblEmail, u"In the Merolan:\nSMTP server: smtp.x.net"_s}});
        row("XUser", [](SetupRecord &r) { r.XUser = u"robot"_s; },
            {{Item::lblEmail, u"In the Merolan:\nUserID: mailer"_s}});
        row("XPas", [](SetupRecord &r) { r.XPas = u"new-secret"_s; }, {{Item::lblEmail, u"Password changed"_s}});
        row("whole e-mail dialog",
            [](SetupRecord &r) {
                r.EmailInterval = 12;
                r.ERecep.clear();
                r.ESender.clear();
                r.MailServer.clear();
                r.XUser.clear();
                r.XPas.clear();
            },
            {{Item::lblEmail, u"In the Merolan:\nEmail: per 6h\nRecipients: a@x.net,b@y.net\nSender: m@x.net\n"
                              "SMTP server: smtp.x.net\nUserID: mailer\nPassword changed"_s}});
        row("OnTime 0", [](SetupRecord &r) { r.OnTime[0] = 7.0 / 24; },
            {{Item::lblTime0, u"In the Merolan: ON 06:00~18:30"_s}});
        row("OffTime 1", [](SetupRecord &r) { r.OffTime[1] = 12.0 / 24; },
            {{Item::lblTime1, u"In the Merolan: ALWAYS ON"_s}});
        row("OnTime 2", [](SetupRecord &r) { r.OnTime[2] = 0; }, {{Item::lblTime2, u"In the Merolan: ALWAYS OFF"_s}});

        // What the modem holds is said even when it holds nothing.
        SetupRecord empty = kModem;
        empty.APN.clear();
        empty.Baud = 0;
        empty.SMSNum.clear();
        beside("modem holds nothing", empty, [](SetupRecord &) {},
               {{Item::lblAPN, u"In the Merolan: (empty)"_s},
                {Item::lblSMS, u"In the Merolan: Disabled"_s},
                {Item::lblBaud, u"In the Merolan: not known"_s}});
        // The read gives the mail password as 99 asterisks, the e-mail dialog
        // as eight: both are the placeholder that is never sent, so no change.
        SetupRecord read = kModem;
        read.XPas = QString(99, u'*');
        beside("XPas placeholder", read, [](SetupRecord &r) { r.XPas = u"********"_s; }, {});
        beside("XPas emptied", read, [](SetupRecord &r) { r.XPas.clear(); }, {});
        beside("XPas typed", read, [](SetupRecord &r) { r.XPas = u"*x*"_s; },
               {{Item::lblEmail, u"Password changed"_s}});
    }

    void eachFieldMarksItsLines()
    {
        QFETCH(Change, change);
        QFETCH(Marks, marks);
        QFETCH(SetupRecord, modem);
        SetupRecord edit = kModem;
        change(edit);
        QCOMPARE(changedLines(edit, modem), marks);
        // Only the role and the logger differ without a line to mark.
        QCOMPARE(edit == modem, marks.isEmpty() && edit.Role == modem.Role && edit.Logger == modem.Logger);
    }
};

QTEST_MAIN(TestChangeMarks)
#include "tst_changemarks.moc"
