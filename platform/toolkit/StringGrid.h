#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <span>
#include <vector>

// The string grid: cells addressed column first, row 0 the title row (shown as
// the view's header), counts that include the title row and can be set. Cells
// cut off by a smaller count are emptied, so cells regained later start empty.
// Storage is one contiguous array of rows, so appending a row costs its columns.
namespace toolkit {

struct GridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const GridRect&) const = default;
};

class StringGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGrid(int colCount = 1, int rowCount = 2, QObject* parent = nullptr);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // A row's cells in column order, read in place; valid until a count changes.
    std::span<const QString> RowCells(int row) const {
        return {cells_.data() + std::size_t(row) * colCount_, std::size_t(colCount_)};
    }

    int RowCount() const { return rowCount_; }
    void SetRowCount(int rows);
    int ColCount() const { return colCount_; }
    void SetColCount(int cols);

    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);
    void SetCurrent(int col, int row);

    // Moves a column's cells, as dragging its title does.
    void MoveColumn(int from, int to);

    GridRect Selection() const { return selection_; }
    void SetSelection(GridRect rect);

    // Model for a view: data rows are grid rows 1.., row 0 is the header.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The current cell moved to a different cell, as a click on it would.
    void Click();
    // The selection rectangle was set, by the program or by a view.
    void SelectionSet();

private:
    QString& cell(int col, int row) { return cells_[std::size_t(row) * colCount_ + col]; }
    const QString& cell(int col, int row) const {
        return cells_[std::size_t(row) * colCount_ + col];
    }

    int colCount_;
    int rowCount_;
    std::vector<QString> cells_;
    int col_ = 0;
    int row_ = 1;
    GridRect selection_;
};

} // namespace toolkit
