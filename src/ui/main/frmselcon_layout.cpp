// The widgets of the main window and where they stand. The behaviour is in
// frmselcon.cpp.
#include "diagram.h"
#include "frmselcon.h"
#include "portlistmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr qreal kLinkLines = 4.5;   // a node picture of the link to the modem, in lines of text
constexpr qreal kNodeLines = 3.5;   // a node picture of the setup diagram
constexpr qreal kDeviceLines = 2.5; // a device picture
constexpr qreal kSmallLines = 1.2;  // clocks and marks beside a caption

const QString kEditTip = QStringLiteral("Click to edit");
const QString kScheduleTip = QStringLiteral("Click to set On/Off times");

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    // Captions carry the modem's own texts: never rich text.
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
    QLabel *l = label(name, text, parent);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const int gap = l->fontMetrics().averageCharWidth();
    l->setContentsMargins(gap, 0, gap, 0);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// The captions under a node of the setup diagram, one per line.
QVBoxLayout *settingsColumn(std::initializer_list<QLabel *> labels)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    for (QLabel *l : labels) {
        // Neighbouring columns touch (their connectors must): keep texts apart.
        const int gap = l->fontMetrics().averageCharWidth();
        l->setContentsMargins(gap, 0, gap, 0);
        l->setAlignment(Qt::AlignHCenter);
        l->setToolTip(kEditTip);
        column->addWidget(l);
    }
    column->addStretch(1);
    return column;
}

// The picture cell of a diagram node: the connectors reach its picture from
// the node's left and right edges, so the line runs unbroken from node to node.
QHBoxLayout *nodeCell(std::initializer_list<Picture *> pictures, bool wireLeft, bool wireRight,
                      Wire **rightWire = nullptr)
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

} // namespace

int frmSelCon::nodeWidth() const
{
    return fontMetrics().height() * 9;
}

void frmSelCon::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileLoad = mnuFile->addAction(QStringLiteral("Load Setup from file"));
    mnuFileLoad->setObjectName(QStringLiteral("mnuFileLoad"));
    mnuFileLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = mnuFile->addAction(QStringLiteral("Save Setup to file"));
    mnuFileSave->setObjectName(QStringLiteral("mnuFileSave"));
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QStringLiteral("Exit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = mnuHelp->addAction(QStringLiteral("Contents"));
    mnuHelpContents->setObjectName(QStringLiteral("mnuHelpContents"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("About"));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
    // Help and the about box are not part of this program yet.
    mnuHelpContents->setEnabled(false);
    mnuHelpAbout->setEnabled(false);
}

QWidget *frmSelCon::buildStartTab()
{
    auto *tab = new QWidget;

    fraIn = new QGroupBox(tab);
    fraIn->setObjectName(QStringLiteral("fraIn"));
    auto *imgIcon = picture("imgIcon", QStringLiteral("info"), 2.5, fraIn);
    lblInfo = label("lblInfo", QString(), fraIn);
    lblInfo->setWordWrap(true);
    auto *inLayout = new QHBoxLayout(fraIn);
    inLayout->addWidget(imgIcon, 0, Qt::AlignTop);
    inLayout->addSpacing(fontMetrics().height() / 2);
    inLayout->addWidget(lblInfo, 1);

    for (int kind = 0; kind < 3; ++kind)
        fraConnection[size_t(kind)] = buildConnectionDiagram(kind);

    fraStart = new QGroupBox(tab);
    fraStart->setObjectName(QStringLiteral("fraStart"));
    cboPort = new QComboBox(fraStart);
    cboPort->setObjectName(QStringLiteral("cboPort"));
    m_ports = new PortListModel(Comm, cboPort);
    cboPort->setModel(m_ports);
    cboPort->setToolTip(QStringLiteral("Available COM ports"));
    cboPort->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboPort->setMinimumContentsLength(16);
#ifndef _WIN32
    // Linux does not report pseudo-terminals or /dev/serial/by-id links.
    cboPort->setEditable(true);
    cboPort->setInsertPolicy(QComboBox::NoInsert);
#endif
    cboBaud = new QComboBox(fraStart);
    cboBaud->setObjectName(QStringLiteral("cboBaud"));
    txtPWD = new QLineEdit(fraStart);
    txtPWD->setObjectName(QStringLiteral("txtPWD"));
    txtPWD->setEchoMode(QLineEdit::Password);
    auto *lblPort = label("lblPort", QStringLiteral("Port"), fraStart);
    auto *lblBaudRate = label("lblBaudRate", QStringLiteral("Baud"), fraStart);
    auto *Label2 = label("Label2", QStringLiteral("Password"), fraStart);
    lblPort->setBuddy(cboPort);
    lblBaudRate->setBuddy(cboBaud);
    Label2->setBuddy(txtPWD);
    cmdConnect = new QPushButton(QStringLiteral("Start programming"), fraStart);
    cmdConnect->setObjectName(QStringLiteral("cmdConnect"));
    cmdConnect->setDefault(true);

    auto *startLayout = new QGridLayout(fraStart);
    startLayout->addWidget(lblPort, 0, 0);
    startLayout->addWidget(cboPort, 0, 1);
    startLayout->addWidget(lblBaudRate, 1, 0);
    startLayout->addWidget(cboBaud, 1, 1);
    startLayout->addWidget(Label2, 2, 0);
    startLayout->addWidget(txtPWD, 2, 1);
    startLayout->setColumnStretch(2, 1);
    startLayout->addWidget(cmdConnect, 2, 3, Qt::AlignRight | Qt::AlignBottom);

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(fraIn);
    for (QGroupBox *frame : fraConnection)
        layout->addWidget(frame, 1);
    layout->addWidget(fraStart);
    return tab;
}

QGroupBox *frmSelCon::buildConnectionDiagram(int kind)
{
    struct Node
    {
        const char *picture;
        const char *caption;
    };
    static const QString titles[3] = {
        QStringLiteral("PC will connect to Merolan via a local COM port"),
        QStringLiteral("PC will connect to Merolan via a GSM data call"),
        QStringLiteral("PC will connect to Merolan via Ethernet or GPRS"),
    };
    static const std::vector<Node> links[3] = {
        {{"pc", "PC COM port"}, {"cable", "RS-232 cable (null modem)"}, {"modem", "Merolan Master port"}},
        {{"pc", "PC COM port"}, {"localmodem", "Local modem"}, {"gsm", "GSM network"}, {"modem", "Merolan"}},
        {{"pc", "PC virtual COM port"}, {"virtualport", "Virtual COM port"}, {"network", "Ethernet/GPRS network"},
         {"modem", "Merolan"}},
    };

    auto *frame = new QGroupBox(titles[kind]);
    frame->setObjectName(QStringLiteral("fraConnection%1").arg(kind));
    auto *outer = new QVBoxLayout(frame);
    auto *grid = new QGridLayout;
    outer->addStretch(1);
    outer->addLayout(grid);
    outer->addStretch(1);
    grid->setHorizontalSpacing(0);
    grid->setColumnStretch(0, 1);
    const auto &nodes = links[kind];
    const int last = int(nodes.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        const Node &node = nodes[size_t(i)];
        auto *imgClient = new Picture(QLatin1String(node.picture), kLinkLines, frame);
        imgClient->setObjectName(QStringLiteral("imgClient%1_%2").arg(kind).arg(i));
        auto *lblClient = label("", QLatin1String(node.caption), frame);
        lblClient->setObjectName(QStringLiteral("lblClient%1_%2").arg(kind).arg(i));
        lblClient->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const int gap = lblClient->fontMetrics().averageCharWidth() * 2;
        lblClient->setContentsMargins(gap, 0, gap, 0);
        grid->addLayout(nodeCell({imgClient}, i > 0, i < last), 0, i + 1);
        grid->addWidget(lblClient, 1, i + 1);
        grid->setColumnMinimumWidth(i + 1, nodeWidth());
        grid->setColumnStretch(i + 1, 0);
    }
    grid->setColumnStretch(last + 2, 1);
    frame->setVisible(kind == 0);
    return frame;
}

QWidget *frmSelCon::buildInfoFrame()
{
    fraInfo = new QGroupBox(QStringLiteral("Merolan"));
    fraInfo->setObjectName(QStringLiteral("fraInfo"));
    lblVersion = label("lblVersion", QStringLiteral("F/W version"), fraInfo);
    lblSerial = label("lblSerial", QStringLiteral("Serial Number"), fraInfo);
    lblBattery = label("lblBattery", QStringLiteral("Battery"), fraInfo);
    lblClock = label("lblClock", QStringLiteral("Time"), fraInfo);
    lblTimeSet = label("lblTimeSet", QStringLiteral("Set"), fraInfo);
    lblPWD = label("lblPWD", QStringLiteral("Password: Disabled"), fraInfo);
    lblPWDSet = label("lblPWDSet", QStringLiteral("Change"), fraInfo);
    for (QLabel *l : {lblVersion, lblSerial, lblBattery, lblClock, lblPWD})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *grid = new QGridLayout(fraInfo);
    grid->addWidget(lblVersion, 0, 0, 1, 2);
    grid->addWidget(lblSerial, 1, 0, 1, 2);
    grid->addWidget(lblBattery, 2, 0, 1, 2);
    grid->addWidget(lblClock, 3, 0);
    grid->addWidget(lblTimeSet, 3, 1, Qt::AlignRight);
    grid->addWidget(lblPWD, 4, 0);
    grid->addWidget(lblPWDSet, 4, 1, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(5, 1);
    grid->setHorizontalSpacing(fontMetrics().height());
    return fraInfo;
}

QWidget *frmSelCon::buildSetupDiagram()
{
    fraDataStyl = new QGroupBox(QStringLiteral("Setup"));
    fraDataStyl->setObjectName(QStringLiteral("fraDataStyl"));
    QWidget *f = fraDataStyl;

    // The far end: the Tessarin service, the Internet, or a calling modem.
    imgServer = picture("imgServer", QStringLiteral("server"), kNodeLines, f);
    imgInternet = picture("imgInternet", QStringLiteral("internet"), kNodeLines, f);
    imgModem = picture("imgModem", QStringLiteral("localmodem"), kNodeLines, f);
    lblServer = nodeCaption("lblServer", QStringLiteral("Modem"), f);
    lblTessarinIP = label("lblTessarinIP", QString(), f);
    lblTessarinPort = label("lblTessarinPort", QStringLiteral("Port: 1023"), f);
    lblServerPort = label("lblServerPort", QStringLiteral("Server IP Port: 1023"), f);

    imgGPRS = picture("imgGPRS", QStringLiteral("gprs"), kNodeLines, f);
    imgGSM = picture("imgGSM", QStringLiteral("gsm"), kNodeLines, f);
    lblNetwork = nodeCaption("lblNetwork", QStringLiteral("GSM network"), f);
    lblAPN = label("lblAPN", QStringLiteral("APN: "), f);
    lblProviderUser = label("lblProviderUser", QStringLiteral("User: "), f);
    lblProviderPWD = label("lblProviderPWD", QStringLiteral("PWD: "), f);

    auto *imgMerolan = picture("imgMerolan", QStringLiteral("modem"), kNodeLines, f);
    lblMerolan = nodeCaption("lblMerolan", QStringLiteral("Merolan expects data calls"), f);
    lblSMS = label("lblSMS", QStringLiteral("Alarm SMS: Disabled"), f);
    lblBaud = label("lblBaud", QStringLiteral("Baud: 9600"), f);
    lblEmail = label("lblEmail", QStringLiteral("Email: Disabled"), f);

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
        grid->setColumnMinimumWidth(c, nodeWidth());

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

        imgDevice[n] = new Picture(QStringLiteral("device"), kDeviceLines, group);
        imgDevice[n]->setObjectName(QStringLiteral("imgDevice%1").arg(i));
        lblDevice[n] = label("", QStringLiteral("Device %1").arg(i + 1), group);
        lblDevice[n]->setObjectName(QStringLiteral("lblDevice%1").arg(i));
        QFont bold = lblDevice[n]->font();
        bold.setBold(true);
        lblDevice[n]->setFont(bold);
        imgTime[n] = new Picture(QStringLiteral("clock"), kSmallLines, group);
        imgTime[n]->setObjectName(QStringLiteral("imgTime%1").arg(i));
        imgTime[n]->setToolTip(kScheduleTip);
        lblTime[n] = label("", i == 0 ? QStringLiteral("ON 11:30~20:00") : QStringLiteral("Always OFF"), group);
        lblTime[n]->setObjectName(QStringLiteral("lblTime%1").arg(i));
        lblTime[n]->setToolTip(kScheduleTip);

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

QWidget *frmSelCon::buildProgramTab()
{
    auto *tab = new QWidget;
    cboRole = new QComboBox(tab);
    cboRole->setObjectName(QStringLiteral("cboRole"));
    cboRole->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chkOmbrilex = new QCheckBox(
        QStringLiteral("Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries."), tab);
    chkOmbrilex->setObjectName(QStringLiteral("chkOmbrilex"));

    cmdRefresh = new QPushButton(QStringLiteral("Refresh setup from Merolan"), tab);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    cmdWrite = new QPushButton(QStringLiteral("Write setup to Merolan"), tab);
    cmdWrite->setObjectName(QStringLiteral("cmdWrite"));
    cmdFinish = new QPushButton(QStringLiteral("Finish programming"), tab);
    cmdFinish->setObjectName(QStringLiteral("cmdFinish"));
    // The two buttons swap to their longer STOP captions while they run.
    const int buttonWidth = fontMetrics().horizontalAdvance(QStringLiteral("Refresh setup from Merolan")) + fontMetrics().height() * 2;
    cmdRefresh->setMinimumWidth(buttonWidth);
    cmdWrite->setMinimumWidth(buttonWidth);

    auto *controls = new QHBoxLayout;
    controls->addWidget(cboRole);
    controls->addSpacing(fontMetrics().height());
    controls->addWidget(chkOmbrilex, 1);

    auto *middle = new QHBoxLayout;
    middle->addWidget(buildInfoFrame());
    middle->addWidget(buildSetupDiagram(), 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRefresh);
    buttons->addWidget(cmdWrite);
    buttons->addStretch(1);
    buttons->addWidget(cmdFinish);

    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(controls);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    return tab;
}
