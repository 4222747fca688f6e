#include "helpwindow.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QToolButton *toolButton(const char *name, const QString &text, const QKeySequence &key, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setShortcut(key);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    // Until the contents page gives the guide's name.
    m_guide = tr("Merolan programmer Help");
    setWindowTitle(m_guide);
    setAttribute(Qt::WA_DeleteOnClose);

    m_back = toolButton("cmdBack", tr("&Back"), QKeySequence::Back, this);
    m_forward = toolButton("cmdForward", tr("&Forward"), QKeySequence::Forward, this);
    m_contents = toolButton("cmdContents", tr("&Contents"), QKeySequence(Qt::ALT | Qt::Key_Home), this);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtGuide"));
    m_browser->setAccessibleName(tr("Guide"));
    // Pages of the guide open here; web addresses go to the browser.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.isLocalFile() || url.scheme().isEmpty())
            m_browser->setSource(url);
        else
            QDesktopServices::openUrl(url);
    });
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &source) {
        const QString page = m_browser->documentTitle();
        // The contents page is named after the guide itself, in its language.
        const bool contents = source == m_index;
        if (contents && !page.isEmpty())
            m_guide = page;
        setWindowTitle(contents || page.isEmpty() ? m_guide : m_guide + QStringLiteral(" - ") + page);
    });

    auto *tools = new QHBoxLayout;
    tools->addWidget(m_back);
    tools->addWidget(m_forward);
    tools->addWidget(m_contents);
    tools->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_browser, 1);
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 45);
}

void HelpWindow::showGuide(const QString &indexPath)
{
    const QUrl index = QUrl::fromLocalFile(indexPath);
    if (m_browser->source() != index) {
        m_index = index;
        m_browser->clearHistory();
        m_browser->setSource(index);
    }
    show();
    raise();
    activateWindow();
}
