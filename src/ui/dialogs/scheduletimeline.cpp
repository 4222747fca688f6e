#include "scheduletimeline.h"

#include "scheduleedit.h"
#include "scheduletime.h"

#include <QPainter>
#include <QStringList>

namespace {

const QColor kOnColour(70, 150, 90);
const QColor kShortColour(220, 120, 30);
const QColor kOffColour(150, 150, 150);
const char *const kShortNote = QT_TRANSLATE_NOOP("ScheduleTimeline", "No device is on for an hour or more");

bool complete(const QString &time)
{
    return parseTimeOfDay(time).has_value();
}

double hoursOf(const QString &time)
{
    return parseTimeOfDay(time).value_or(0.0) * 24.0;
}

QString spoken(const ScheduleTimeline::Row &row)
{
    if (!complete(row.on) || !complete(row.off))
        //: %1 is the device's name
        return ScheduleTimeline::tr("%1: times not complete.").arg(row.name);
    switch (pairKind(row.on, row.off)) {
    case PairKind::AlwaysOn:
        //: %1 is the device's name
        return ScheduleTimeline::tr("%1: always on.").arg(row.name);
    case PairKind::AlwaysOff:
        //: %1 is the device's name
        return ScheduleTimeline::tr("%1: always off.").arg(row.name);
    case PairKind::Timed: break;
    }
    const int minutes = periodMinutes(row.on, row.off);
    //: %1 the device, %2 and %3 its ON and OFF times, %4 and %5 the hours and minutes it is on
    QString format = ScheduleTimeline::tr("%1: on from %2 to %3, %4 h %5 min.");
    if (row.off < row.on)
        //: the same, for a device that goes off the next day
        format = ScheduleTimeline::tr("%1: on from %2 to %3, across midnight, %4 h %5 min.");
    return format.arg(row.name, row.on, row.off).arg(minutes / 60).arg(minutes % 60);
}

} // namespace

ScheduleTimeline::ScheduleTimeline(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("scheduleTimeline"));
    setAccessibleName(tr("Daily schedule"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QList<ScheduleTimeline::Span> ScheduleTimeline::onSpans(const QString &on, const QString &off)
{
    if (!complete(on) || !complete(off))
        return {};
    switch (pairKind(on, off)) {
    case PairKind::AlwaysOn: return {{0.0, 24.0}};
    case PairKind::AlwaysOff: return {};
    case PairKind::Timed: break;
    }
    const double from = hoursOf(on);
    const double to = hoursOf(off);
    if (from < to)
        return {{from, to}};
    return {{from, 24.0}, {0.0, to}};
}

void ScheduleTimeline::setRows(const QList<Row> &rows, bool everyDeviceShort)
{
    const bool resized = rows.size() != m_rows.size() || everyDeviceShort != m_everyDeviceShort;
    m_rows = rows;
    m_everyDeviceShort = everyDeviceShort;
    QStringList words;
    for (const Row &row : rows)
        words << spoken(row);
    if (everyDeviceShort)
        words << tr(kShortNote) + QLatin1Char('.');
    setAccessibleDescription(words.join(QLatin1Char(' ')));
    if (resized)
        updateGeometry();
    update();
}

int ScheduleTimeline::rowHeight() const
{
    return fontMetrics().height() * 3 / 2;
}

int ScheduleTimeline::axisHeight() const
{
    return fontMetrics().height() + 6;
}

int ScheduleTimeline::noteHeight() const
{
    return m_everyDeviceShort ? fontMetrics().height() + 4 : 0;
}

int ScheduleTimeline::nameWidth() const
{
    int widest = 0;
    for (const Row &row : m_rows)
        widest = std::max(widest, fontMetrics().horizontalAdvance(row.name));
    return widest + fontMetrics().averageCharWidth() * 2;
}

QSize ScheduleTimeline::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 60, int(m_rows.size()) * rowHeight() + axisHeight() + noteHeight() + 4};
}

QRectF ScheduleTimeline::barRect(int row) const
{
    const double left = nameWidth();
    const double right = width() - fontMetrics().horizontalAdvance(QStringLiteral("24")) / 2.0 - 2;
    const double gap = rowHeight() / 6.0;
    return {left, 2 + row * rowHeight() + gap, right - left, rowHeight() - 2 * gap};
}

QRectF ScheduleTimeline::spanRect(int row, const Span &span) const
{
    const QRectF bar = barRect(row);
    return {bar.left() + bar.width() * span.from / 24.0, bar.top(), bar.width() * (span.to - span.from) / 24.0,
            bar.height()};
}

void ScheduleTimeline::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    for (int r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows[r];
        const QRectF bar = barRect(r);
        p.setPen(text);
        p.drawText(QRectF(0, bar.top(), nameWidth(), bar.height()), Qt::AlignVCenter | Qt::AlignLeft, row.name);
        p.fillRect(bar, palette().color(QPalette::Base));

        const bool filled = complete(row.on) && complete(row.off);
        const PairKind kind = filled ? pairKind(row.on, row.off) : PairKind::Timed;
        const QColor fill = m_everyDeviceShort ? kShortColour : kOnColour;
        if (filled && kind == PairKind::AlwaysOff)
            p.fillRect(bar, QBrush(kOffColour, Qt::BDiagPattern));
        for (const Span &span : onSpans(row.on, row.off))
            p.fillRect(spanRect(r, span), fill);
        p.setPen(kOffColour.darker(140));
        p.drawRect(bar);
        if (filled && kind != PairKind::Timed) {
            QFont bold = font();
            bold.setBold(true);
            p.setFont(bold);
            p.setPen(kind == PairKind::AlwaysOn ? Qt::white : text);
            p.drawText(bar, Qt::AlignCenter, kind == PairKind::AlwaysOn ? tr("ALWAYS ON") : tr("ALWAYS OFF"));
            p.setFont(font());
        }
    }

    // Hour ticks under the bars, a longer one and a figure every three hours.
    const QRectF first = barRect(0);
    const double axis = 2.0 + double(m_rows.size() * rowHeight());
    p.setPen(text);
    p.drawLine(QPointF(first.left(), axis), QPointF(first.right(), axis));
    for (int h = 0; h <= 24; ++h) {
        const double x = first.left() + first.width() * h / 24.0;
        const bool major = h % 3 == 0;
        p.drawLine(QPointF(x, axis), QPointF(x, axis + (major ? 5 : 2)));
        if (major) {
            const QString figure = QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
            const double w = fontMetrics().horizontalAdvance(figure);
            p.drawText(QRectF(x - w / 2 - 2, axis + 5, w + 4, fontMetrics().height()), Qt::AlignCenter, figure);
        }
    }
    if (m_everyDeviceShort) {
        p.setPen(kShortColour.darker(130));
        p.drawText(QRectF(first.left(), axis + axisHeight(), first.width(), noteHeight()),
                   Qt::AlignLeft | Qt::AlignVCenter, tr(kShortNote));
    }
}
