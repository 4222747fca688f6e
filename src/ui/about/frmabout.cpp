#include "frmabout.h"

#include "frmdepends.h"
#include "helpfiles.h"
#include "platform.h"
#include "userprompt.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kTitle = QT_TRANSLATE_NOOP("frmAbout", "Merolan programmer");
const QString kSite = QStringLiteral("https://www.brantholm.example/merolan");

QLabel *aboutLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton *aboutButton(const char *name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    // Enter is OK's, whichever button has the focus; Space presses that one.
    button->setAutoDefault(false);
    return button;
}

} // namespace

QString versionCaption(const QString &fourPartVersion)
{
    const QStringList parts = fourPartVersion.split(QLatin1Char('.'));
    const auto part = [&parts](int i) { return i < parts.size() ? parts[i] : QStringLiteral("0"); };
    //: %1.%2 is the version, %3 the build number
    return frmAbout::tr("Version %1.%2  Build %3").arg(part(0), part(1), part(3));
}

frmAbout::frmAbout(platform::Platform &system, UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_system(system), m_prompt(prompt)
{
    setObjectName(QStringLiteral("frmAbout"));
    //: %1 is the program's name
    setWindowTitle(tr("About %1").arg(tr(kTitle)));

    Image = new QLabel(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setPixmap(QIcon(QStringLiteral(":/pictures/app.svg")).pixmap(64, 64));
    Image->setAccessibleName(tr("Program icon"));
    Image->installEventFilter(this);

    auto *lblTitle = aboutLabel("lblTitle", tr(kTitle), this);
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);
    auto *lblVersion = aboutLabel("lblVersion", versionCaption(QStringLiteral(MEROLAN_VERSION)), this);
    auto *lblDescription = aboutLabel("lblDescription",
                                      tr("Programs the Brantholm Merolan modem.\n"
                                         "Reads, edits and writes its setup on the serial line, "
                                         "through a GSM data call or over the network."),
                                      this);
    auto *lblDisclaimer = aboutLabel("lblDisclaimer", QString(), this);
    auto *lblSite = new QLabel(this);
    lblSite->setObjectName(QStringLiteral("lblSite"));
    lblSite->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(kSite));
    lblSite->setTextFormat(Qt::RichText);
    lblSite->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblSite->setAccessibleName(kSite);
    connect(lblSite, &QLabel::linkActivated, this,
            [this](const QString &address) { m_system.openDocument(address.toLocal8Bit().toStdString()); });

    auto *cmdOK = aboutButton("cmdOK", tr("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto *cmdSysInfo = aboutButton("cmdSysInfo", tr("&System Info..."), this);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfoClick);
    auto *Command1 = aboutButton("Command1", tr("View license"), this);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1Click);

    auto *text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(fontMetrics().height() / 2);
    text->addWidget(lblDescription);
    text->addWidget(lblSite);
    text->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addWidget(Image, 0, Qt::AlignTop);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(text, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(Command1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1, Qt::AlignBottom);
    bottom->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    cmdOK->setFocus();
}

void frmAbout::Command1Click()
{
    // Beside the program, or with the data of an installed one.
    for (const std::string &folder : m_system.programFolders()) {
        const std::string path = platform::licenceFilePath(folder);
        if (QFileInfo::exists(QString::fromLocal8Bit(path))) {
            m_system.openDocument(path);
            return;
        }
    }
}

void frmAbout::cmdSysInfoClick()
{
    if (!m_system.startSysInfo())
        m_prompt.message(tr("System Information Is Unavailable At This Time"));
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image && event->type() == QEvent::MouseButtonDblClick) {
        frmDepends depends(m_system, this);
        depends.exec();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
