#include "frmdepends.h"

#include "platform.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
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
    setWindowTitle(QStringLiteral("Software Dependencies"));

    ListView = new QTreeWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setAccessibleName(QStringLiteral("Loaded modules"));
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Product Name"),
                               QStringLiteral("File Version"), QStringLiteral("Company Name")});
    // A header click sorts by its column, always ascending: the list's own
    // sorting would turn the order round on a second click.
    QHeaderView *header = ListView->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, &frmDepends::sortBy);

    ListView->viewport()->installEventFilter(this);

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));

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
    lblCount->setText(QStringLiteral("%1 modules").arg(paths.size()));
    sortBy(0);
    resize(fontMetrics().averageCharWidth() * 150, fontMetrics().height() * 30);
}

void frmDepends::sortBy(int column)
{
    ListView->sortItems(column, Qt::AscendingOrder);
    ListView->header()->setSortIndicator(column, Qt::AscendingOrder);
}

void frmDepends::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isMinimized())
        return;
    const QSize inner = event->size();
    ListView->setGeometry(kEdge, kEdge, std::max(0, inner.width() - kWidthMargin),
                          std::max(0, inner.height() - kHeightMargin));
    lblCount->setGeometry(kEdge, ListView->geometry().bottom() + 4, ListView->width(), fontMetrics().height());
}

bool frmDepends::eventFilter(QObject *watched, QEvent *event)
{
    // The columns share the width inside the frame and beside the scroll bar,
    // which the list knows only once it has laid itself out.
    if (watched == ListView->viewport() && event->type() == QEvent::Resize) {
        const std::array<int, 4> widths = dependsColumnWidths(ListView->viewport()->width());
        for (int column = 0; column < 4; ++column)
            ListView->setColumnWidth(column, widths[size_t(column)]);
    }
    return QDialog::eventFilter(watched, event);
}
