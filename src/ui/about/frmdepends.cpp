#include "frmdepends.h"

#include "platform.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeWidget>

namespace {

// The list's margins: 350 and 650 twips, at 15 twips to the pixel.
constexpr int kWidthMargin = 23;
constexpr int kHeightMargin = 43;
constexpr int kEdge = 12;

} // namespace

std::array<int, 4> dependsColumnWidths(int listWidth)
{
    const int fifth = listWidth / 5;
    return {listWidth - 3 * fifth, fifth, fifth, fifth};
}

frmDepends::frmDepends(platform::Platform &system, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDepends"));
    setWindowTitle(tr("Software Dependencies"));

    ListView = new QTreeWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setAccessibleName(tr("Loaded modules"));
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView->setHeaderLabels({tr("File Name"), tr("Product Name"), tr("File Version"), tr("Company Name")});
    // A header click sorts by its column, always ascending: the list's own
    // sorting would turn the order round on a second click.
    QHeaderView *header = ListView->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, &frmDepends::sortBy);

    ListView->viewport()->installEventFilter(this);
    ListView->installEventFilter(this);

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    cmdCopy = new QPushButton(tr("&Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setToolTip(tr("Copy the whole list as text, for a problem report"));
    connect(cmdCopy, &QPushButton::clicked, this, &frmDepends::copyList);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<std::string> paths = system.processModules();
    const std::vector<std::optional<platform::VersionStrings>> versions = system.versionStrings(paths);
    QApplication::restoreOverrideCursor();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        auto *row = new QTreeWidgetItem(ListView);
        row->setText(0, QString::fromLocal8Bit(paths[i]));
        if (i < versions.size() && versions[i]) {
            row->setText(1, QString::fromLocal8Bit(versions[i]->productName));
            row->setText(2, QString::fromLocal8Bit(versions[i]->fileVersion));
            row->setText(3, QString::fromLocal8Bit(versions[i]->companyName));
        }
    }
    lblCount->setText(tr("%n modules", nullptr, int(paths.size())));
    sortBy(0);
    resize(fontMetrics().averageCharWidth() * 150, fontMetrics().height() * 30);
}

void frmDepends::sortBy(int column)
{
    ListView->sortItems(column, Qt::AscendingOrder);
    ListView->header()->setSortIndicator(column, Qt::AscendingOrder);
}

// One line a module in the order shown, the headings first, a tab between
// the columns.
void frmDepends::copyList() const
{
    QStringList lines;
    const auto line = [this](const QTreeWidgetItem *item) {
        QStringList cells;
        for (int column = 0; column < ListView->columnCount(); ++column)
            cells << item->text(column);
        return cells.join(QLatin1Char('\t'));
    };
    lines << line(ListView->headerItem());
    for (int row = 0; row < ListView->topLevelItemCount(); ++row)
        lines << line(ListView->topLevelItem(row));
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void frmDepends::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isMinimized())
        return;
    const QSize inner = event->size();
    ListView->setGeometry(kEdge, kEdge, std::max(0, inner.width() - kWidthMargin),
                          std::max(0, inner.height() - kHeightMargin));
    // Copy at the right of the strip under the list, the count at its left.
    const int strip = ListView->geometry().bottom() + 3;
    const QSize copy(cmdCopy->sizeHint().width(), std::min(cmdCopy->sizeHint().height(), inner.height() - strip - 2));
    cmdCopy->setGeometry(kEdge + ListView->width() - copy.width(), strip, copy.width(), std::max(0, copy.height()));
    lblCount->setGeometry(kEdge, strip + 1, ListView->width() - copy.width(), fontMetrics().height());
}

bool frmDepends::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+C in the list copies all of it, not only the current row's name.
    if (watched == ListView && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copyList();
        return true;
    }
    // The columns share the width inside the frame and beside the scroll bar,
    // which the list knows only once it has laid itself out.
    if (watched == ListView->viewport() && event->type() == QEvent::Resize) {
        const std::array<int, 4> widths = dependsColumnWidths(ListView->viewport()->width());
        for (int column = 0; column < 4; ++column)
            ListView->setColumnWidth(column, widths[size_t(column)]);
    }
    return QDialog::eventFilter(watched, event);
}
