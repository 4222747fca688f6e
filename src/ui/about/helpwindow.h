#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The user guide shown by the program itself, where the system has no viewer
// for the compiled help: the same pages, with back, forward and contents.
class HelpWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the guide's contents page and brings the window to the front. The
    // title is the guide's name from that page, then the page shown.
    void showGuide(const QString &indexPath);
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
    QToolButton *m_back;
    QToolButton *m_forward;
    QToolButton *m_contents;
    // The guide's name, as its contents page gives it in the guide's language.
    QString m_guide;
    QUrl m_index;
};
