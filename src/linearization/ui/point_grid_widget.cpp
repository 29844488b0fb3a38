#include "linearization/ui/point_grid_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include "linearization/grid_clipboard.h"

namespace lmk17 {

PointGridWidget::PointGridWidget(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent), shown_(size_t(rows * columns)) {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) setItem(r, c, new QTableWidgetItem);
    connect(this, &QTableWidget::itemChanged, this, &PointGridWidget::onItemChanged);
}

void PointGridWidget::onItemChanged(QTableWidgetItem* item) {
    if (filling_) return;
    QString& was = shownAt(item->row(), item->column());
    const QString now = item->text().trimmed();
    if (now == was) return;
    was = now;
    emit cellEdited();
}

std::vector<GridRow> PointGridWidget::rows() const {
    std::vector<GridRow> out;
    for (int r = 0; r < rowCount(); ++r) out.push_back({cellText(r, 0), cellText(r, 1)});
    return out;
}

void PointGridWidget::setRows(const std::vector<GridRow>& rows) {
    clearCells();
    filling_ = true;
    for (int r = 0; r < rowCount() && size_t(r) < rows.size(); ++r) {
        setCellText(r, 0, rows[size_t(r)].x);
        setCellText(r, 1, rows[size_t(r)].y);
    }
    filling_ = false;
}

QString PointGridWidget::cellText(int row, int column) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void PointGridWidget::setCellText(int row, int column, const QString& text) {
    const bool was = filling_;
    filling_ = true;
    item(row, column)->setText(text);
    shownAt(row, column) = text.trimmed();
    filling_ = was;
}

void PointGridWidget::clearCells() {
    filling_ = true;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) setCellText(r, c, QString());
    filling_ = false;
}

void PointGridWidget::selectCell(int row, int column) {
    setCurrentCell(row, column);
    scrollToItem(item(row, column));
}

int PointGridWidget::pasteRows(const QString& text) {
    const std::vector<GridRow> pasted = ParsePastedRows(text);
    if (pasted.empty()) return 0;
    const int top = std::max(0, currentRow());
    int lost = 0;
    bool changed = false;
    for (size_t i = 0; i < pasted.size(); ++i) {
        const int r = top + int(i);
        if (r >= rowCount()) {
            ++lost;
            continue;
        }
        const QString cells[2] = {pasted[i].x, pasted[i].y};
        for (int c = 0; c < 2 && c < columnCount(); ++c) {
            if (cellText(r, c).trimmed() == cells[c]) continue;
            setCellText(r, c, cells[c]);
            changed = true;
        }
    }
    if (changed) emit cellEdited();
    if (lost) emit pasteOverflow(lost);
    return lost;
}

QString PointGridWidget::copyText() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    std::vector<GridRow> picked;
    if (!ranges.isEmpty() && ranges.first().rowCount() > 1) {
        const QTableWidgetSelectionRange& s = ranges.first();
        for (int r = s.topRow(); r <= s.bottomRow(); ++r)
            picked.push_back({cellText(r, 0), cellText(r, 1)});
    } else {
        picked = rows();
    }
    return CopiedRowsText(picked);
}

void PointGridWidget::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteRows(QApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(copyText());
        return;
    }
    if (event->matches(QKeySequence::Delete) && state() != QAbstractItemView::EditingState) {
        bool changed = false;
        for (QTableWidgetItem* it : selectedItems()) {
            if (it->text().trimmed().isEmpty()) continue;
            setCellText(it->row(), it->column(), QString());
            changed = true;
        }
        if (changed) emit cellEdited();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace lmk17
