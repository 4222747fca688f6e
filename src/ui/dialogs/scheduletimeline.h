#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// The day of each shown device as a bar on a 00-24 axis, ON periods filled,
// so a period across midnight or one too short to pass OK is seen at a glance.
class ScheduleTimeline final : public QWidget
{
    Q_OBJECT
public:
    // One device's boxes as they read: "hh:nn", or incomplete while a box is empty.
    struct Row
    {
        QString name;
        QString on;
        QString off;
    };
    // A stretch of the day in hours, 0 to 24.
    struct Span
    {
        double from;
        double to;
        bool operator==(const Span &) const = default;
    };

    explicit ScheduleTimeline(QWidget *parent = nullptr);

    // everyDeviceShort: OK would refuse, so the bars say why.
    void setRows(const QList<Row> &rows, bool everyDeviceShort);

    // The filled stretches of a device's day: one, or two across midnight;
    // the whole day always on, none always off or while a box is empty.
    static QList<Span> onSpans(const QString &on, const QString &off);
    // Where a span of row `row` is drawn.
    QRectF spanRect(int row, const Span &span) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF barRect(int row) const;
    int nameWidth() const;
    int rowHeight() const;
    int axisHeight() const;
    int noteHeight() const;

    QList<Row> m_rows;
    bool m_everyDeviceShort = false;
};
