#pragma once

#include <QPlainTextEdit>
#include <QWidget>

class OperationState;
class QPushButton;
class SerialLink;
class UserPrompt;

// The terminal view: shows the traffic and hands every typed key on.
class TerminalView : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TerminalView(QWidget *parent = nullptr);

signals:
    void typed(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// "Serial traffic": the raw line to the modem for diagnostics. What goes out
// and what comes in are shown in two colours; each typed key is sent at once.
// Closing it only hides it; the program's own shutdown ends it.
class frmCom : public QWidget
{
    Q_OBJECT
public:
    frmCom(SerialLink &comm, OperationState &state, UserPrompt &prompt, QWidget *parent = nullptr);

    // Closes the window for good at the end of the program.
    void unload();

    // The shown text with "hh:mm:ss.zzz" in front of each line.
    QString stampedText() const;

    enum class Direction { Sent, Received };

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void append(const QByteArray &bytes, Direction direction);
    void send(const QString &text);
    void save();

    SerialLink &Comm;
    OperationState &m_state;
    UserPrompt &m_prompt;
    TerminalView *m_view;
    QPushButton *m_save;
    bool m_unloading = false;
    bool m_sized = false;
    bool m_waiting = false;
    bool m_lastWasCr = false;
    bool m_lineOpen = false;
};
