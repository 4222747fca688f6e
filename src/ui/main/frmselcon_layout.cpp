// The widgets of the main window and where they stand. The behaviour is in
// frmselcon.cpp; the programming tab's diagram is a widget of its own.
#include "diagram.h"
#include "frmselcon.h"
#include "portpicker.h"
#include "setupdiagram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr qreal kLinkLines = 4.5; // a node picture of the link to the modem, in lines of text

} // namespace

void frmSelCon::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileLoad = mnuFile->addAction(tr("Load Setup from file"));
    mnuFileLoad->setObjectName(QStringLiteral("mnuFileLoad"));
    mnuFileLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = mnuFile->addAction(tr("Save Setup to file"));
    mnuFileSave->setObjectName(QStringLiteral("mnuFileSave"));
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFilePending = mnuFile->addAction(tr("Pending changes..."));
    mnuFilePending->setObjectName(QStringLiteral("mnuFilePending"));
    mnuFilePending->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile->addSeparator();
    //: File menu: ends the program.
    mnuFileExit = mnuFile->addAction(tr("Exit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    //: Help menu: opens the user guide.
    mnuHelpContents = mnuHelp->addAction(tr("Contents"));
    mnuHelpContents->setObjectName(QStringLiteral("mnuHelpContents"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    //: Help menu: the program's version and licences.
    mnuHelpAbout = mnuHelp->addAction(tr("About"));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
}

QWidget *frmSelCon::buildStartTab()
{
    auto *tab = new QWidget;

    auto *fraIn = new QGroupBox(tab);
    fraIn->setObjectName(QStringLiteral("fraIn"));
    auto *imgIcon = picture("imgIcon", QStringLiteral("info"), 2.5, fraIn);
    lblInfo = plainLabel("lblInfo", QString(), fraIn);
    lblInfo->setWordWrap(true);
    auto *inLayout = new QHBoxLayout(fraIn);
    inLayout->addWidget(imgIcon, 0, Qt::AlignTop);
    inLayout->addSpacing(fontMetrics().height() / 2);
    inLayout->addWidget(lblInfo, 1);

    for (int kind = 0; kind < 3; ++kind)
        fraConnection[size_t(kind)] = buildConnectionDiagram(kind);

    fraStart = new QGroupBox(tab);
    fraStart->setObjectName(QStringLiteral("fraStart"));
    cboPort->setParent(fraStart);
    cboBaud = new QComboBox(fraStart);
    cboBaud->setObjectName(QStringLiteral("cboBaud"));
    txtPWD = new QLineEdit(fraStart);
    txtPWD->setObjectName(QStringLiteral("txtPWD"));
    txtPWD->setEchoMode(QLineEdit::Password);
    //: Label of the serial port list.
    auto *lblPort = plainLabel("lblPort", tr("Port"), fraStart);
    //: Label of the baud rate list.
    auto *lblBaudRate = plainLabel("lblBaudRate", tr("Baud"), fraStart);
    //: Label of the modem password field.
    auto *Label2 = plainLabel("Label2", tr("Password"), fraStart);
    lblPort->setBuddy(cboPort);
    lblBaudRate->setBuddy(cboBaud);
    Label2->setBuddy(txtPWD);
    cmdConnect = new QPushButton(tr("Start programming"), fraStart);
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
    static const char *const titles[3] = {
        QT_TR_NOOP("PC will connect to Merolan via a local COM port"),
        QT_TR_NOOP("PC will connect to Merolan via a GSM data call"),
        QT_TR_NOOP("PC will connect to Merolan via Ethernet or GPRS"),
    };
    static const std::vector<Node> links[3] = {
        {{"pc", QT_TR_NOOP("PC COM port")},
         {"cable", QT_TR_NOOP("RS-232 cable (null modem)")},
         {"modem", QT_TR_NOOP("Merolan Master port")}},
        {{"pc", QT_TR_NOOP("PC COM port")},
         {"localmodem", QT_TR_NOOP("Local modem")},
         {"gsm", QT_TR_NOOP("GSM network")},
         {"modem", "Merolan"}},
        {{"pc", QT_TR_NOOP("PC virtual COM port")},
         {"virtualport", QT_TR_NOOP("Virtual COM port")},
         {"network", QT_TR_NOOP("Ethernet/GPRS network")},
         {"modem", "Merolan"}},
    };

    auto *frame = new QGroupBox(tr(titles[kind]));
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
        auto *lblClient = plainLabel("", tr(node.caption), frame);
        lblClient->setObjectName(QStringLiteral("lblClient%1_%2").arg(kind).arg(i));
        lblClient->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const int gap = lblClient->fontMetrics().averageCharWidth() * 2;
        lblClient->setContentsMargins(gap, 0, gap, 0);
        grid->addLayout(nodeCell({imgClient}, i > 0, i < last), 0, i + 1);
        grid->addWidget(lblClient, 1, i + 1);
        grid->setColumnMinimumWidth(i + 1, nodeWidth(this));
        grid->setColumnStretch(i + 1, 0);
    }
    grid->setColumnStretch(last + 2, 1);
    frame->setVisible(kind == 0);
    return frame;
}

QWidget *frmSelCon::buildProgramTab()
{
    auto *tab = new QWidget;
    cboRole = new QComboBox(tab);
    cboRole->setObjectName(QStringLiteral("cboRole"));
    // Its entries are sentences; a screen reader needs the subject too.
    cboRole->setAccessibleName(tr("Operating role"));
    cboRole->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chkOmbrilex =
        new QCheckBox(tr("Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries."), tab);
    chkOmbrilex->setObjectName(QStringLiteral("chkOmbrilex"));
    // Before the buttons, so that Tab crosses the diagram in between as it is seen.
    m_diagram = new SetupDiagram(tab);

    cmdRefresh = new QPushButton(tr("Refresh setup from Merolan"), tab);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    cmdWrite = new QPushButton(tr("Write setup to Merolan"), tab);
    cmdWrite->setObjectName(QStringLiteral("cmdWrite"));
    // The write's own menu: the right button, or the menu key on the focused button.
    mnuWriteVerify = new QAction(tr("&Read back and compare"), cmdWrite);
    mnuWriteVerify->setObjectName(QStringLiteral("mnuWriteVerify"));
    mnuWriteVerify->setCheckable(true);
    mnuWriteVerify->setToolTip(tr("After each write, ask the Merolan for every setting written and "
                                  "compare it with what was sent"));
    cmdWrite->addAction(mnuWriteVerify);
    cmdWrite->setContextMenuPolicy(Qt::ActionsContextMenu);
    cmdWrite->setToolTip(tr("Right-click or press the menu key for Read back and compare"));
    cmdFinish = new QPushButton(tr("Finish programming"), tab);
    cmdFinish->setObjectName(QStringLiteral("cmdFinish"));
    // The two buttons swap to their longer STOP captions while they run.
    const int buttonWidth =
        fontMetrics().horizontalAdvance(tr("Refresh setup from Merolan")) + fontMetrics().height() * 2;
    cmdRefresh->setMinimumWidth(buttonWidth);
    cmdWrite->setMinimumWidth(buttonWidth);

    // The logger box under the role: the data-call role's text is long.
    auto *controls = new QVBoxLayout;
    controls->addWidget(cboRole, 0, Qt::AlignLeft);
    controls->addWidget(chkOmbrilex);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRefresh);
    buttons->addWidget(cmdWrite);
    buttons->addStretch(1);
    buttons->addWidget(cmdFinish);

    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(controls);
    layout->addWidget(m_diagram, 1);
    layout->addLayout(buttons);
    // Wide enough for the diagram's usual values where the screen allows;
    // left alone, the first size is at most two thirds of the screen, and
    // values shown on the narrow diagram would be cut. The height is the
    // least the window needs.
    const int margins = fontMetrics().height() * 2;
    resize(qMin(tab->sizeHint().width() + margins, screen()->availableGeometry().width() * 9 / 10), 0);
    return tab;
}
