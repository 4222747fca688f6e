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

using namespace Qt::StringLiterals;
using Item = SetupView::Item;
using Spans = QList<ScheduleTimeline::Span>;
Q_DECLARE_METATYPE(ScheduleTimeline::Span)

namespace {

const QColor kDriven(255, 255, 192);

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
    QStringList shown() const { return {shown(0), shown(1), shown(2)}; }
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
        const QStringList parts = pair.split(QRegularExpression(u"[-:]"_s));
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

const QStringList kOthersOff{u"08:00-09:00"_s, u"12:00-12:00"_s, u"12:00-12:00"_s};

} // namespace

class TestPerSchedule : public QObject
{
    Q_OBJECT

private slots:
    // The caret decides what a digit means: after "01" a second digit makes
    // the units; a lone minutes digit is the tens and the caret stays after it.
    void boxesCorrectThemselvesAsTheyChange()
    {
        Rig rig(kOthersOff);
        for (const auto &[box, typed, shown, caret] :
             {std::tuple{"txtH_ON", "12", "12", 2}, {"txtM_ON", "3", "30", 1}}) {
            QLineEdit *edit = rig.box(box, 0);
            rig.type(edit, QLatin1String(typed));
            QCOMPARE(edit->text(), QLatin1String(shown));
            QCOMPARE(edit->cursorPosition(), caret);
        }
        // A click selects the box as Tab does: what is typed replaces it.
        for (const auto &[box, typed, shown] : {std::tuple{"txtH_OFF", "9", "09"}, {"txtM_OFF", "3", "30"}}) {
            QLineEdit *edit = rig.box(box, 0);
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 3, edit->height() / 2));
            QTest::keyClicks(edit, QLatin1String(typed));
            QCOMPARE(edit->text(), QLatin1String(shown));
        }
    }

    // Opened and OKed untouched, every device keeps its stored times, whichever
    // device is always on: minutes show rounded down and always off as
    // 12:00, but only the user's own edits are written.
    void okUntouchedKeepsTheStoredTimes_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("alwaysOn"); // the device, -1 for none
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("always on loaded after a timed device")
            << QStringList{u"06:00-18:30"_s, u"11:00-10:50"_s, u"12:00-12:00"_s}
            << QStringList{u"06:00-18:30"_s, u"11:00-10:50"_s, u"12:00-12:00"_s} << 1
            << QStringList{u"ON 06:00~18:30"_s, u"ALWAYS ON"_s, u"ALWAYS OFF"_s};
        QTest::newRow("always on loaded first")
            << QStringList{u"11:00-10:50"_s, u"06:00-07:00"_s, u"09:00-09:00"_s}
            << QStringList{u"11:00-10:50"_s, u"06:00-07:00"_s, u"12:00-12:00"_s} << 0
            << QStringList{u"ALWAYS ON"_s, u"ON 06:00~07:00"_s, u"ALWAYS OFF"_s};
        QTest::newRow("off-step minute, near always on")
            << QStringList{u"08:15-17:30"_s, u"11:00-10:40"_s, u"09:00-09:00"_s}
            << QStringList{u"08:10-17:30"_s, u"11:00-10:40"_s, u"12:00-12:00"_s} << -1
            << QStringList{u"ON 08:15~17:30"_s, u"ON 11:00~10:40"_s, u"ALWAYS OFF"_s};
    }
    void okUntouchedKeepsTheStoredTimes()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, alwaysOn);
        Rig rig(stored);
        QTEST(rig.shown(), "shown");
        for (int i = 0; i < 3; ++i) {
            QVERIFY(rig.driven("txtH_ON", i) && rig.driven("txtH_OFF", i) && !rig.driven("txtM_ON", i));
            const bool off = rig.shown(i).section('-', 0, 0) == rig.shown(i).section('-', 1);
            QCOMPARE(rig.get<QCheckBox>("chkOFF", i)->isChecked(), off);
            QCOMPARE(rig.get<QCheckBox>("chkON", i)->isChecked(), i == alwaysOn);
            // Beside an always-on device no other may be always on, or leave its state.
            QCOMPARE(rig.get("chkON", i)->isEnabled(), i == alwaysOn || (alwaysOn < 0 && !off));
            QCOMPARE(rig.get("chkOFF", i)->isEnabled(), alwaysOn < 0);
            QCOMPARE(rig.box("txtH_ON", i)->isEnabled(), !off && i != alwaysOn);
        }
        rig.get<QPushButton>("cmdOK")->click();
        QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(rig.written(), stored);
        QTEST(QStringList(rig.dialog->captions().begin(), rig.dialog->captions().end()), "captions");
    }

    // The stepper drives the box last clicked or focused, which is lit; it
    // wraps at both ends, and minutes never carry into the hours.
    void stepperFollowsTheSelectedBox()
    {
        Rig rig({u"23:00-00:50"_s, kOthersOff[1], kOthersOff[2]});
        auto *on = rig.get<QScrollBar>("VScrollON", 0);
        rig.upperArrow(on);
        QCOMPARE(rig.shown(0), u"00:00-00:50"_s);
        QTest::keyClick(on, Qt::Key_Down);
        QCOMPARE(rig.shown(0), u"23:00-00:50"_s);

        QTest::mouseClick(rig.box("txtM_OFF", 0), Qt::LeftButton);
        QVERIFY(rig.driven("txtM_OFF", 0) && !rig.driven("txtH_OFF", 0));
        auto *off = rig.get<QScrollBar>("VScrollOFF", 0);
        rig.upperArrow(off);
        QCOMPARE(rig.shown(0), u"23:00-00:00"_s);
        QTest::keyClick(off, Qt::Key_Down);
        QCOMPARE(rig.shown(0), u"23:00-00:50"_s);

        // Typing sets the stepper's place; the keyboard's focus selects too.
        rig.type(rig.box("txtM_OFF", 0), u"2"_s);
        rig.upperArrow(off);
        QCOMPARE(rig.shown(0), u"23:00-00:30"_s);
        rig.box("txtH_OFF", 0)->setFocus(Qt::TabFocusReason);
        QVERIFY(rig.driven("txtH_OFF", 0) && !rig.driven("txtM_OFF", 0));
        rig.upperArrow(off);
        QCOMPARE(rig.shown(0), u"23:00-01:30"_s);
        QVERIFY(rig.driven("txtH_ON", 0));
    }

    void alwaysOnTurnsTheOthersOff()
    {
        Rig rig({u"08:00-17:30"_s, u"06:00-07:00"_s, u"22:00-06:00"_s});
        auto *alwaysOn = rig.get<QCheckBox>("chkON", 1);
        QTest::mouseClick(alwaysOn, Qt::LeftButton);
        QCOMPARE(rig.shown(), (QStringList{u"12:00-12:00"_s, u"11:00-10:50"_s, u"12:00-12:00"_s}));
        QVERIFY(!rig.box("txtM_OFF", 1)->isEnabled() && !rig.get("VScrollON", 1)->isEnabled());
        QVERIFY(!rig.get("chkOFF", 1)->isEnabled());
        for (int k : {0, 2}) {
            QVERIFY(rig.get<QCheckBox>("chkOFF", k)->isChecked());
            QVERIFY(!rig.get("chkON", k)->isEnabled() && !rig.get("chkOFF", k)->isEnabled());
            QVERIFY(!rig.box("txtH_ON", k)->isEnabled());
        }

        // Unticked, the others may leave always off; the times stay until edited.
        QTest::mouseClick(alwaysOn, Qt::LeftButton);
        QCOMPARE(rig.shown(1), u"11:00-10:50"_s);
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
        const auto row = [](const char *name, const QStringList &stored, int deviceCount, int typedDevice,
                            const QString &typed, const QString &refusal, const QStringList &captions = {},
                            const QStringList &written = {}) {
            QTest::newRow(name) << stored << deviceCount << typedDevice << typed << refusal << captions << written;
        };
        const QString off = u"12:00-12:00"_s;
        row("empty box", kOthersOff, 3, 0, u"07:00-:00"_s, u"Device 1: the Time OFF hours box is empty"_s);
        row("exactly an hour", kOthersOff, 3, -1, {}, {}, {u"ON 08:00~09:00"_s, u"ALWAYS OFF"_s, u"ALWAYS OFF"_s},
            kOthersOff);
        // Written first, it turns the later devices off before they are read.
        row("always on typed on the first device", {u"13:00-14:00"_s, u"08:00-17:30"_s, u"22:00-06:00"_s}, 3, 0,
            u"11:00-10:50"_s, {}, {u"ALWAYS ON"_s, u"ALWAYS OFF"_s, u"ALWAYS OFF"_s}, {u"11:00-10:50"_s, off, off});
        row("hidden devices still count", {u"05:00-05:30"_s, u"20:00-21:00"_s, off}, 1, -1, {}, {},
            {u"ON 05:00~05:30"_s, u"ON 20:00~21:00"_s, u"ALWAYS OFF"_s}, {u"05:00-05:30"_s, u"20:00-21:00"_s, off});
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
            QCOMPARE(rig.shown(typedDevice), typed);
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
            rig.typePair(0, u"06:00-18:00"_s);
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
        QCOMPARE(logger.dialog->windowTitle(), u"Peripheral Schedule"_s);
        QCOMPARE(logger.get<QGroupBox>("fraDev", 0)->title(), u"Ombrilex data logger"_s);
        QCOMPARE(logger.get<QGroupBox>("fraDev", 1)->title(), u"Device 2"_s);
        // Every box and stepper is spoken by device and side.
        QCOMPARE(logger.get("VScrollOFF", 1)->accessibleName(), u"Device 2 OFF step"_s);
        QCOMPARE(logger.box("txtM_ON", 0)->accessibleName(), u"Device 1 ON minutes"_s);
    }

    void timelineSpans_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<Spans>("spans");
        const auto row = [](const char *name, const char *on, const char *off, const Spans &spans) {
            QTest::newRow(name) << QString::fromLatin1(on) << QString::fromLatin1(off) << spans;
        };
        row("same day", "08:00", "17:30", {{8.0, 17.5}});
        row("across midnight", "22:00", "06:00", {{22.0, 24.0}, {0.0, 6.0}});
        row("always on", "11:00", "10:50", {{0.0, 24.0}});
        row("always off", "12:00", "12:00", {});
        row("box empty", ":00", "12:00", {});
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
        Rig rig({u"22:00-06:00"_s, u"12:00-12:00"_s, u"08:00-17:30"_s}, 2);
        auto *timeline = rig.get<ScheduleTimeline>(u"scheduleTimeline"_s);
        QCOMPARE(timeline->accessibleDescription(),
                 u"Device 1: on from 22:00 to 06:00, across midnight, 8 h 0 min. Device 2: always off."_s);
        // The two pieces of a night meet the ends of the axis.
        const QRectF day = timeline->spanRect(0, {0.0, 24.0});
        QCOMPARE(timeline->spanRect(0, {22.0, 24.0}).right(), day.right());
        QCOMPARE(timeline->spanRect(0, {0.0, 6.0}).left(), day.left());
        QCOMPARE(timeline->spanRect(0, {0.0, 6.0}).width(), day.width() / 4);

        // Device 3, hidden, is on long enough until it is switched off.
        rig.type(rig.box("txtH_OFF", 0), u"22"_s);
        rig.type(rig.box("txtM_OFF", 0), u"5"_s);
        QCOMPARE(timeline->accessibleDescription(),
                 u"Device 1: on from 22:00 to 22:50, 0 h 50 min. Device 2: always off."_s);
        QTest::mouseClick(rig.get<QCheckBox>("chkOFF", 2), Qt::LeftButton);
        QCOMPARE(timeline->accessibleDescription(),
                 QStringLiteral("Device 1: on from 22:00 to 22:50, 0 h 50 min. Device 2: always off. "
                                "No device is on for an hour or more."));
        // The note takes a line of its own under the axis: the dialog grows for it.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(timeline->height(), timeline->sizeHint().height());
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
        s.EditSetup.OnTime = days({u"08:00"_s, u"12:00"_s, u"12:00"_s});
        s.EditSetup.OffTime = days({u"17:30"_s, u"12:00"_s, u"12:00"_s});
        s.ModemSetup = s.EditSetup;

        int opened = 0;
        QTimer::singleShot(0, &window, [&] {
            auto *dialog = qobject_cast<PerSchedule *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            ++opened;
            QTest::mouseClick(dialog->findChild<QCheckBox *>(u"chkOFF1"_s), Qt::LeftButton);
            dialog->findChild<QLineEdit *>(u"txtH_ON1"_s)->setText(u"21"_s);
            dialog->findChild<QPushButton *>(u"cmdOK"_s)->click();
        });
        emit window.diagram()->scheduleClicked(1);
        QCOMPARE(opened, 1);
        QCOMPARE(timeText(s.EditSetup.OnTime[1]), u"21:00"_s);
        QCOMPARE(timeText(s.EditSetup.OffTime[1]), u"12:00"_s);
        QCOMPARE(window.caption(Item::lblTime1), u"ON 21:00~12:00"_s);
        QCOMPARE(window.caption(Item::lblTime0), u"ON 08:00~17:30"_s);
        QVERIFY(!window.findChild<QWidget *>(u"cmdWrite"_s)->styleSheet().isEmpty());

        s.state.Writing = true;
        QTimer::singleShot(0, &window, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        emit window.diagram()->scheduleClicked(0);
        QCOMPARE(prompt.beeps(), 1);
        QCOMPARE(window.caption(Item::lblTime0), u"ON 08:00~17:30"_s);
        s.state.Writing = false;
    }
};

QTEST_MAIN(TestPerSchedule)
#include "tst_perschedule.moc"
