#include "numbervalue.h"
#include "perschedule.h"
#include "scheduleedit.h"
#include "scheduletime.h"
#include "scheduletimeline.h"
#include "scriptedprompt.h"
#include "widgetrig.h"

#include <QCheckBox>
#include <QScrollBar>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;
using Spans = QList<ScheduleTimeline::Span>;
using TextRule = QString (*)(const QString &);

namespace {

const QColor kDriven(255, 255, 192);

// The dialog on stored times, given as "on-off" per device, with a scripted user.
struct Rig
{
    ScriptedPrompt prompt;
    std::unique_ptr<PerSchedule> dialog;

    explicit Rig(const QStringList &pairs, int deviceCount = 3, bool logger = false)
    {
        std::array<double, 3> on{}, off{};
        for (size_t i = 0; i < 3; ++i) {
            on[i] = parseTimeOfDay(pairs[int(i)].section(u'-', 0, 0)).value();
            off[i] = parseTimeOfDay(pairs[int(i)].section(u'-', 1, 1)).value();
        }
        dialog = std::make_unique<PerSchedule>(on, off, logger, deviceCount, prompt);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    template <typename T = QWidget>
    T *get(const char *name, int device) const
    {
        return rig::find<T>(dialog.get(), QLatin1String(name) + QString::number(device));
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

// The schedule dialog, its texts and times, and the number value every box reads.

class TestPerSchedule : public QObject
{
    Q_OBJECT

private slots:
    // The stepper drives the box last clicked or focused, which is lit; it
    // wraps at both ends, and minutes never carry into the hours.
    void boxesAndSteppers()
    {
        Rig rig({u"23:00-00:50"_s, kOthersOff[0], kOthersOff[1]});
        // A click selects the box as Tab does: what is typed replaces it.
        for (const auto &[box, typed, shown] : {std::tuple{"txtH_OFF", "9", "09"}, {"txtM_OFF", "3", "30"}}) {
            QLineEdit *edit = rig.box(box, 1);
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 3, edit->height() / 2));
            QTest::keyClicks(edit, QLatin1String(typed));
            QCOMPARE(edit->text(), QLatin1String(shown));
        }

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
        QVERIFY(!rig.box("txtM_OFF", 1)->isEnabled() && !rig.get("chkOFF", 1)->isEnabled());
        for (int k : {0, 2})
            QVERIFY(rig.get<QCheckBox>("chkOFF", k)->isChecked() && !rig.get("chkOFF", k)->isEnabled());
        // Unticked, the others may leave always off; the times stay until edited.
        QTest::mouseClick(alwaysOn, Qt::LeftButton);
        QCOMPARE(rig.shown(1), u"11:00-10:50"_s);
        QVERIFY(rig.get<QCheckBox>("chkOFF", 0)->isChecked() && rig.get("chkOFF", 0)->isEnabled());
    }

    // Opened and OKed untouched, every device keeps its stored times, whichever
    // device is always on: minutes show rounded down and always off as
    // 12:00, but only the user's own edits are written. Hidden devices count
    // towards the hour one device must be on. Cancel writes nothing.
    void ok_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("shown"); // empty: as stored
        QTest::addColumn<int>("alwaysOn");      // the device, -1 for none
        QTest::addColumn<int>("deviceCount");
        QTest::addColumn<QString>("typed");       // into the first device
        QTest::addColumn<QStringList>("written"); // empty: as stored
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("closedBy");
        const auto row = [](const char *name, const QStringList &stored, const QStringList &captions,
                            const QStringList &shown = {}, int alwaysOn = -1, int deviceCount = 3,
                            const QString &typed = {}, const QStringList &written = {}, const QString &refusal = {},
                            const QString &closedBy = u"cmdOK"_s) {
            QTest::newRow(name) << stored << captions << shown << alwaysOn << deviceCount << typed << written << refusal
                                << closedBy;
        };
        const QString off = u"12:00-12:00"_s;
        row("always on loaded after a timed device", {u"06:00-18:30"_s, u"11:00-10:50"_s, off},
            {u"ON 06:00~18:30"_s, u"ALWAYS ON"_s, u"ALWAYS OFF"_s}, {}, 1);
        row("always on loaded first", {u"11:00-10:50"_s, u"06:00-07:00"_s, u"09:00-09:00"_s},
            {u"ALWAYS ON"_s, u"ON 06:00~07:00"_s, u"ALWAYS OFF"_s}, {u"11:00-10:50"_s, u"06:00-07:00"_s, off}, 0);
        row("off-step minute, near always on", {u"08:15-17:30"_s, u"11:00-10:40"_s, u"09:00-09:00"_s},
            {u"ON 08:15~17:30"_s, u"ON 11:00~10:40"_s, u"ALWAYS OFF"_s}, {u"08:10-17:30"_s, u"11:00-10:40"_s, off});
        row("exactly an hour", kOthersOff, {u"ON 08:00~09:00"_s, u"ALWAYS OFF"_s, u"ALWAYS OFF"_s});
        row("hidden devices still count", {u"05:00-05:30"_s, u"20:00-21:00"_s, off},
            {u"ON 05:00~05:30"_s, u"ON 20:00~21:00"_s, u"ALWAYS OFF"_s}, {}, -1, 1);
        row("empty box", kOthersOff, {}, {}, -1, 3, u"07:00-:00"_s, {}, u"Device 1: the Time OFF hours box is empty"_s);
        // Written first, it turns the later devices off before they are read.
        row("always on typed on the first device", {u"13:00-14:00"_s, u"08:00-17:30"_s, u"22:00-06:00"_s},
            {u"ALWAYS ON"_s, u"ALWAYS OFF"_s, u"ALWAYS OFF"_s}, {}, -1, 3, u"11:00-10:50"_s,
            {u"11:00-10:50"_s, off, off});
        const QStringList none{{}, {}, {}};
        row("cancel", kOthersOff, none, {}, -1, 3, u"06:00-18:00"_s, {}, {}, u"cmdCancel"_s);
    }
    void ok()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, shown);
        QFETCH(int, alwaysOn);
        QFETCH(int, deviceCount);
        QFETCH(QString, typed);
        QFETCH(QStringList, written);
        QFETCH(QString, refusal);
        QFETCH(QString, closedBy);
        Rig rig(stored, deviceCount);
        QCOMPARE(rig.shown(), shown.isEmpty() ? stored : shown);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rig.get("fraDev", i)->isVisible(), i < deviceCount);
            QVERIFY(rig.driven("txtH_ON", i) && rig.driven("txtH_OFF", i) && !rig.driven("txtM_ON", i));
            const bool alwaysOff = rig.shown(i).section('-', 0, 0) == rig.shown(i).section('-', 1);
            QCOMPARE(rig.get<QCheckBox>("chkOFF", i)->isChecked(), alwaysOff);
            QCOMPARE(rig.get<QCheckBox>("chkON", i)->isChecked(), i == alwaysOn);
            // Beside an always-on device no other may be always on, or leave its state.
            QCOMPARE(rig.get("chkON", i)->isEnabled(), i == alwaysOn || (alwaysOn < 0 && !alwaysOff));
            QCOMPARE(rig.get("chkOFF", i)->isEnabled(), alwaysOn < 0);
            QCOMPARE(rig.box("txtH_ON", i)->isEnabled(), !alwaysOff && i != alwaysOn);
        }
        if (!typed.isEmpty())
            rig.typePair(0, typed);
        rig::find<QPushButton>(rig.dialog.get(), closedBy)->click();

        if (!refusal.isEmpty()) {
            // The dialog stays, with the user's edits.
            QCOMPARE(rig.prompt.messages(), QStringList{refusal});
            QVERIFY(rig.dialog->isVisible());
            QCOMPARE(rig.shown(0), typed);
            return;
        }
        QVERIFY(rig.prompt.shown().isEmpty());
        QCOMPARE(rig.dialog->result(), int(closedBy == u"cmdOK"_s ? QDialog::Accepted : QDialog::Rejected));
        QTEST(QStringList(rig.dialog->captions().begin(), rig.dialog->captions().end()), "captions");
        QCOMPARE(rig.written(), written.isEmpty() ? stored : written);
    }

    // The spans a pair of times draws; the timeline reads the boxes as they
    // change and says why OK would refuse. In logger mode the first device is
    // the data logger, there too.
    void timeline()
    {
        const std::tuple<const char *, const char *, Spans> rows[] = {{"08:00", "17:30", {{8.0, 17.5}}},
                                                                      {"22:00", "06:00", {{22.0, 24.0}, {0.0, 6.0}}},
                                                                      {"11:00", "10:50", {{0.0, 24.0}}},
                                                                      {"12:00", "12:00", {}},
                                                                      {":00", "12:00", {}}};
        for (const auto &[on, off, spans] : rows)
            QCOMPARE(ScheduleTimeline::onSpans(QLatin1String(on), QLatin1String(off)), spans);
        Rig rig({u"22:00-06:00"_s, u"12:00-12:00"_s, u"08:00-17:30"_s}, 2, true);
        auto *timeline = rig::find<ScheduleTimeline>(rig.dialog.get(), "scheduleTimeline");
        QCOMPARE(timeline->accessibleDescription(), u"Ombrilex data logger: on from 22:00 to 06:00, across midnight, "
                                                    u"8 h 0 min. Device 2: always off."_s);
        // Device 3, hidden, is on long enough until it is switched off.
        rig.type(rig.box("txtH_OFF", 0), u"22"_s);
        rig.type(rig.box("txtM_OFF", 0), u"5"_s);
        QCOMPARE(timeline->accessibleDescription(),
                 u"Ombrilex data logger: on from 22:00 to 22:50, 0 h 50 min. Device 2: always off."_s);
        QTest::mouseClick(rig.get<QCheckBox>("chkOFF", 2), Qt::LeftButton);
        QCOMPARE(timeline->accessibleDescription(),
                 u"Ombrilex data logger: on from 22:00 to 22:50, 0 h 50 min. Device 2: always off. "
                 "No device is on for an hour or more."_s);
        // The note takes a line of its own under the axis: the dialog grows for it.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(timeline->height(), timeline->sizeHint().height());
    }

    // What each box shows after its text changed, for what a user types or
    // pastes. The caret stays at the end: "1" shows "01", and a "2" typed
    // after it makes 12. One digit typed in a minutes box is the tens.
    void boxCorrections()
    {
        const TextRule h = normalisedHours;
        const TextRule m = normalisedMinutes;
        const std::tuple<TextRule, const char *, const char *> rows[] = {
            {h, "", ""},       {h, "7", "07"},  {h, "012", "12"},  {h, "23", "23"},  {h, "24", "00"},
            {h, "7.9", "07"},  {h, "0", "00"},  {h, "-0.5", "23"}, {h, "x", "00"},   {h, "1e1", "10"},
            {h, "&H11", "17"}, {m, "", ""},     {m, "3", "30"},    {m, "59", "50"},  {m, "60", "00"},
            {m, "00", "00"},   {m, "-5", "50"}, {m, "a", "00"},    {m, "123", "10"}, {m, "1e0", "00"},
        };
        for (const auto &[rule, typed, shown] : rows)
            QCOMPARE(rule(QLatin1String(typed)), QLatin1String(shown));
        // A stepper wraps at both ends.
        for (const auto &[value, shown] : {std::pair{-1, 23}, {0, 0}, {23, 23}, {24, 0}})
            QCOMPARE(wrappedHours(value), shown);
        for (const auto &[value, shown] : {std::pair{-10, 50}, {0, 0}, {50, 50}, {60, 0}})
            QCOMPARE(wrappedMinutes(value), shown);
    }

    // An hour is not short; only 11:00 to 10:50 is always on.
    void pairs()
    {
        const PairKind timed = PairKind::Timed;
        const std::tuple<const char *, const char *, int, PairKind, bool, const char *> rows[] = {
            {"08:00", "09:00", 60, timed, false, "ON 08:00~09:00"},
            {"08:00", "08:50", 50, timed, true, "ON 08:00~08:50"},
            {"23:30", "00:10", 40, timed, true, "ON 23:30~00:10"},
            {"22:00", "02:10", 250, timed, false, "ON 22:00~02:10"},
            {"11:00", "10:50", 1430, PairKind::AlwaysOn, false, "ALWAYS ON"},
            {"06:30", "06:30", 0, PairKind::AlwaysOff, true, "ALWAYS OFF"},
        };
        for (const auto &[on, off, minutes, kind, isShort, caption] : rows) {
            const QString from = QLatin1String(on);
            const QString to = QLatin1String(off);
            QCOMPARE(periodMinutes(from, to), minutes);
            QCOMPARE(pairKind(from, to), kind);
            QCOMPARE(isShortPair(from, to), isShort);
            QCOMPARE(scheduleCaption(from, to), QLatin1String(caption));
        }
        // OK wants every box filled and one device on for an hour, whichever it is.
        const std::array<QString, 3> names{"Ombrilex data logger", "Device 2", "Device 3"};
        const DeviceTimeBoxes off{"12", "00", "12", "00"};
        const DeviceTimeBoxes hour{"08", "00", "09", "00"};
        const DeviceTimeBoxes fiftyMinutes{"23", "30", "00", "20"};
        const QString refused = QStringLiteral("At least one device must be ON for 1 hour or more");
        QCOMPARE(scheduleRefusal({fiftyMinutes, off, off}, names), refused);
        QCOMPARE(scheduleRefusal({off, off, hour}, names), QString());
        QCOMPARE(scheduleRefusal({DeviceTimeBoxes{"11", "00", "10", "50"}, off, off}, names), QString());
        QCOMPARE(scheduleRefusal({hour, DeviceTimeBoxes{"08", "00", "09", ""}, off}, names),
                 QStringLiteral("Device 2: the Time OFF minutes box is empty"));
    }

    // The date part is ignored; a hair below midnight or 08:30 is still
    // that minute, but seconds are cut, not rounded up (08:29:59 is 08:29).
    void timesOfDay()
    {
        const std::pair<double, const char *> rows[] = {{36526.0 + 0.75, "18:00"},  {0.9999999, "00:00"},
                                                        {8.5 / 24 - 1e-9, "08:30"}, {30599 / 86400.0, "08:29"},
                                                        {-1.25, "06:00"},           {std::nan(""), "00:00"}};
        for (const auto &[dayCount, text] : rows)
            QCOMPARE(::timeText(dayCount), QLatin1String(text));
        // Read back: h:mm or hh:mm, optionally :ss, blanks around, in seconds; -1 for refused.
        const std::pair<const char *, int> read[] = {
            {"6:00", 21600}, {"10:50:15", 39015}, {"  23:59 ", 86340}, {"00:00:59", 59}, {"24:00", -1},
            {"10:60", -1},   {"10:00:60", -1},    {"10:5", -1},        {"10:50x", -1},   {"", -1}};
        for (const auto &[text, seconds] : read)
            QCOMPARE(::parseTimeOfDay(QLatin1String(text)).value_or(-1.0 / 86400) * 86400, double(seconds));
    }

    void numberValues()
    {
        const std::pair<const char *, double> rows[] = {
            {"3.01", 3.01},  {"0012", 12},   {".5", 0.5}, {" 96 00", 9600}, {"\t7\n8", 78},
            {"-2.5x", -2.5}, {"+3", 3},      {"-", 0},    {"", 0},          {" sg.2.10", 0},
            {"1.2.3", 1.2},  {"1 e 2", 100}, {"2E", 2},   {"1e+", 1},       {"25e-1", 2.5}};
        for (const auto &[text, value] : rows)
            QCOMPARE(numberValue(QLatin1String(text)), value);
    }
};

QTEST_MAIN(TestPerSchedule)
#include "tst_perschedule.moc"
