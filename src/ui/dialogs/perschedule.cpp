#include "perschedule.h"

#include "dialogparts.h"
#include "scheduleedit.h"
#include "scheduletime.h"
#include "scheduletimeline.h"
#include "userprompt.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QColor kDrivenColour(255, 255, 192);

// A vertical scroll bar has its minimum at the top; the stepper's upper arrow
// adds a step, so the bar holds the negated value.
void setStepperValue(QScrollBar *bar, int value)
{
    bar->setValue(-value);
}

// The box that its side's stepper drives stands out.
void highlight(QLineEdit *box, bool driven)
{
    QPalette colours;
    if (driven)
        colours.setColor(QPalette::Base, kDrivenColour);
    box->setPalette(colours);
}

} // namespace

PerSchedule::PerSchedule(const Times &onTime, const Times &offTime, bool loggerMode, int deviceCount,
                         UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), OnTime(onTime), OffTime(offTime), m_deviceCount(deviceCount), m_prompt(prompt)
{
    setObjectName(QStringLiteral("PerSchedule"));
    setWindowTitle(tr("Peripheral Schedule"));

    auto *Label7 = new QLabel(tr("Adjust ON/OFF times for each device. While ON, the specified DEVICE is "
                                 "connected to the MASTER port or to the internal Merolan modem."),
                              this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label7);
    for (int i = 0; i < 3; ++i)
        layout->addWidget(buildFrame(i));

    m_timeline = new ScheduleTimeline(this);
    layout->addWidget(m_timeline);

    layout->addLayout(okCancelRow(this, [this] { cmdOKClick(); }));

    // Form_Load
    Updating = true;
    for (Device &d : m_devices) {
        for (Side *side : {&d.on, &d.off}) {
            side->mode = Mode::H;
            highlight(side->txtH, true);
        }
    }
    LoadTimes();
    Updating = false;
    if (loggerMode)
        m_devices[0].fraDev->setTitle(tr("Ombrilex data logger"));
    for (int i = 0; i < 3; ++i)
        m_devices[size_t(i)].fraDev->setVisible(i + 1 <= deviceCount);
    showTimeline();
}

QGroupBox *PerSchedule::buildFrame(int i)
{
    Device &d = m_devices[size_t(i)];
    //: %1 is the device's number
    d.fraDev = new QGroupBox(tr("Device %1").arg(i + 1), this);
    d.fraDev->setObjectName(QStringLiteral("fraDev%1").arg(i));
    //: %1 is the device's number; the start of the spoken names of its ON time boxes
    buildSide(d.on, i, QStringLiteral("ON"), tr("Device %1 ON").arg(i + 1), d.fraDev);
    //: %1 is the device's number; the start of the spoken names of its OFF time boxes
    buildSide(d.off, i, QStringLiteral("OFF"), tr("Device %1 OFF").arg(i + 1), d.fraDev);
    d.on.lblTime->setText(tr("Time ON"));
    d.off.lblTime->setText(tr("Time OFF"));
    d.on.chk->setText(tr("Always ON"));
    d.off.chk->setText(tr("Always OFF"));
    connect(d.on.chk, &QCheckBox::toggled, this, [this, i] { chkONClick(i); });
    connect(d.off.chk, &QCheckBox::toggled, this, [this, i] { chkOFFClick(i); });

    auto *grid = new QGridLayout(d.fraDev);
    int column = 0;
    for (Side *side : {&d.on, &d.off}) {
        grid->addWidget(side->lblTime, 0, column);
        grid->addWidget(side->txtH, 0, column + 1);
        grid->addWidget(side->lbl, 0, column + 2);
        grid->addWidget(side->txtM, 0, column + 3);
        grid->addWidget(side->vscroll, 0, column + 4);
        grid->addWidget(side->chk, 1, column + 1, 1, 4);
        grid->setColumnMinimumWidth(column + 5, fontMetrics().averageCharWidth() * 6);
        column += 6;
    }
    grid->setColumnStretch(column - 1, 1);
    return d.fraDev;
}

void PerSchedule::buildSide(Side &side, int i, const QString &which, const QString &device, QWidget *frame)
{
    const auto named = [&](QWidget *w, const char *name, const QString &spoken) {
        w->setObjectName(QLatin1String(name) + which + QString::number(i));
        w->setAccessibleName(spoken.arg(device));
    };
    side.lblTime = new QLabel(frame);
    side.lblTime->setObjectName(QStringLiteral("lblTime") + which + QString::number(i));
    side.txtH = new QLineEdit(frame);
    //: spoken name of a box; %1 is a device and its side, as in "Device 1 ON"
    named(side.txtH, "txtH_", tr("%1 hours"));
    side.lbl = new QLabel(QStringLiteral(":"), frame);
    side.lbl->setObjectName(QStringLiteral("lbl") + which + QString::number(i));
    side.txtM = new QLineEdit(frame);
    //: spoken name of a box; %1 is a device and its side, as in "Device 1 ON"
    named(side.txtM, "txtM_", tr("%1 minutes"));
    side.vscroll = new QScrollBar(Qt::Vertical, frame);
    //: spoken name of the arrows that step a time; %1 is a device and its side, as in "Device 1 ON"
    named(side.vscroll, "VScroll", tr("%1 step"));
    side.vscroll->setFocusPolicy(Qt::StrongFocus);
    side.vscroll->setFixedHeight(side.txtH->sizeHint().height());
    side.chk = new QCheckBox(frame);
    side.chk->setObjectName(QStringLiteral("chk") + which + QString::number(i));
    side.lblTime->setBuddy(side.txtH);

    for (QLineEdit *box : {side.txtH, side.txtM}) {
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        box->setAlignment(Qt::AlignCenter);
        box->installEventFilter(this);
    }
    connect(side.txtH, &QLineEdit::textChanged, this, [this, &side] { hoursChanged(side); });
    connect(side.txtM, &QLineEdit::textChanged, this, [this, &side] { minutesChanged(side); });
    // After the corrections, so the bars show what the boxes end up with.
    for (QLineEdit *box : {side.txtH, side.txtM})
        connect(box, &QLineEdit::textChanged, this, &PerSchedule::showTimeline);
    connect(side.vscroll, &QScrollBar::valueChanged, this, [this, &side](int value) { stepped(side, -value); });
}

bool PerSchedule::eventFilter(QObject *watched, QEvent *event)
{
    // A click selects the box's two digits, as Tab does, so that what is
    // typed next replaces them rather than making a third.
    if (event->type() == QEvent::MouseButtonRelease) {
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            box->selectAll();
    }
    // A click or the keyboard's focus picks the box that the stepper drives.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
        for (Device &d : m_devices) {
            for (Side *side : {&d.on, &d.off}) {
                if (watched == side->txtH)
                    select(*side, Mode::H);
                else if (watched == side->txtM)
                    select(*side, Mode::M);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString PerSchedule::text(const Side &side)
{
    return side.txtH->text() + QLatin1Char(':') + side.txtM->text();
}

void PerSchedule::LoadTimes()
{
    const QScopedValueRollback loading(m_loading, true);
    for (size_t i = 0; i < 3; ++i) {
        Device &d = m_devices[i];
        const QString on = timeText(OnTime[i]);
        const QString off = timeText(OffTime[i]);
        loadSide(d.on, on);
        loadSide(d.off, off);
        d.on.chk->setChecked(false);
        d.off.chk->setChecked(false);
        if (on == off)
            d.off.chk->setChecked(true);
        else if (pairKind(on, off) == PairKind::AlwaysOn)
            d.on.chk->setChecked(true);
    }
    for (size_t i = 0; i < 3; ++i)
        m_loaded[i] = {text(m_devices[i].on), text(m_devices[i].off)};
}

// Minutes first: the hours set last leave the stepper driving the hours.
void PerSchedule::loadSide(Side &side, const QString &time)
{
    select(side, Mode::M);
    side.txtM->setText(time.section(QLatin1Char(':'), 1, 1));
    select(side, Mode::H);
    side.txtH->setText(time.section(QLatin1Char(':'), 0, 0));
}

void PerSchedule::select(Side &side, Mode mode)
{
    Updating = true;
    setMode(side, mode);
    highlight(side.txtH, mode == Mode::H);
    highlight(side.txtM, mode == Mode::M);
    setStepperValue(side.vscroll, (mode == Mode::H ? side.txtH : side.txtM)->text().toInt());
    Updating = false;
}

void PerSchedule::setMode(Side &side, Mode mode)
{
    side.mode = mode;
    // One step beyond each end, so that stepping past it can wrap around.
    const int step = mode == Mode::H ? 1 : 10;
    const int top = mode == Mode::H ? 24 : 60;
    side.vscroll->setRange(-top, step);
    side.vscroll->setSingleStep(step);
    side.vscroll->setPageStep(step);
}

void PerSchedule::stepped(Side &side, int value)
{
    if (Updating)
        return;
    if (side.mode == Mode::H)
        side.txtH->setText(QStringLiteral("%1").arg(wrappedHours(value), 2, 10, QLatin1Char('0')));
    else
        side.txtM->setText(QStringLiteral("%1").arg(wrappedMinutes(value), 2, 10, QLatin1Char('0')));
}

void PerSchedule::hoursChanged(Side &side)
{
    if (Updating || side.txtH->text().isEmpty())
        return;
    Updating = true;
    // setText leaves the caret after the digits, so a second digit typed
    // after a single one makes a two-digit hour.
    side.txtH->setText(normalisedHours(side.txtH->text()));
    setStepperValue(side.vscroll, side.txtH->text().toInt());
    Updating = false;
}

void PerSchedule::minutesChanged(Side &side)
{
    if (Updating || side.txtM->text().isEmpty())
        return;
    Updating = true;
    const int caret = side.txtM->cursorPosition();
    side.txtM->setText(normalisedMinutes(side.txtM->text()));
    side.txtM->setCursorPosition(caret);
    setStepperValue(side.vscroll, side.txtM->text().toInt());
    Updating = false;
}

void PerSchedule::chkOFFClick(int i)
{
    Device &d = m_devices[size_t(i)];
    d.on.chk->setEnabled(!d.off.chk->isChecked());
    ApplyAlwaysState(i);
}

void PerSchedule::chkONClick(int i)
{
    Device &d = m_devices[size_t(i)];
    const bool ticked = d.on.chk->isChecked();
    // Only one device can be always on; all others become always off.
    for (int k = 0; k < 3; ++k) {
        if (k == i)
            continue;
        Device &other = m_devices[size_t(k)];
        if (ticked) {
            other.on.chk->setEnabled(false);
            // A stored always-on device leaves the others' stored times as
            // they are: only a tick of the user's turns them off.
            if (!m_loading)
                other.off.chk->setChecked(true);
            other.off.chk->setEnabled(false);
        } else {
            other.off.chk->setEnabled(true);
        }
    }
    d.off.chk->setEnabled(!ticked);
    ApplyAlwaysState(i);
}

void PerSchedule::ApplyAlwaysState(int i)
{
    Device &d = m_devices[size_t(i)];
    const bool alwaysOn = d.on.chk->isChecked();
    const bool alwaysOff = d.off.chk->isChecked();
    for (Side *side : {&d.on, &d.off}) {
        for (QWidget *w : {static_cast<QWidget *>(side->txtH), static_cast<QWidget *>(side->txtM),
                           static_cast<QWidget *>(side->vscroll)})
            w->setEnabled(!alwaysOn && !alwaysOff);
    }
    if (alwaysOn) {
        setAlways(d.on, QStringLiteral("11"), QStringLiteral("00"));
        setAlways(d.off, QStringLiteral("10"), QStringLiteral("50"));
    } else if (alwaysOff) {
        setAlways(d.on, QStringLiteral("12"), QStringLiteral("00"));
        setAlways(d.off, QStringLiteral("12"), QStringLiteral("00"));
    }
}

void PerSchedule::setAlways(Side &side, const QString &hours, const QString &minutes)
{
    select(side, Mode::M);
    side.txtM->setText(minutes);
    select(side, Mode::H);
    side.txtH->setText(hours);
}

void PerSchedule::cmdOKClick()
{
    std::array<DeviceTimeBoxes, 3> boxes;
    std::array<QString, 3> names;
    for (size_t i = 0; i < 3; ++i) {
        const Device &d = m_devices[i];
        boxes[i] = {d.on.txtH->text(), d.on.txtM->text(), d.off.txtH->text(), d.off.txtM->text()};
        names[i] = d.fraDev->title();
    }
    const QString refusal = scheduleRefusal(boxes, names);
    if (!refusal.isEmpty()) {
        m_prompt.message(refusal);
        return;
    }
    // Device by device, each reading its boxes afresh: an always-on pair
    // ticked here turns the later devices to always off before they are read.
    for (size_t i = 0; i < 3; ++i) {
        Device &d = m_devices[i];
        const QString on = text(d.on);
        const QString off = text(d.off);
        switch (pairKind(on, off)) {
        case PairKind::AlwaysOn: d.on.chk->setChecked(true); break;
        case PairKind::AlwaysOff: d.off.chk->setChecked(true); break;
        case PairKind::Timed: break;
        }
        // A device that shows what it opened with keeps its stored times: a
        // stored 08:15 shows as 08:10 and an always off of 09:00 as 12:00,
        // and neither may change unless the user changes it.
        if (m_loaded[i] != std::pair{on, off}) {
            OnTime[i] = parseTimeOfDay(on).value_or(0.0);
            OffTime[i] = parseTimeOfDay(off).value_or(0.0);
        }
        m_captions[i] = scheduleCaption(timeText(OnTime[i]), timeText(OffTime[i]));
    }
    accept();
}

void PerSchedule::showTimeline()
{
    QList<ScheduleTimeline::Row> rows;
    bool everyDeviceShort = true;
    for (size_t i = 0; i < 3; ++i) {
        const Device &d = m_devices[i];
        const QString on = text(d.on);
        const QString off = text(d.off);
        if (int(i) < m_deviceCount)
            rows.append({d.fraDev->title(), on, off});
        const bool complete = parseTimeOfDay(on) && parseTimeOfDay(off);
        everyDeviceShort = everyDeviceShort && complete && isShortPair(on, off);
    }
    m_timeline->setRows(rows, everyDeviceShort);
    // The note under the axis needs a line of its own: grow the window for
    // it rather than let the layout squeeze it away.
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (height() < needed)
        resize(width(), needed);
}
