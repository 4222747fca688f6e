#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QTreeWidget;
namespace platform {
class Platform;
}

// The columns' widths for a list this wide: two fifths for the file name, a
// fifth each for product, version and maker.
std::array<int, 4> dependsColumnWidths(int listWidth);

// "Software Dependencies": every module loaded into the program, with the
// product, version and maker its file's version information names, for
// support staff to see which shared components the program runs with. Copy
// (Ctrl+C) puts the whole list on the clipboard as text, for a report.
class frmDepends final : public QDialog
{
    Q_OBJECT
public:
    explicit frmDepends(platform::Platform &system, QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sortBy(int column);
    void copyList() const;

    QTreeWidget *ListView;
    QLabel *lblCount;
    QPushButton *cmdCopy;
};
