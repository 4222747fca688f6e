#pragma once

#include <QDialog>
#include <array>
#include <utility>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class ScheduleTimeline;
class UserPrompt;

// The daily ON and OFF times of the three devices, in hours and ten-minute
// steps, with "Always ON" and "Always OFF" per device. It edits a copy of the
// record's times; after Accepted, onTimes(), offTimes() and captions() hold
// what OK wrote.
class PerSchedule final : public QDialog
{
    Q_OBJECT
public:
    using Times = std::array<double, 3>;

    // loggerMode: the first device is the Ombrilex data logger. Frames beyond
    // deviceCount are hidden, but OK checks and writes all three devices.
    PerSchedule(const Times &onTime, const Times &offTime, bool loggerMode, int deviceCount, UserPrompt &prompt,
                QWidget *parent = nullptr);

    const Times &onTimes() const { return OnTime; }
    const Times &offTimes() const { return OffTime; }
    // The main window's lblTime0..2: "ON 08:00~17:30", "ALWAYS ON" or "ALWAYS OFF".
    const std::array<QString, 3> &captions() const { return m_captions; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Mode { H, M };
    // One side (ON or OFF) of one device.
    struct Side
    {
        QLabel *lblTime = nullptr;
        QLineEdit *txtH = nullptr;
        QLabel *lbl = nullptr; // the ":" between the boxes
        QLineEdit *txtM = nullptr;
        QScrollBar *vscroll = nullptr;
        QCheckBox *chk = nullptr;
        Mode mode = Mode::H;
    };
    struct Device
    {
        QGroupBox *fraDev = nullptr;
        Side on;
        Side off;
    };

    QGroupBox *buildFrame(int i);
    // which: "ON" or "OFF" in the children's object names; device: the start
    // of their spoken names.
    void buildSide(Side &side, int i, const QString &which, const QString &device, QWidget *frame);

    void LoadTimes();
    void loadSide(Side &side, const QString &time);
    void select(Side &side, Mode mode);
    void setMode(Side &side, Mode mode);
    void stepped(Side &side, int value);
    void hoursChanged(Side &side);
    void minutesChanged(Side &side);
    void chkONClick(int i);
    void chkOFFClick(int i);
    void ApplyAlwaysState(int i);
    void setAlways(Side &side, const QString &hours, const QString &minutes);
    void cmdOKClick();
    void showTimeline();

    static QString text(const Side &side);

    Times OnTime;
    Times OffTime;
    int m_deviceCount;
    UserPrompt &m_prompt;
    std::array<Device, 3> m_devices;
    std::array<QString, 3> m_captions;
    // Each device's ON and OFF texts as LoadTimes left them.
    std::array<std::pair<QString, QString>, 3> m_loaded;
    ScheduleTimeline *m_timeline = nullptr;
    bool Updating = false;
    bool m_loading = false; // LoadTimes runs
};
