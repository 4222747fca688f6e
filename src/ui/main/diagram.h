#pragma once

#include <QLabel>
#include <QSvgRenderer>
#include <QWidget>
#include <initializer_list>
#include <vector>

class QHBoxLayout;

// One of the program's line pictures, drawn from its SVG at whatever pixel
// ratio the screen has. Its size follows the font, so the diagrams keep their
// proportions at any scaling.
class Picture : public QWidget
{
    Q_OBJECT
public:
    // `name` is the picture's file name under :/pictures, without ".svg";
    // `lines` the height in lines of text.
    Picture(const QString &name, qreal lines, QWidget *parent = nullptr);

    QString pictureName() const { return m_name; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_name;
    qreal m_lines;
    QSvgRenderer *m_renderer;
};

// A connector line of a diagram, drawn through the middle of its cell.
class Wire : public QWidget
{
    Q_OBJECT
public:
    explicit Wire(QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;
};

// The device column of the setup diagram: a bus line down its left edge joins
// the modem's connector (entering at `entry`'s height) to the connector stub
// at the start of each device group that is shown.
class DeviceColumn : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceColumn(QWidget *parent = nullptr) : QWidget(parent) {}
    void setEntry(QWidget *entry);
    void addStub(Wire *stub);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qreal centreOf(const QWidget *w) const;
    // Moves the first device down until its connector meets the modem's.
    void alignToEntry();

    const QWidget *m_entry = nullptr;
    std::vector<const Wire *> m_stubs;
};

// What a click does, as on a link: a left click, or Space or Enter with the
// keyboard's focus, emits clicked(). Tab reaches it, a mouse click leaves no
// focus behind; the pointer underlines its caption (a picture's caption is its
// focus proxy). A setting line also bears the change mark beside its text.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text = {}, QWidget *parent = nullptr);
    // The picture in place of a text, at the picture's size.
    ClickLabel(Picture *picture, QWidget *parent);

    void setMarked(bool marked);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // The change mark and the focus frame, which go under the text.
    void paintUnderText();

private:
    void hover(bool on);

    bool m_marked = false;
    bool m_hoverUnderline = false;
};

// A one-line caption that gives way when its place is narrow: the text is
// cut at its end and marked "…", never clipped at either edge, where a cut
// value (a phone number, an address) would still look whole. The text stays
// whole for text() and for screen readers, and in the tip while it is cut.
class CaptionLabel : public ClickLabel
{
    Q_OBJECT
public:
    explicit CaptionLabel(const QString &text, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool isElided() const;
    // The tip under the text when it is cut; call it again after setText().
    void setTip(const QString &tip);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_tip;
};

// The colour of unwritten changes: the write button's face, the mark on the
// lines a write would change, a clock that wants setting.
QColor changedColour();
// The room beside a setting line for its change mark.
int markRoom(const QWidget *on);

// The pen the diagrams draw their connectors with.
QPen connectorPen(const QWidget *on);

// The parts both diagrams of the main window are made of.

// A caption that shows the modem's own texts: never rich text.
QLabel *plainLabel(const char *name, const QString &text, QWidget *parent);
ClickLabel *clickLabel(const char *name, const QString &text, QWidget *parent);
CaptionLabel *captionLabel(const char *name, const QString &text, QWidget *parent);
Picture *picture(const char *name, const QString &file, qreal lines, QWidget *parent);
// The bold caption under a node's picture.
QLabel *nodeCaption(const char *name, const QString &text, QWidget *parent);
// The width of a node's column, so that captions of one line fit.
int nodeWidth(const QWidget *on);
// The picture cell of a node: the connectors reach its picture from the
// node's left and right edges, so the line runs unbroken from node to node.
QHBoxLayout *nodeCell(std::initializer_list<Picture *> pictures, bool wireLeft, bool wireRight,
                      Wire **rightWire = nullptr);
