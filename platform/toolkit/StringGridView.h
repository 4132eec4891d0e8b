#pragma once

#include "platform/toolkit/StringGrid.h"

#include <QTableView>

// Shows a StringGrid: its title row as the header, its current cell as the
// view's current cell. Dragging a column title moves the column's cells in the
// grid itself, so every reader of the cells sees the columns as the user placed them.
namespace toolkit {

class StringGridView : public QTableView {
    Q_OBJECT
public:
    explicit StringGridView(StringGrid* grid, QWidget* parent = nullptr);

    StringGrid& grid() const { return *grid_; }
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    void SetColWidths(std::initializer_list<int> widths);

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void DblClick();
    void KeyPress(QChar key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void followGrid();
    void columnDragged(int logical, int oldVisual, int newVisual);

    StringGrid* grid_;
};

} // namespace toolkit
