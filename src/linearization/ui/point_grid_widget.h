#pragma once

#include <QTableWidget>
#include <vector>

#include "linearization/point_grid.h"

namespace lmk17 {

// A grid of text cells for the editor's point tables and detail table: shows
// rows of texts, reports a cell whose trimmed text changed, and pastes and
// copies blocks in the spreadsheet format (Ctrl+V, Ctrl+C).
class PointGridWidget : public QTableWidget {
    Q_OBJECT

public:
    PointGridWidget(int rows, int columns, QWidget* parent = nullptr);

    // The two-column rows of a point grid, all data rows.
    std::vector<GridRow> rows() const;
    // Shows rows from the top; the rest of the grid is emptied.
    void setRows(const std::vector<GridRow>& rows);
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    void clearCells();
    void selectCell(int row, int column);  // 0-based

    // Pastes the clipboard's rows at the current cell (X column first);
    // returns how many rows did not fit.
    int pasteRows(const QString& text);
    // The rows with an X (or the selected ones) as "X<tab>Y" lines.
    QString copyText() const;

signals:
    // A cell's trimmed text changed by the user (typing or pasting).
    void cellEdited();
    // Some pasted rows fell off the end of the grid.
    void pasteOverflow(int lost);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool filling_ = false;
    std::vector<QString> shown_;  // trimmed texts as last shown or accepted

    QString& shownAt(int row, int column) { return shown_[size_t(row * columnCount() + column)]; }
    void onItemChanged(QTableWidgetItem* item);
};

}  // namespace lmk17
