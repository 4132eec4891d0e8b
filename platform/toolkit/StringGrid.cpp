#include "platform/toolkit/StringGrid.h"

#include <algorithm>

namespace toolkit {

StringGrid::StringGrid(int colCount, int rowCount, QObject* parent)
    : QAbstractTableModel(parent), colCount_(std::max(colCount, 1)),
      rowCount_(std::max(rowCount, 1)), cells_(std::size_t(colCount_) * rowCount_),
      row_(rowCount_ > 1 ? 1 : 0) {}

QString StringGrid::Cells(int col, int row) const {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        return {};
    return cell(col, row);
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        return;
    cell(col, row) = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void StringGrid::SetRowCount(int rows) {
    rows = std::max(rows, 1);
    if (rows == rowCount_)
        return;
    if (rows > rowCount_) {
        beginInsertRows({}, rowCount_ - 1, rows - 2);
        cells_.resize(std::size_t(rows) * colCount_);
        rowCount_ = rows;
        endInsertRows();
    } else {
        beginRemoveRows({}, rows - 1, rowCount_ - 2);
        cells_.resize(std::size_t(rows) * colCount_);
        rowCount_ = rows;
        endRemoveRows();
        row_ = std::min(row_, rowCount_ - 1);
    }
}

void StringGrid::SetColCount(int cols) {
    cols = std::max(cols, 1);
    if (cols == colCount_)
        return;
    beginResetModel();
    std::vector<QString> regrown(std::size_t(cols) * rowCount_);
    const int kept = std::min(cols, colCount_);
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 0; c < kept; ++c)
            regrown[std::size_t(r) * cols + c] = std::move(cell(c, r));
    cells_ = std::move(regrown);
    colCount_ = cols;
    col_ = std::min(col_, colCount_ - 1);
    endResetModel();
}

void StringGrid::MoveColumn(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= colCount_ || to >= colCount_)
        return;
    beginResetModel();
    for (int r = 0; r < rowCount_; ++r) {
        auto rowStart = cells_.begin() + std::ptrdiff_t(r) * colCount_;
        if (from < to)
            std::rotate(rowStart + from, rowStart + from + 1, rowStart + to + 1);
        else
            std::rotate(rowStart + to, rowStart + from, rowStart + from + 1);
    }
    endResetModel();
}

void StringGrid::SetRow(int row) {
    SetCurrent(col_, row);
}

void StringGrid::SetCol(int col) {
    SetCurrent(col, row_);
}

void StringGrid::SetCurrent(int col, int row) {
    col = std::clamp(col, 0, colCount_ - 1);
    row = std::clamp(row, 0, rowCount_ - 1);
    if (col == col_ && row == row_)
        return;
    col_ = col;
    row_ = row;
    emit Click();
}

void StringGrid::SetSelection(GridRect rect) {
    if (rect == selection_)
        return;
    selection_ = rect;
    emit SelectionSet();
}

int StringGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_ - 1;
}

int StringGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount_;
}

QVariant StringGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.column(), index.row() + 1);
}

bool StringGrid::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    SetCells(index.column(), index.row() + 1, value.toString());
    return true;
}

QVariant StringGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= colCount_)
        return QAbstractTableModel::headerData(section, orientation, role);
    return cell(section, 0);
}

Qt::ItemFlags StringGrid::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) |
           (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

} // namespace toolkit
