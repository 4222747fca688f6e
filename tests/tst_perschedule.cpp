#include "frmselcon.h"
#include "memorylink.h"
#include "perschedule.h"
#include "scheduletime.h"
#include "scheduletimeline.h"
#include "scriptedprompt.h"
#include "setupdiagram.h"
#include "simmodem.h"
#include "virtualclock.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

using Item = SetupView::Item;
using Spans = QList<ScheduleTimeline::Span>;
Q_DECLARE_METATYPE(ScheduleTimeline::Span)

namespace {

const QColor kDriven(255, 255, 192);
const QString kAllShort = QStringLiteral("At least one device must be ON for 1 hour or more");

std::array<double, 3> days(const QStringList &times)
{
    std::array<double, 3> out{};
    for (size_t i = 0; i < 3; ++i)
        out[i] = parseTimeOfDay(times[int(i)]).value();
    return out;
}

// The dialog on stored times, given as "on-off" per device, with a scripted user.
struct Rig
{
    ScriptedPrompt prompt;
    std::unique_ptr<PerSchedule> dialog;

    explicit Rig(const QStringList &pairs, int deviceCount = 3, bool logger = false)
    {
        QStringList on, off;
        for (const QString &pair : pairs) {
            on << pair.section(QLatin1Char('-'), 0, 0);
            off << pair.section(QLatin1Char('-'), 1, 1);
        }
        dialog = std::make_unique<PerSchedule>(days(on), days(off), logger, deviceCount, prompt);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    template <typename T = QWidget>
    T *get(const QString &name) const
    {
        T *found = dialog->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    template <typename T = QWidget>
    T *get(const char *name, int device) const
    {
        return get<T>(QLatin1String(name) + QString::number(device));
    }
    QLineEdit *box(const char *name, int device) const { return get<QLineEdit>(name, device); }
    // What a device shows, "08:00-17:30".
    QString shown(int i) const
    {
        return box("txtH_ON", i)->text() + ':' + box("txtM_ON", i)->text() + '-' + box("txtH_OFF", i)->text() + ':'
               + box("txtM_OFF", i)->text();
    }
    QStringList written() const
    {
        QStringList out;
        for (size_t i = 0; i < 3; ++i)
            out << timeText(dialog->onTimes()[i]) + '-' + timeText(dialog->offTimes()[i]);
        return out;
    }
    void type(QLineEdit *box, const QString &keys)
    {
        box->clear();
        QTest::keyClicks(box, keys);
    }
    // Typed as the user would, hours then minutes.
    void typePair(int i, const QString &pair)
    {
        const QStringList parts = pair.split(QRegularExpression(QStringLiteral("[-:]")));
        const char *boxes[] = {"txtH_ON", "txtM_ON", "txtH_OFF", "txtM_OFF"};
        for (int b = 0; b < 4; ++b)
            type(box(boxes[b], i), parts[b]);
    }
    // Fusion, the offscreen style, puts the upper arrow at the top of the bar.
    void upperArrow(QScrollBar *bar) { QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 2)); }
    bool driven(const char *name, int device) const
    {
        return box(name, device)->palette().color(QPalette::Base) == kDriven;
    }
};

const QStringList kOthersOff{QStringLiteral("08:00-09:00"), QStringLiteral("12:00-12:00"),
                             QStringLiteral("12:00-12:00")};

} // namespace

class TestPerSchedule : public QObject
{
    Q_OBJECT

private slots:
    void boxesCorrectThemselvesAsTheyChange_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("caret");
        const auto row = [](const char *name, const char *box, const char *typed, bool pasted, const char *shown,
                            int caret) {
            QTest::newRow(name) << QString::fromLatin1(box) << QString::fromLatin1(typed) << pasted
                                << QString::fromLatin1(shown) << caret;
        };
        row("one digit hour", "txtH_ON", "7", false, "07", 2);
        // The caret after "01" makes the second digit the units.
        row("two digit hour", "txtH_ON", "12", false, "12", 2);
        row("7, 1, 2 is 712, past 23", "txtH_OFF", "712", false, "02", 2);
        row("pasted negative hour", "txtH_OFF", "-3", true, "23", 2);
        // The caret stays where the typing left it.
        row("one digit is the tens", "txtM_ON", "3", false, "30", 1);
        row("minutes rounded down", "txtM_ON", "37", false, "30", 2);
        row("pasted negative minutes", "txtM_OFF", "-5", true, "50", 2);
        row("cleared stays empty", "txtM_ON", "", false, "", 0);
    }
    void boxesCorrectThemselvesAsTheyChange()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        Rig rig(kOthersOff);
        QLineEdit *edit = rig.box(qPrintable(box), 0);
        edit->clear();
        if (pasted)
            edit->insert(typed);
        else
            QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "shown");
        QTEST(edit->cursorPosition(), "caret");
    }

    // Minutes load before hours, each through its box's correction; the
    // devices load in turn, so one stored always on turns the others off
    // only until their own times load.
    void loadingOrder()
    {
        Rig timed({QStringLiteral("08:15-17:30"), QStringLiteral("11:00-10:40"), QStringLiteral("09:00-09:00")});
        QCOMPARE(timed.shown(0), QStringLiteral("08:10-17:30"));
        QCOMPARE(timed.shown(1), QStringLiteral("11:00-10:40"));
        QVERIFY(!timed.get<QCheckBox>("chkON", 1)->isChecked());
        QCOMPARE(timed.shown(2), QStringLiteral("12:00-12:00"));
        QVERIFY(timed.get<QCheckBox>("chkOFF", 2)->isChecked() && !timed.get("chkON", 2)->isEnabled());
        QVERIFY(!timed.box("txtH_ON", 2)->isEnabled());
        for (int i = 0; i < 2; ++i)
            QVERIFY(timed.driven("txtH_ON", i) && timed.driven("txtH_OFF", i) && !timed.driven("txtM_ON", i));

        Rig first({QStringLiteral("11:00-10:50"), QStringLiteral("06:00-07:00"), QStringLiteral("09:00-09:00")});
        QCOMPARE(first.shown(0), QStringLiteral("11:00-10:50"));
        QVERIFY(first.get<QCheckBox>("chkON", 0)->isChecked() && !first.get("chkOFF", 0)->isEnabled());
        QCOMPARE(first.shown(1), QStringLiteral("06:00-07:00"));
        QVERIFY(!first.get<QCheckBox>("chkOFF", 1)->isChecked() && !first.get("chkOFF", 1)->isEnabled());
        QVERIFY(first.box("txtH_ON", 1)->isEnabled());
        QCOMPARE(first.shown(2), QStringLiteral("12:00-12:00"));
        QVERIFY(first.get<QCheckBox>("chkOFF", 2)->isChecked() && !first.get("chkOFF", 2)->isEnabled());
    }

    // The stepper drives the box last clicked or focused, which is lit; it
    // wraps at both ends, and minutes never carry into the hours.
    void stepperFollowsTheSelectedBox()
    {
        Rig rig({QStringLiteral("23:00-00:50"), kOthersOff[1], kOthersOff[2]});
        auto *on = rig.get<QScrollBar>("VScrollON", 0);
        rig.upperArrow(on);
        QCOMPARE(rig.shown(0), QStringLiteral("00:00-00:50"));
        QTest::keyClick(on, Qt::Key_Down);
        QCOMPARE(rig.shown(0), QStringLiteral("23:00-00:50"));

        QTest::mouseClick(rig.box("txtM_OFF", 0), Qt::LeftButton);
        QVERIFY(rig.driven("txtM_OFF", 0) && !rig.driven("txtH_OFF", 0));
        auto *off = rig.get<QScrollBar>("VScrollOFF", 0);
        rig.upperArrow(off);
        QCOMPARE(rig.shown(0), QStringLiteral("23:00-00:00"));
        QTest::keyClick(off, Qt::Key_Down);
        QCOMPARE(rig.shown(0), QStringLiteral("23:00-00:50"));

        // Typing sets the stepper's place; the keyboard's focus selects too.
        rig.type(rig.box("txtM_OFF", 0), QStringLiteral("2"));
        rig.upperArrow(off);
        QCOMPARE(rig.shown(0), QStringLiteral("23:00-00:30"));
        rig.box("txtH_OFF", 0)->setFocus(Qt::TabFocusReason);
        QVERIFY(rig.driven("txtH_OFF", 0) && !rig.driven("txtM_OFF", 0));
        rig.upperArrow(off);
        QCOMPARE(rig.shown(0), QStringLiteral("23:00-01:30"));
        QVERIFY(rig.driven("txtH_ON", 0));
    }

    void alwaysOnTurnsTheOthersOff()
    {
        Rig rig({QStringLiteral("08:00-17:30"), QStringLiteral("06:00-07:00"), QStringLiteral("22:00-06:00")});
        auto *alwaysOn = rig.get<QCheckBox>("chkON", 1);
        QTest::mouseClick(alwaysOn, Qt::LeftButton);
        QCOMPARE(rig.shown(1), QStringLiteral("11:00-10:50"));
        QVERIFY(!rig.box("txtM_OFF", 1)->isEnabled() && !rig.get("VScrollON", 1)->isEnabled());
        QVERIFY(!rig.get("chkOFF", 1)->isEnabled());
        for (int k : {0, 2}) {
            QCOMPARE(rig.shown(k), QStringLiteral("12:00-12:00"));
            QVERIFY(rig.get<QCheckBox>("chkOFF", k)->isChecked());
            QVERIFY(!rig.get("chkON", k)->isEnabled() && !rig.get("chkOFF", k)->isEnabled());
            QVERIFY(!rig.box("txtH_ON", k)->isEnabled());
        }

        // Unticked, the others may leave always off; the times stay until edited.
        QTest::mouseClick(alwaysOn, Qt::LeftButton);
        QCOMPARE(rig.shown(1), QStringLiteral("11:00-10:50"));
        QVERIFY(rig.box("txtM_OFF", 1)->isEnabled() && rig.get("chkOFF", 1)->isEnabled());
        for (int k : {0, 2}) {
            QVERIFY(rig.get<QCheckBox>("chkOFF", k)->isChecked() && rig.get("chkOFF", k)->isEnabled());
            QVERIFY(!rig.get("chkON", k)->isEnabled());
        }
    }

    void ok_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("deviceCount");
        QTest::addColumn<int>("typedDevice"); // -1: none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("written");
        const QString off = QStringLiteral("12:00-12:00");
        const QStringList timed{QStringLiteral("08:00-17:30"), QStringLiteral("22:00-06:00"),
                                QStringLiteral("13:00-14:00")};

        QTest::newRow("40 minutes across midnight") << QStringList{QStringLiteral("23:30-00:10"), off, off} << 3 << -1
                                                    << QString() << kAllShort << QStringList() << QStringList();
        QTest::newRow("empty box") << kOthersOff << 3 << 0 << QStringLiteral("07:00-:00")
                                   << QStringLiteral("Device 1: the Time OFF hours box is empty") << QStringList()
                                   << QStringList();
        QTest::newRow("exactly an hour") << kOthersOff << 3 << -1 << QString() << QString()
                                         << QStringList{QStringLiteral("ON 08:00~09:00"), QStringLiteral("ALWAYS OFF"),
                                                        QStringLiteral("ALWAYS OFF")}
                                         << kOthersOff;
        QTest::newRow("always on typed on the last device")
            << timed << 3 << 2 << QStringLiteral("11:00-10:50") << QString()
            << QStringList{QStringLiteral("ON 08:00~17:30"), QStringLiteral("ON 22:00~06:00"),
                           QStringLiteral("ALWAYS ON")}
            << QStringList{timed[0], timed[1], QStringLiteral("11:00-10:50")};
        // Written first, it turns the later devices off before they are read.
        QTest::newRow("always on typed on the first device")
            << QStringList{timed[2], timed[0], timed[1]} << 3 << 0 << QStringLiteral("11:00-10:50") << QString()
            << QStringList{QStringLiteral("ALWAYS ON"), QStringLiteral("ALWAYS OFF"), QStringLiteral("ALWAYS OFF")}
            << QStringList{QStringLiteral("11:00-10:50"), off, off};
        QTest::newRow("hidden devices still count")
            << QStringList{QStringLiteral("05:00-05:30"), QStringLiteral("20:00-21:00"), off} << 1 << -1 << QString()
            << QString()
            << QStringList{QStringLiteral("ON 05:00~05:30"), QStringLiteral("ON 20:00~21:00"),
                           QStringLiteral("ALWAYS OFF")}
            << QStringList{QStringLiteral("05:00-05:30"), QStringLiteral("20:00-21:00"), off};
    }
    void ok()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, deviceCount);
        QFETCH(int, typedDevice);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QStringList, captions);
        Rig rig(stored, deviceCount);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(rig.get("fraDev", i)->isVisible(), i < deviceCount);
        if (typedDevice >= 0)
            rig.typePair(typedDevice, typed);
        rig.get<QPushButton>("cmdOK")->click();

        if (!refusal.isEmpty()) {
            // The dialog stays, with the user's edits.
            QCOMPARE(rig.prompt.messages(), QStringList{refusal});
            QVERIFY(rig.dialog->isVisible());
            QCOMPARE(rig.shown(typedDevice < 0 ? 0 : typedDevice), typedDevice < 0 ? stored[0] : typed);
            return;
        }
        QVERIFY(rig.prompt.shown().isEmpty());
        QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QStringList(rig.dialog->captions().begin(), rig.dialog->captions().end()), captions);
        QTEST(rig.written(), "written");
    }

    void cancelAndCloseWriteNothing()
    {
        for (bool viaCancel : {true, false}) {
            Rig rig(kOthersOff);
            rig.typePair(0, QStringLiteral("06:00-18:00"));
            QTest::mouseClick(rig.get<QCheckBox>("chkON", 2), Qt::LeftButton);
            if (viaCancel)
                rig.get<QPushButton>("cmdCancel")->click();
            else
                rig.dialog->close();
            QCOMPARE(rig.dialog->result(), int(QDialog::Rejected));
            QCOMPARE(rig.written(), kOthersOff);
            QCOMPARE(rig.dialog->captions()[0], QString());
        }
    }

    void captionsOfTheFrames()
    {
        Rig logger(kOthersOff, 2, true);
        QCOMPARE(logger.dialog->windowTitle(), QStringLiteral("Peripheral Schedule"));
        QCOMPARE(logger.get<QGroupBox>("fraDev", 0)->title(), QStringLiteral("Ombrilex data logger"));
        QCOMPARE(logger.get<QGroupBox>("fraDev", 1)->title(), QStringLiteral("Device 2"));
        // Every box and stepper is spoken by device and side.
        QCOMPARE(logger.get("VScrollOFF", 1)->accessibleName(), QStringLiteral("Device 2 OFF step"));
        QCOMPARE(logger.box("txtM_ON", 0)->accessibleName(), QStringLiteral("Device 1 ON minutes"));
    }

    void timelineSpans_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<Spans>("spans");
        QTest::newRow("same day") << "08:00"
                                  << "17:30" << Spans{{8.0, 17.5}};
        QTest::newRow("across midnight") << "22:00"
                                         << "06:00" << Spans{{22.0, 24.0}, {0.0, 6.0}};
        QTest::newRow("always on") << "11:00"
                                   << "10:50" << Spans{{0.0, 24.0}};
        QTest::newRow("always off") << "12:00"
                                    << "12:00" << Spans{};
        QTest::newRow("box empty") << ":00"
                                   << "12:00" << Spans{};
    }
    void timelineSpans()
    {
        QFETCH(QString, on);
        QFETCH(QString, off);
        QTEST(ScheduleTimeline::onSpans(on, off), "spans");
    }

    // The timeline reads the boxes as they change and says why OK would refuse.
    void timelineFollowsTheBoxes()
    {
        Rig rig({QStringLiteral("22:00-06:00"), QStringLiteral("12:00-12:00"), QStringLiteral("08:00-17:30")}, 2);
        auto *timeline = rig.get<ScheduleTimeline>(QStringLiteral("scheduleTimeline"));
        QCOMPARE(timeline->accessibleDescription(),
                 QStringLiteral("Device 1: on from 22:00 to 06:00, across midnight, 8 h 0 min. Device 2: always off."));
        // The two pieces of a night meet the ends of the axis.
        const QRectF day = timeline->spanRect(0, {0.0, 24.0});
        QCOMPARE(timeline->spanRect(0, {22.0, 24.0}).right(), day.right());
        QCOMPARE(timeline->spanRect(0, {0.0, 6.0}).left(), day.left());
        QCOMPARE(timeline->spanRect(0, {0.0, 6.0}).width(), day.width() / 4);

        // Device 3, hidden, is on long enough until it is switched off.
        rig.type(rig.box("txtH_OFF", 0), QStringLiteral("22"));
        rig.type(rig.box("txtM_OFF", 0), QStringLiteral("5"));
        QCOMPARE(timeline->accessibleDescription(),
                 QStringLiteral("Device 1: on from 22:00 to 22:50, 0 h 50 min. Device 2: always off."));
        QTest::mouseClick(rig.get<QCheckBox>("chkOFF", 2), Qt::LeftButton);
        QCOMPARE(timeline->accessibleDescription(),
                 QStringLiteral("Device 1: on from 22:00 to 22:50, 0 h 50 min. Device 2: always off. "
                                "No device is on for an hour or more."));
    }

    // The window opens the dialog on its record and takes what OK wrote;
    // while an operation runs it only beeps.
    void openedFromTheWindow()
    {
        VirtualClock clock;
        SimModem sim{clock};
        MemorySerialLink link{clock, sim};
        ScriptedPrompt prompt;
        frmSelCon window(link, prompt);
        Session &s = window.session();
        s.EditSetup.OnTime = days({QStringLiteral("08:00"), QStringLiteral("12:00"), QStringLiteral("12:00")});
        s.EditSetup.OffTime = days({QStringLiteral("17:30"), QStringLiteral("12:00"), QStringLiteral("12:00")});
        s.ModemSetup = s.EditSetup;

        int opened = 0;
        QTimer::singleShot(0, &window, [&] {
            auto *dialog = qobject_cast<PerSchedule *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            ++opened;
            QTest::mouseClick(dialog->findChild<QCheckBox *>(QStringLiteral("chkOFF1")), Qt::LeftButton);
            dialog->findChild<QLineEdit *>(QStringLiteral("txtH_ON1"))->setText(QStringLiteral("21"));
            dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        });
        emit window.diagram()->scheduleClicked(1);
        QCOMPARE(opened, 1);
        QCOMPARE(timeText(s.EditSetup.OnTime[1]), QStringLiteral("21:00"));
        QCOMPARE(timeText(s.EditSetup.OffTime[1]), QStringLiteral("12:00"));
        QCOMPARE(window.caption(Item::lblTime1), QStringLiteral("ON 21:00~12:00"));
        QCOMPARE(window.caption(Item::lblTime0), QStringLiteral("ON 08:00~17:30"));
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("cmdWrite"))->styleSheet().isEmpty());

        s.state.Writing = true;
        QTimer::singleShot(0, &window, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        emit window.diagram()->scheduleClicked(0);
        QCOMPARE(prompt.beeps(), 1);
        QCOMPARE(window.caption(Item::lblTime0), QStringLiteral("ON 08:00~17:30"));
        s.state.Writing = false;
    }
};

QTEST_MAIN(TestPerSchedule)
#include "tst_perschedule.moc"
