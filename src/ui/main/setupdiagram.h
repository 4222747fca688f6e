#pragma once

#include "session.h"

#include <QHash>
#include <QMap>
#include <QWidget>

#include <array>
#include <optional>

class CaptionLabel;
class ClickLabel;
class DeviceColumn;
class Picture;
class QGroupBox;
class QLabel;
class Wire;

// The programming tab's picture of the modem: its facts (version, serial
// number, battery, clock, password) and the diagram of its link from the far
// end over the network to the devices, with every setting as a caption.
//
// It shows what it is told and reports clicks: each click target (a setting's
// caption, or the picture beside it) emits the signal of its editor.
class SetupDiagram final : public QWidget
{
    Q_OBJECT
public:
    using Item = SetupView::Item;

    explicit SetupDiagram(QWidget *parent = nullptr);

    // The captions and visibility of the items shown here (owns() is true).
    bool owns(Item item) const { return itemLabel(item) != nullptr; }
    void setCaption(Item item, const QString &text);
    QString caption(Item item) const;
    void setShown(Item item, bool shown);
    bool isShown(Item item) const;

    // The role's captions and elements; entry -1 or out of range hides them all.
    void showRole(int entry);
    // Device mode (plain devices, baud editable) or logger mode (the Ombrilex
    // data logger at a fixed 9600 baud, e-mail reports editable).
    void showLogger(bool ticked, qint16 emailInterval);
    // The device column for a count of 1, 2, 3, or 9 for none.
    void showDevices(qint16 count);
    // The modem clock's distance from the computer's, under the clock; hidden
    // when the modem's clock reply held no time.
    void showClockDrift(std::optional<qint64> seconds);
    // Marks the lines of a setting that a write would change, each with its
    // tip; every other line loses its mark.
    void showChanges(const QMap<Item, QString> &tips);

signals:
    void gprsClicked();       // APN, provider user and password
    void serverClicked();     // Tessarin address and port
    void serverPortClicked(); // the server role's port
    void smsClicked();
    void emailClicked();
    void baudClicked();
    void scheduleClicked(int device); // a device's times or its clock, 0 to 2
    void deviceClicked(int device);   // a device's name or picture, 0 to 2
    void passwordClicked();
    void clockClicked();

private:
    QGroupBox *buildInfoFrame();
    QGroupBox *buildSetupFrame();
    QLabel *itemLabel(Item item) const;
    void refreshTip(ClickLabel *line);

    QHash<ClickLabel *, QString> m_lineTips;   // the setting lines and their own tips
    QHash<ClickLabel *, QString> m_changeTips; // the lines a write would change

    QLabel *lblVersion = nullptr;
    QLabel *lblSerial = nullptr;
    QLabel *lblBattery = nullptr;
    QLabel *lblClock = nullptr;
    ClickLabel *lblTimeSet = nullptr;
    QLabel *lblClockDrift = nullptr;
    QLabel *lblPWD = nullptr;
    ClickLabel *lblPWDSet = nullptr;

    QLabel *lblMerolan = nullptr;
    QLabel *lblNetwork = nullptr;
    QLabel *lblServer = nullptr;
    CaptionLabel *lblTessarinIP = nullptr;
    CaptionLabel *lblTessarinPort = nullptr;
    CaptionLabel *lblServerPort = nullptr;
    CaptionLabel *lblAPN = nullptr;
    CaptionLabel *lblProviderUser = nullptr;
    CaptionLabel *lblProviderPWD = nullptr;
    CaptionLabel *lblSMS = nullptr;
    CaptionLabel *lblEmail = nullptr;
    CaptionLabel *lblBaud = nullptr;
    Picture *imgGPRS = nullptr;
    Picture *imgGSM = nullptr;
    Picture *imgServer = nullptr;
    Picture *imgInternet = nullptr;
    Picture *imgModem = nullptr;
    Picture *imgOmbrilex = nullptr;
    Picture *imgStop = nullptr;
    Picture *imgTick = nullptr;
    std::array<QWidget *, 3> m_deviceGroup{};
    std::array<ClickLabel *, 3> lblDevice{};
    std::array<ClickLabel *, 3> imgDevice{};
    std::array<ClickLabel *, 3> lblTime{};
    std::array<ClickLabel *, 3> imgTime{};
    Wire *m_deviceWire = nullptr;
    DeviceColumn *m_deviceColumn = nullptr;
};
