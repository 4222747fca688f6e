#include "diagram.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

// Each picture file is parsed once, however many times the windows show it.
QSvgRenderer *sharedRenderer(const QString &name)
{
    static QHash<QString, QPointer<QSvgRenderer>> renderers;
    QPointer<QSvgRenderer> &renderer = renderers[name];
    if (!renderer) {
        renderer = new QSvgRenderer(QStringLiteral(":/pictures/%1.svg").arg(name), qApp);
        renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return renderer;
}

} // namespace

Picture::Picture(const QString &name, qreal lines, QWidget *parent)
    : QWidget(parent), m_name(name), m_lines(lines), m_renderer(sharedRenderer(name))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize Picture::sizeHint() const
{
    const int side = qRound(m_lines * fontMetrics().height());
    const QSize natural = m_renderer->defaultSize();
    if (natural.isEmpty())
        return {side, side};
    return natural.scaled(side, side, Qt::KeepAspectRatio);
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, QRectF(rect()));
}

Wire::Wire(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize Wire::sizeHint() const
{
    return {fontMetrics().height() * 3, fontMetrics().height()};
}

QSize Wire::minimumSizeHint() const
{
    return {fontMetrics().height(), 1};
}

QPen connectorPen(const QWidget *on)
{
    QPen pen(on->palette().color(QPalette::Mid));
    pen.setWidthF(qMax(1.5, on->fontMetrics().height() / 8.0));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void Wire::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(connectorPen(this));
    const qreal y = height() / 2.0;
    painter.drawLine(QPointF(0, y), QPointF(width(), y));
}

void DeviceColumn::setEntry(QWidget *entry)
{
    m_entry = entry;
    entry->installEventFilter(this);
}

void DeviceColumn::addStub(Wire *stub)
{
    m_stubs.push_back(stub);
    // The stub sits still in its group; the group is what moves.
    if (m_stubs.size() == 1 && stub->parentWidget())
        stub->parentWidget()->installEventFilter(this);
}

qreal DeviceColumn::centreOf(const QWidget *w) const
{
    return mapFrom(window(), w->mapTo(window(), QPointF(0, w->height() / 2.0))).y();
}

bool DeviceColumn::eventFilter(QObject *watched, QEvent *event)
{
    const bool first = !m_stubs.empty() && watched == m_stubs.front()->parentWidget();
    if ((watched == m_entry || first) && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        alignToEntry();
    return QWidget::eventFilter(watched, event);
}

void DeviceColumn::resizeEvent(QResizeEvent *)
{
    alignToEntry();
}

void DeviceColumn::alignToEntry()
{
    if (!m_entry || m_stubs.empty() || !layout())
        return;
    const Wire *first = m_stubs.front();
    QMargins margins = layout()->contentsMargins();
    // Where the first stub would be without the margin.
    const qreal stubY = centreOf(first) - margins.top();
    const int top = qMax(0, qRound(centreOf(m_entry) - stubY));
    if (top == margins.top())
        return;
    margins.setTop(top);
    layout()->setContentsMargins(margins);
}

void DeviceColumn::paintEvent(QPaintEvent *)
{
    std::vector<qreal> ys;
    if (m_entry && m_entry->isVisibleTo(window()))
        ys.push_back(centreOf(m_entry));
    for (const Wire *stub : m_stubs) {
        if (stub->isVisibleTo(this))
            ys.push_back(centreOf(stub));
    }
    if (ys.size() < 2)
        return;
    const auto [top, bottom] = std::minmax_element(ys.begin(), ys.end());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen pen = connectorPen(this);
    painter.setPen(pen);
    const qreal x = pen.widthF() / 2.0;
    painter.drawLine(QPointF(x, *top), QPointF(x, *bottom));
}

QColor changedColour()
{
    return {255, 128, 128};
}

int markRoom(const QWidget *on)
{
    return on->fontMetrics().height() * 3 / 4;
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

ClickLabel::ClickLabel(Picture *picture, QWidget *parent) : ClickLabel(QString(), parent)
{
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ClickLabel::setMarked(bool marked)
{
    m_marked = marked;
    update();
}

// A click is a left button pressed and let go over the label: the label
// takes the press, so that the release comes back to it.
void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        QLabel::mouseReleaseEvent(event);
    else if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const int k = event->key();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!plain || (k != Qt::Key_Space && k != Qt::Key_Return && k != Qt::Key_Enter)) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit clicked();
}

void ClickLabel::enterEvent(QEnterEvent *)
{
    hover(isEnabled());
}

void ClickLabel::leaveEvent(QEvent *)
{
    hover(false);
}

void ClickLabel::hover(bool on)
{
    if (auto *caption = qobject_cast<ClickLabel *>(focusProxy())) {
        caption->hover(on);
        return;
    }
    // Links that are always underlined stay so.
    if (on == m_hoverUnderline || (on && font().underline()))
        return;
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
    m_hoverUnderline = on;
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    paintUnderText();
    QLabel::paintEvent(event);
}

void ClickLabel::paintUnderText()
{
    QPainter painter(this);
    if (m_marked) {
        // A dot just before the text, in the room the margin keeps for it.
        const QRect room = contentsRect();
        const int text = qMin(fontMetrics().horizontalAdvance(this->text()), room.width());
        const int left = alignment() & Qt::AlignHCenter ? room.left() + (room.width() - text) / 2 : room.left();
        const qreal size = fontMetrics().height() * 0.55;
        const QRectF dot(left - markRoom(this) / 2.0 - size / 2, room.center().y() + 0.5 - size / 2, size, size);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(changedColour().darker(160), 1));
        painter.setBrush(changedColour());
        painter.drawEllipse(dot);
    }
    // Only the keyboard gives the label the focus, so the frame is always due.
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.backgroundColor = palette().color(backgroundRole());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

CaptionLabel::CaptionLabel(const QString &text, QWidget *parent) : ClickLabel(text, parent) {}

QSize CaptionLabel::sizeHint() const
{
    // Where there is room, room for a provider value as the read shortens it
    // (14 characters and "...") after its label, whatever is shown at the start.
    const QSize whole = QLabel::sizeHint();
    const QMargins m = contentsMargins();
    return {qMax(whole.width(), fontMetrics().averageCharWidth() * 22 + m.left() + m.right()), whole.height()};
}

QSize CaptionLabel::minimumSizeHint() const
{
    // Room for a few characters and the ellipsis: growing captions must not
    // widen the window.
    const QMargins m = contentsMargins();
    return {fontMetrics().averageCharWidth() * 6 + m.left() + m.right(), QLabel::minimumSizeHint().height()};
}

bool CaptionLabel::isElided() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void CaptionLabel::setTip(const QString &tip)
{
    m_tip = tip;
    setToolTip(isElided() ? text() + QLatin1Char('\n') + tip : tip);
}

void CaptionLabel::resizeEvent(QResizeEvent *event)
{
    ClickLabel::resizeEvent(event);
    // The text may fit now, or no longer.
    setTip(m_tip);
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    paintUnderText();
    QPainter painter(this);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

CaptionLabel *captionLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new CaptionLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

ClickLabel *clickLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new ClickLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLabel *plainLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

Picture *picture(const char *name, const QString &file, qreal lines, QWidget *parent)
{
    auto *p = new Picture(file, lines, parent);
    p->setObjectName(QLatin1String(name));
    return p;
}

QLabel *nodeCaption(const char *name, const QString &text, QWidget *parent)
{
    QLabel *l = plainLabel(name, text, parent);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A long caption ("Merolan expects data calls") takes two lines in a
    // narrow window.
    l->setWordWrap(true);
    const int gap = l->fontMetrics().averageCharWidth();
    l->setContentsMargins(gap, 0, gap, 0);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

int nodeWidth(const QWidget *on)
{
    return on->fontMetrics().height() * 7;
}

QHBoxLayout *nodeCell(std::initializer_list<Picture *> pictures, bool wireLeft, bool wireRight, Wire **rightWire)
{
    auto *cell = new QHBoxLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    cell->setSpacing(0);
    if (wireLeft)
        cell->addWidget(new Wire, 1);
    else
        cell->addStretch(1);
    for (Picture *p : pictures)
        cell->addWidget(p, 0, Qt::AlignCenter);
    if (wireRight) {
        auto *wire = new Wire;
        cell->addWidget(wire, 1);
        if (rightWire)
            *rightWire = wire;
    } else {
        cell->addStretch(1);
    }
    return cell;
}
