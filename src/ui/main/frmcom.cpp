#include "frmcom.h"

#include "exchange.h"
#include "operationstate.h"
#include "seriallink.h"
#include "userprompt.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBlockUserData>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

// When a line of the view began, for the saved copy.
struct LineTime final : QTextBlockUserData
{
    explicit LineTime(const QTime &t) : time(t) {}
    QTime time;
};

constexpr int kMaxLines = 20000;

bool isShownAsIs(uchar c)
{
    return (c >= 0x20 && c < 0x7f) || c >= 0xa0;
}

} // namespace

TerminalView::TerminalView(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setMaximumBlockCount(kMaxLines);
    setFocusPolicy(Qt::StrongFocus);
}

void TerminalView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) && textCursor().hasSelection()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit typed(QStringLiteral("\r"));
        return;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        // Arrows and page keys scroll the view.
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    for (const QChar c : text)
        emit typed(QString(c));
}

frmCom::frmCom(SerialLink &comm, OperationState &state, UserPrompt &prompt, QWidget *parent)
    : QWidget(parent, Qt::Window), Comm(comm), m_state(state), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmCom"));
    setWindowTitle(tr("Serial traffic"));

    m_view = new TerminalView(this);
    m_view->setObjectName(QStringLiteral("txtTerminal"));
    m_save = new QPushButton(tr("Save..."), this);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setToolTip(tr("Save the traffic to a text file, each line with its time"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    connect(&Comm, &SerialLink::bytesSent, this, [this](const QByteArray &b) { append(b, Direction::Sent); });
    connect(&Comm, &SerialLink::bytesReceived, this, [this](const QByteArray &b) { append(b, Direction::Received); });
    connect(m_view, &TerminalView::typed, this, &frmCom::send);
    connect(m_save, &QPushButton::clicked, this, &frmCom::save);
    setFocusProxy(m_view);
}

void frmCom::showEvent(QShowEvent *event)
{
    // Sized on first showing: most runs never show it, and measuring the
    // terminal font costs start-up time.
    if (!m_sized) {
        m_sized = true;
        const QFontMetrics fm(m_view->font());
        resize(fm.horizontalAdvance(QLatin1Char('x')) * 90, fm.height() * 30);
    }
    QWidget::showEvent(event);
}

void frmCom::unload()
{
    m_unloading = true;
    close();
}

void frmCom::closeEvent(QCloseEvent *event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

void frmCom::append(const QByteArray &bytes, Direction direction)
{
    QTextCharFormat format;
    format.setForeground(direction == Direction::Sent ? QColor(0x15, 0x65, 0xc0) : palette().color(QPalette::Text));
    if (direction == Direction::Sent)
        format.setFontWeight(QFont::DemiBold);

    QScrollBar *bar = m_view->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();

    QTextCursor cursor(m_view->document());
    cursor.movePosition(QTextCursor::End);
    QString run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        if (!cursor.block().userData())
            cursor.block().setUserData(new LineTime(QTime::currentTime()));
        cursor.insertText(run, format);
        run.clear();
    };
    for (const char ch : bytes) {
        const uchar c = uchar(ch);
        const bool lfAfterCr = c == '\n' && m_lastWasCr;
        m_lastWasCr = c == '\r';
        if (c == '\r' || c == '\n') {
            if (lfAfterCr)
                continue;
            flush();
            cursor.insertBlock();
        } else if (isShownAsIs(c)) {
            run += QChar::fromLatin1(ch);
        } else {
            run += QStringLiteral("<%1>").arg(c, 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    flush();
    if (atEnd)
        bar->setValue(bar->maximum());
}

void frmCom::send(const QString &text)
{
    // The window waits for the modem's answer to a line, as a command does.
    if (m_waiting)
        return;
    // While an operation talks to the modem a typed key would land in its
    // command, and Enter would take its answer. A character the line cannot
    // carry (beyond 8 bits) would go out as something else.
    if (refusedWhileRunning(m_state, m_prompt))
        return;
    if (text.front().unicode() > 0xFF) {
        m_prompt.beep();
        return;
    }
    Comm.Output(text);
    if (text != QLatin1String("\r"))
        return;
    // The exchange keeps the operations out until the answer is in.
    const QScopedValueRollback busy(m_state.Busy, true);
    m_waiting = true;
    Comm.setInBufferCount(0);
    Comm.Output(QStringLiteral("\n"));
    setReplyLookUp(Comm);
    Comm.LookUp();
    // The answer itself is already on screen.
    Comm.LookUpInput();
    m_waiting = false;
}

QString frmCom::stampedText() const
{
    QString out;
    QTime stamp;
    for (QTextBlock block = m_view->document()->begin(); block.isValid(); block = block.next()) {
        if (const auto *t = static_cast<const LineTime *>(block.userData()))
            stamp = t->time;
        if (block == m_view->document()->lastBlock() && block.text().isEmpty())
            break;
        out += (stamp.isValid() ? stamp : QTime::currentTime()).toString(QStringLiteral("hh:mm:ss.zzz"));
        out += QStringLiteral("  ") + block.text() + QLatin1Char('\n');
    }
    return out;
}

void frmCom::save()
{
    UserPrompt::FileDialog dialog;
    dialog.title = tr("Save serial traffic");
    dialog.initialName = QStringLiteral("serial-traffic-%1.txt")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
    dialog.filters = QStringList{tr("Text files (*.txt)"),
                                 //: Keep "(*.*)" as it is: the file dialog reads the pattern from it.
                                 tr("All Files (*.*)")};
    dialog.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> path = m_prompt.saveFileName(dialog);
    if (!path)
        return;
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(stampedText().toUtf8()) < 0
        || !file.commit()) {
        //: %1 is the file's path, %2 the system's reason.
        m_prompt.message(tr("Cannot save the serial traffic to %1: %2").arg(*path, file.errorString()),
                         UserPrompt::Icon::Critical);
    }
}
