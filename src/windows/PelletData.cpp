#include "windows/PelletData.h"

#include "catalog/Catalog.h"
#include "common/UserPrompts.h"
#include "common/ui/QtText.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace corvane {
namespace {

constexpr int kTitleHeight = 33;
constexpr int kMinColumnWidth = 50;
constexpr int kGridFontSize = 9;
const QColor kHeadingColor(197, 168, 114);
const QColor kGridColor(249, 245, 232);
const QColor kEvenRowColor(222, 222, 222);
const QColor kOddRowColor(249, 245, 232);
const QColor kLineColor(128, 128, 128);

QFont GridFont(bool bold) {
    QFont font(QStringLiteral("Arial"), kGridFontSize);
    font.setBold(bold);
    return font;
}

// Draws the cells as the catalog's other grids look: a bold heading row, alternating row
// colours and grey column separators.
class PelletCellDelegate : public QStyledItemDelegate {
public:
    PelletCellDelegate(const int& headingHeight, QObject* parent)
        : QStyledItemDelegate(parent), headingHeight_(headingHeight) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->save();
        if (index.row() == 0) {
            painter->fillRect(r, kHeadingColor);
            painter->setFont(GridFont(true));
            painter->setPen(Qt::black);
            painter->drawText(r.adjusted(6, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
        } else {
            painter->fillRect(r, index.row() % 2 == 0 ? kEvenRowColor : kOddRowColor);
            painter->setFont(GridFont(false));
            painter->setPen(Qt::black);
            painter->setClipRect(r);
            painter->drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
        }
        painter->setClipping(false);
        painter->setPen(QPen(kLineColor, 2));
        painter->drawLine(r.left() + 1, r.top(), r.left() + 1, r.top() + headingHeight_);
        if (index.column() == index.model()->columnCount() - 1) {
            painter->setPen(QPen(kLineColor, 1));
            painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
        }
        painter->setPen(QPen(Qt::lightGray, 1));
        painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter->restore();
    }

private:
    const int& headingHeight_;
};

} // namespace

TfrmPelletData::TfrmPelletData(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Pellet Data"));
    setFont(QFont(QStringLiteral("MS Sans Serif")));

    pnlTitle_ = new QWidget(this);
    pnlTitle_->setFixedHeight(kTitleHeight);
    bbnClose_ = new QPushButton(QStringLiteral("Close"), pnlTitle_);
    bbnClose_->setGeometry(8, 4, 75, 25);
    lblLoadNo_ = new QLabel(pnlTitle_);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setBold(true);
    lblLoadNo_->setFont(labelFont);
    lblLoadNo_->move(98, 9);

    mainGrid_ = new QTableWidget(this);
    mainGrid_->setFrameShape(QFrame::NoFrame);
    mainGrid_->horizontalHeader()->hide();
    mainGrid_->verticalHeader()->hide();
    mainGrid_->setShowGrid(false);
    mainGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mainGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    mainGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mainGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mainGrid_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    mainGrid_->setFont(GridFont(false));
    QPalette palette = mainGrid_->palette();
    palette.setColor(QPalette::Base, kGridColor);
    mainGrid_->setPalette(palette);
    mainGrid_->setItemDelegate(new PelletCellDelegate(rowHeight_, mainGrid_));
    mainGrid_->viewport()->setMouseTracking(true);
    mainGrid_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTitle_);
    layout->addWidget(mainGrid_, 1);

    connect(bbnClose_, &QPushButton::clicked, this, &QWidget::close);
    ClearPelletData();
}

void TfrmPelletData::ClearPelletData() {
    rowHeight_ = QFontMetrics(GridFont(true)).height() + 4;
    mainGrid_->clear();
    mainGrid_->setRowCount(0);
    mainGrid_->setColumnCount(0);
    lblLoadNo_->setText(QStringLiteral("Load #:"));
    lblLoadNo_->adjustSize();
    ApplySize(0, 0);
}

void TfrmPelletData::ShowPelletData(const PelletTable& table) {
    const QFontMetrics boldMetrics(GridFont(true));
    rowHeight_ = boldMetrics.height() + 4;

    const auto cells = PelletGridCells(table);
    const int columns = static_cast<int>(table.headings.size());
    const int rows = 1 + static_cast<int>(cells.size());
    mainGrid_->clear();
    mainGrid_->setColumnCount(columns);
    mainGrid_->setRowCount(rows);

    int widthSum = 0;
    for (int c = 0; c < columns; ++c) {
        const QString heading = ToQString(table.headings[static_cast<std::size_t>(c)]);
        mainGrid_->setItem(0, c, new QTableWidgetItem(heading));
        const int width = std::max(kMinColumnWidth, boldMetrics.horizontalAdvance(heading) + 12);
        mainGrid_->setColumnWidth(c, width);
        widthSum += width;
    }
    for (int r = 1; r < rows; ++r) {
        const auto& line = cells[static_cast<std::size_t>(r - 1)];
        for (int c = 0; c < columns && c < static_cast<int>(line.size()); ++c) {
            mainGrid_->setItem(r, c,
                               new QTableWidgetItem(ToQString(line[static_cast<std::size_t>(c)])));
        }
    }
    for (int r = 0; r < rows; ++r) {
        mainGrid_->setRowHeight(r, rowHeight_ + 1);
    }

    lblLoadNo_->setText(ToQString(table.loadCaption));
    lblLoadNo_->adjustSize();
    ApplySize(widthSum, rows);

    mainGrid_->scrollToTop();
    mainGrid_->setFocus();
    emit catalogFocusWanted();
}

void TfrmPelletData::ApplySize(int columnWidthSum, int rowCount) {
    int width = 5 + columnWidthSum;
    int height = (rowHeight_ + 1) * rowCount + kTitleHeight + 5;
    if (height > kMaxClientHeight) {
        height = kMaxClientHeight;
        width += kScrollBarAllowance;
    }
    width = std::max(width, lblLoadNo_->x() + lblLoadNo_->width() + 10);
    setFixedSize(width, height);
}

void TfrmPelletData::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

bool TfrmPelletData::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainGrid_->viewport() && event->type() == QEvent::MouseMove) {
        emit catalogFocusWanted();
    }
    return QWidget::eventFilter(watched, event);
}

bool FillPelletWindow(TfrmPelletData& window, Catalog& catalog, int loadIndex, bool englSys,
                      UserPrompts& prompts) {
    const auto table = BuildPelletTable(catalog, loadIndex, englSys);
    if (table) {
        window.ShowPelletData(table.Value());
        return true;
    }
    window.ClearPelletData();
    // A load that is no longer in the section (the table changed on disk) just shows nothing.
    if (table.Error().kind != ReadError::Kind::MissingEntry) {
        prompts.ShowError(table.Error().Message());
    }
    return false;
}

} // namespace corvane
