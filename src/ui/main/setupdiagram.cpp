#include "setupdiagram.h"

#include "captions.h"
#include "diagram.h"
#include "modemclock.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr qreal kNodeLines = 3.5;   // a node picture, in lines of text
constexpr qreal kDeviceLines = 2.5; // a device picture
constexpr qreal kSmallLines = 1.2;  // clocks and marks beside a caption

QString editTip()
{
    return QCoreApplication::translate("SetupDiagram", "Click to edit");
}

QString scheduleTip()
{
    return QCoreApplication::translate("SetupDiagram", "Click to set On/Off times");
}

QString deviceTip(int device)
{
    //: %1 is the device's number, 1 to 3.
    return QCoreApplication::translate("SetupDiagram", "Click to connect to Device %1 and close Merolan Programmer.")
        .arg(device);
}

// The captions under a node, one per line.
QVBoxLayout *settingsColumn(std::initializer_list<QLabel *> labels)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    for (QLabel *l : labels) {
        // Neighbouring columns touch (their connectors must): the room for
        // the change mark keeps texts apart too.
        const int gap = markRoom(l);
        l->setContentsMargins(gap, 0, gap, 0);
        l->setAlignment(Qt::AlignHCenter);
        column->addWidget(l);
    }
    column->addStretch(1);
    return column;
}

} // namespace

SetupDiagram::SetupDiagram(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("setupDiagram"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildInfoFrame());
    layout->addWidget(buildSetupFrame(), 1);

    for (ClickLabel *l : {lblAPN, lblProviderUser, lblProviderPWD})
        connect(l, &ClickLabel::clicked, this, &SetupDiagram::gprsClicked);
    for (ClickLabel *l : {lblTessarinIP, lblTessarinPort})
        connect(l, &ClickLabel::clicked, this, &SetupDiagram::serverClicked);
    connect(lblServerPort, &ClickLabel::clicked, this, &SetupDiagram::serverPortClicked);
    connect(lblSMS, &ClickLabel::clicked, this, &SetupDiagram::smsClicked);
    connect(lblEmail, &ClickLabel::clicked, this, &SetupDiagram::emailClicked);
    connect(lblBaud, &ClickLabel::clicked, this, &SetupDiagram::baudClicked);
    for (int i = 0; i < 3; ++i) {
        const size_t n = size_t(i);
        for (ClickLabel *l : {lblTime[n], imgTime[n]})
            connect(l, &ClickLabel::clicked, this, [this, i] { emit scheduleClicked(i); });
        for (ClickLabel *l : {lblDevice[n], imgDevice[n]})
            connect(l, &ClickLabel::clicked, this, [this, i] { emit deviceClicked(i); });
        // A picture does what its caption does: one stop for both on the Tab key.
        imgTime[n]->setFocusProxy(lblTime[n]);
        imgDevice[n]->setFocusProxy(lblDevice[n]);
    }
    connect(lblPWDSet, &ClickLabel::clicked, this, &SetupDiagram::passwordClicked);
    connect(lblTimeSet, &ClickLabel::clicked, this, &SetupDiagram::clockClicked);

    for (ClickLabel *l : {lblTessarinIP, lblTessarinPort, lblServerPort, lblAPN, lblProviderUser, lblProviderPWD,
                          lblSMS, lblEmail, lblBaud})
        m_lineTips.insert(l, editTip());
    for (ClickLabel *l : lblTime)
        m_lineTips.insert(l, scheduleTip());
    for (ClickLabel *l : m_lineTips.keys())
        refreshTip(l);
}

QGroupBox *SetupDiagram::buildInfoFrame()
{
    auto *fraInfo = new QGroupBox(QStringLiteral("Merolan"), this);
    fraInfo->setObjectName(QStringLiteral("fraInfo"));
    lblVersion = plainLabel("lblVersion", tr("F/W version"), fraInfo);
    lblSerial = plainLabel("lblSerial", tr("Serial Number"), fraInfo);
    lblBattery = plainLabel("lblBattery", tr("Battery"), fraInfo);
    //: The modem's clock, before it is read.
    lblClock = plainLabel("lblClock", tr("Time"), fraInfo);
    //: A link beside the modem's time: sets its clock.
    lblTimeSet = clickLabel("lblTimeSet", tr("Set"), fraInfo);
    lblTimeSet->setToolTip(tr("Click to set the Merolan's clock from this computer's clock"));
    lblTimeSet->setAccessibleName(tr("Set the Merolan's clock from this computer"));
    lblClockDrift = plainLabel("lblClockDrift", QString(), fraInfo);
    // A long distance takes two lines rather than widen the window.
    lblClockDrift->setWordWrap(true);
    lblClockDrift->hide();
    lblPWD = plainLabel("lblPWD", tr("Password: Disabled"), fraInfo);
    //: A link beside the password line: changes the modem's password.
    lblPWDSet = clickLabel("lblPWDSet", tr("Change"), fraInfo);
    lblPWDSet->setToolTip(tr("Click to change password"));
    lblPWDSet->setAccessibleName(tr("Change password"));
    for (QLabel *l : {lblVersion, lblSerial, lblBattery, lblClock, lblPWD})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The two actions among the facts read as links.
    for (QLabel *l : {lblTimeSet, lblPWDSet}) {
        QFont underlined = l->font();
        underlined.setUnderline(true);
        l->setFont(underlined);
        QPalette link = l->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            link.setColor(group, QPalette::WindowText, link.color(group, QPalette::Link));
        l->setPalette(link);
        // Room for the focus frame around a short word.
        l->setContentsMargins(2, 0, 2, 0);
    }

    auto *grid = new QGridLayout(fraInfo);
    grid->addWidget(lblVersion, 0, 0, 1, 2);
    grid->addWidget(lblSerial, 1, 0, 1, 2);
    grid->addWidget(lblBattery, 2, 0, 1, 2);
    grid->addWidget(lblClock, 3, 0);
    grid->addWidget(lblTimeSet, 3, 1, Qt::AlignRight);
    grid->addWidget(lblClockDrift, 4, 0, 1, 2);
    grid->addWidget(lblPWD, 5, 0);
    grid->addWidget(lblPWDSet, 5, 1, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(6, 1);
    grid->setHorizontalSpacing(fontMetrics().height());
    return fraInfo;
}

QGroupBox *SetupDiagram::buildSetupFrame()
{
    //: Group title: the modem's settings.
    auto *fraDataStyl = new QGroupBox(tr("Setup"), this);
    fraDataStyl->setObjectName(QStringLiteral("fraDataStyl"));
    QWidget *f = fraDataStyl;

    // The far end: the Tessarin service, the Internet, or a calling modem.
    imgServer = picture("imgServer", QStringLiteral("server"), kNodeLines, f);
    imgInternet = picture("imgInternet", QStringLiteral("internet"), kNodeLines, f);
    imgModem = picture("imgModem", QStringLiteral("localmodem"), kNodeLines, f);
    //: The far end that calls the modem.
    lblServer = nodeCaption("lblServer", tr("Modem"), f);
    lblTessarinIP = captionLabel("lblTessarinIP", QString(), f);
    lblTessarinPort = captionLabel("lblTessarinPort", tr("Port: 1023"), f);
    lblServerPort = captionLabel("lblServerPort", tr("Server IP Port: 1023"), f);

    imgGPRS = picture("imgGPRS", QStringLiteral("gprs"), kNodeLines, f);
    imgGSM = picture("imgGSM", QStringLiteral("gsm"), kNodeLines, f);
    lblNetwork = nodeCaption("lblNetwork", tr("GSM network"), f);
    lblAPN = captionLabel("lblAPN", QStringLiteral("APN: "), f);
    //: The network provider's user name, before it is read.
    lblProviderUser = captionLabel("lblProviderUser", tr("User: "), f);
    //: The network provider's password, before it is read.
    lblProviderPWD = captionLabel("lblProviderPWD", tr("PWD: "), f);

    auto *imgMerolan = picture("imgMerolan", QStringLiteral("modem"), kNodeLines, f);
    lblMerolan = nodeCaption("lblMerolan", tr("Merolan expects data calls"), f);
    lblSMS = captionLabel("lblSMS", tr("Alarm SMS: Disabled"), f);
    lblBaud = captionLabel("lblBaud", tr("Baud: 9600"), f);
    lblEmail = captionLabel("lblEmail", tr("Email: Disabled"), f);

    auto *outer = new QVBoxLayout(fraDataStyl);
    auto *grid = new QGridLayout;
    outer->addStretch(1);
    outer->addLayout(grid);
    outer->addStretch(2);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(fontMetrics().height() / 4);
    const int lineGap = fontMetrics().height();
    // The pictures of one node share its cell; the role shows one of them.
    grid->addLayout(nodeCell({imgServer, imgInternet, imgModem}, false, true), 0, 0);
    grid->addWidget(lblServer, 1, 0);
    grid->addLayout(settingsColumn({lblTessarinIP, lblTessarinPort, lblServerPort}), 2, 0);
    grid->addLayout(nodeCell({imgGPRS, imgGSM}, true, true), 0, 1);
    grid->addWidget(lblNetwork, 1, 1);
    grid->addLayout(settingsColumn({lblAPN, lblProviderUser, lblProviderPWD}), 2, 1);
    grid->addLayout(nodeCell({imgMerolan}, true, true, &m_deviceWire), 0, 2);
    m_deviceWire->setObjectName(QStringLiteral("wireDevices"));
    // Without devices the modem's picture stays where it was.
    QSizePolicy keep = m_deviceWire->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_deviceWire->setSizePolicy(keep);
    grid->addWidget(lblMerolan, 1, 2);
    grid->addLayout(settingsColumn({lblSMS, lblBaud, lblEmail}), 2, 2);
    for (int c : {0, 1, 2})
        grid->setColumnMinimumWidth(c, nodeWidth(this));

    // The device column: one group per device, each with its connector stub.
    m_deviceColumn = new DeviceColumn(f);
    m_deviceColumn->setObjectName(QStringLiteral("devices"));
    m_deviceColumn->setEntry(m_deviceWire);
    auto *column = new QVBoxLayout(m_deviceColumn);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(lineGap / 2);
    imgOmbrilex = picture("imgOmbrilex", QStringLiteral("datalogger"), kDeviceLines, m_deviceColumn);
    imgTick = picture("imgTick", QStringLiteral("tick"), kSmallLines * 0.8, m_deviceColumn);
    imgStop = picture("imgStop", QStringLiteral("stop"), kSmallLines * 0.8, m_deviceColumn);
    for (int i = 0; i < 3; ++i) {
        const size_t n = size_t(i);
        auto *group = new QWidget(m_deviceColumn);
        group->setObjectName(QStringLiteral("deviceGroup%1").arg(i));
        m_deviceGroup[n] = group;
        auto *stub = new Wire(group);
        stub->setMinimumWidth(lineGap * 2);
        stub->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        stub->setFixedWidth(lineGap * 2);
        m_deviceColumn->addStub(stub);

        imgDevice[n] = new ClickLabel(new Picture(QStringLiteral("device"), kDeviceLines), group);
        imgDevice[n]->setObjectName(QStringLiteral("imgDevice%1").arg(i));
        //: %1 is the device's number, 1 to 3.
        lblDevice[n] = clickLabel("", tr("Device %1").arg(i + 1), group);
        lblDevice[n]->setObjectName(QStringLiteral("lblDevice%1").arg(i));
        QFont bold = lblDevice[n]->font();
        bold.setBold(true);
        lblDevice[n]->setFont(bold);
        lblDevice[n]->setToolTip(deviceTip(i + 1));
        imgDevice[n]->setToolTip(deviceTip(i + 1));
        imgDevice[n]->setAccessibleName(tr("Device %1").arg(i + 1));
        imgTime[n] = new ClickLabel(new Picture(QStringLiteral("clock"), kSmallLines), group);
        imgTime[n]->setObjectName(QStringLiteral("imgTime%1").arg(i));
        imgTime[n]->setToolTip(scheduleTip());
        //: %1 is the device's number, 1 to 3.
        imgTime[n]->setAccessibleName(tr("Device %1 On/Off times").arg(i + 1));
        // A schedule caption is short and never cut: it keeps its whole width.
        lblTime[n] = clickLabel("", i == 0 ? tr("ON 11:30~20:00") : tr("Always OFF"), group);
        lblTime[n]->setObjectName(QStringLiteral("lblTime%1").arg(i));
        lblTime[n]->setContentsMargins(markRoom(lblTime[n]), 0, 0, 0);

        auto *schedule = new QHBoxLayout;
        schedule->setSpacing(lineGap / 3);
        schedule->addWidget(imgTime[n]);
        schedule->addWidget(lblTime[n]);
        if (i == 0) {
            imgTick->setParent(group);
            imgStop->setParent(group);
            schedule->addWidget(imgTick);
            schedule->addWidget(imgStop);
        }
        schedule->addStretch(1);
        auto *text = new QVBoxLayout;
        text->setSpacing(2);
        text->addWidget(lblDevice[n]);
        text->addLayout(schedule);

        auto *row = new QHBoxLayout(group);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(lineGap / 3);
        row->addWidget(stub);
        row->addWidget(imgDevice[n], 0, Qt::AlignCenter);
        if (i == 0) {
            imgOmbrilex->setParent(group);
            row->addWidget(imgOmbrilex, 0, Qt::AlignCenter);
        }
        row->addLayout(text, 1);
        column->addWidget(group);
    }
    column->addStretch(1);
    grid->addWidget(m_deviceColumn, 0, 3, 3, 1);
    grid->setColumnStretch(3, 1);
    return fraDataStyl;
}

QLabel *SetupDiagram::itemLabel(Item item) const
{
    switch (item) {
    case Item::lblVersion: return lblVersion;
    case Item::lblSerial: return lblSerial;
    case Item::lblClock: return lblClock;
    case Item::lblBattery: return lblBattery;
    case Item::lblPWD: return lblPWD;
    case Item::lblPWDSet: return lblPWDSet;
    case Item::lblTime0: return lblTime[0];
    case Item::lblTime1: return lblTime[1];
    case Item::lblTime2: return lblTime[2];
    case Item::lblTessarinIP: return lblTessarinIP;
    case Item::lblTessarinPort: return lblTessarinPort;
    case Item::lblServerPort: return lblServerPort;
    case Item::lblAPN: return lblAPN;
    case Item::lblProviderUser: return lblProviderUser;
    case Item::lblProviderPWD: return lblProviderPWD;
    case Item::lblSMS: return lblSMS;
    case Item::lblEmail: return lblEmail;
    case Item::lblBaud: return lblBaud;
    case Item::chkOmbrilex:
    case Item::cmdWrite:
    case Item::cmdRefresh:
    case Item::txtPWD: return nullptr;
    }
    return nullptr;
}

void SetupDiagram::setCaption(Item item, const QString &text)
{
    if (QLabel *l = itemLabel(item)) {
        l->setText(text);
        if (auto *line = qobject_cast<ClickLabel *>(l); m_lineTips.contains(line))
            refreshTip(line);
    }
}

void SetupDiagram::showChanges(const QMap<Item, QString> &tips)
{
    m_changeTips.clear();
    for (auto tip = tips.cbegin(); tip != tips.cend(); ++tip) {
        if (auto *l = qobject_cast<ClickLabel *>(itemLabel(tip.key())); m_lineTips.contains(l))
            m_changeTips.insert(l, tip.value());
    }
    for (ClickLabel *l : m_lineTips.keys()) {
        refreshTip(l);
        l->setMarked(m_changeTips.contains(l));
    }
}

void SetupDiagram::refreshTip(ClickLabel *line)
{
    // What the line does or, once changed, what the modem holds.
    const QString tip = m_changeTips.value(line, m_lineTips.value(line));
    if (auto *caption = qobject_cast<CaptionLabel *>(line))
        caption->setTip(tip);
    else
        line->setToolTip(tip);
}

QString SetupDiagram::caption(Item item) const
{
    const QLabel *l = itemLabel(item);
    return l ? l->text() : QString();
}

void SetupDiagram::setShown(Item item, bool shown)
{
    if (QLabel *l = itemLabel(item))
        l->setVisible(shown);
}

bool SetupDiagram::isShown(Item item) const
{
    const QLabel *l = itemLabel(item);
    return l && !l->isHidden();
}

void SetupDiagram::showRole(int entry)
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{imgInternet, imgServer, imgModem, lblProviderUser, lblProviderPWD, lblAPN,
                                          imgGPRS, imgGSM, lblTessarinIP, lblTessarinPort, lblServerPort})
        w->hide();
    if (entry < 0 || entry > 2)
        return;
    const RoleCaptions &role = roleCaptions()[size_t(entry)];
    lblNetwork->setText(QCoreApplication::translate("Captions", role.network));
    lblMerolan->setText(QCoreApplication::translate("Captions", role.merolan));
    lblServer->setText(QCoreApplication::translate("Captions", role.server));
    const bool gprs = entry != 2;
    for (QWidget *w : {lblProviderUser, lblProviderPWD, lblAPN})
        w->setVisible(gprs);
    imgGPRS->setVisible(gprs);
    imgGSM->setVisible(!gprs);
    lblTessarinIP->setVisible(entry == 0);
    lblTessarinPort->setVisible(entry == 0);
    imgServer->setVisible(entry == 0);
    lblServerPort->setVisible(entry == 1);
    imgInternet->setVisible(entry == 1);
    imgModem->setVisible(entry == 2);
}

void SetupDiagram::showLogger(bool ticked, qint16 emailInterval)
{
    lblPWDSet->setEnabled(true);
    if (!ticked) {
        lblDevice[0]->setText(tr("Device %1").arg(1));
        lblDevice[0]->setToolTip(deviceTip(1));
        imgDevice[0]->show();
        imgOmbrilex->hide();
        lblEmail->setEnabled(false);
        lblBaud->setEnabled(true);
        return;
    }
    lblDevice[0]->setText(tr("Ombrilex data logger"));
    lblDevice[0]->setToolTip(tr("Click to connect to data logger and close Merolan Programmer."));
    imgDevice[0]->hide();
    imgOmbrilex->show();
    lblBaud->setText(tr("Baud: 9600"));
    lblBaud->setEnabled(false);
    lblEmail->setEnabled(true);
    lblEmail->setText(emailCaption(emailInterval));
    refreshTip(lblBaud);
    refreshTip(lblEmail);
}

void SetupDiagram::showDevices(qint16 count)
{
    for (size_t g = 0; g < m_deviceGroup.size(); ++g)
        m_deviceGroup[g]->setVisible(count != 9 && int(g) < count);
    const bool any = count != 9;
    m_deviceWire->setVisible(any);
    m_deviceColumn->setVisible(any);
    m_deviceColumn->update();
}

void SetupDiagram::showClockDrift(std::optional<qint64> seconds)
{
    lblClockDrift->setVisible(seconds.has_value());
    if (!seconds)
        return;
    const bool wantsSet = driftWantsSet(*seconds);
    //: %1 is how far the modem's clock is ahead (+) or behind (-), as "+2 min 5 s".
    lblClockDrift->setText(tr("Clock: %1 from this computer").arg(driftText(*seconds)));
    lblClockDrift->setToolTip(driftToolTip(*seconds));
    // Past the tolerance, in the colour of the unwritten-changes mark, with
    // dark text whatever the colour scheme: light text on it cannot be read.
    // The palette rather than a style sheet, which the tool-tip would take too.
    QPalette marked;
    if (wantsSet) {
        marked.setColor(QPalette::Window, changedColour());
        marked.setColor(QPalette::WindowText, Qt::black);
    }
    lblClockDrift->setPalette(marked);
    lblClockDrift->setAutoFillBackground(wantsSet);
    // The text lines up with the facts above it unless it sits on the mark.
    const int pad = wantsSet ? fontMetrics().averageCharWidth() / 2 : 0;
    lblClockDrift->setContentsMargins(pad, 2, pad, 2);
}
