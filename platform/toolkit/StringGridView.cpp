#include "platform/toolkit/StringGridView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace toolkit {

StringGridView::StringGridView(StringGrid* grid, QWidget* parent)
    : QTableView(parent), grid_(grid) {
    setModel(grid);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setWordWrap(false);
    connect(grid, &StringGrid::Click, this, &StringGridView::followGrid);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &StringGridView::columnDragged);
}

void StringGridView::SetDefaultColWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
}

void StringGridView::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    verticalHeader()->setMinimumSectionSize(
        std::min(height, verticalHeader()->minimumSectionSize()));
}

void StringGridView::SetColWidths(std::initializer_list<int> widths) {
    int column = 0;
    for (int width : widths)
        setColumnWidth(column++, width);
}

void StringGridView::followGrid() {
    const int row = grid_->Row() - 1;
    if (row < 0)
        return;
    const QModelIndex index = grid_->index(row, grid_->Col());
    if (index != currentIndex())
        setCurrentIndex(index);
    scrollTo(index);
}

void StringGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid())
        return;
    grid_->SetCurrent(current.column(), current.row() + 1);
}

void StringGridView::columnDragged(int logical, int oldVisual, int newVisual) {
    QHeaderView* header = horizontalHeader();
    {
        const QSignalBlocker undoQuietly(header);
        header->moveSection(newVisual, oldVisual);
    }
    Q_UNUSED(logical);
    grid_->MoveColumn(oldVisual, newVisual);
}

void StringGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), at.x(), at.y());
    if (event->button() == Qt::RightButton)
        return; // a right click leaves the current cell where it is
    QTableView::mousePressEvent(event);
}

void StringGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick();
}

void StringGridView::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty())
        emit KeyPress(event->text().front());
    QTableView::keyPressEvent(event);
}

} // namespace toolkit
