#pragma once

#include "../app/WindowFixture.h"
#include "platform/toolkit/StringGridView.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A window on the SQL tab, connected to a private simulated server, with
// helpers to type SQL, press the buttons and read the results grid.
class ExecWindowTest : public WindowTest {
protected:
    TfmBrindle& connected() {
        TfmBrindle& w = open();
        w.ADOConn.SetConnectionString(
            QStringLiteral("Provider=MSDASQL.1;User ID=sa;Data Source=sim::memory:;Password="));
        w.bLoggedIn = true;
        w.tbTabStrip->setCurrentIndex(2);
        return w;
    }
    toolkit::StringGrid& grid() { return window->sgSQL->grid(); }

    // Statements the server runs without a result, such as creating the test tables.
    void prepare(const QString& sql) {
        window->qryDynamic.SetSQL({QStringLiteral("/**/"), sql});
        window->qryDynamic.ExecSQL();
        window->qryDynamic.Close();
    }
    void execute(const QString& sql) {
        window->reSQLs->setPlainText(sql);
        window->btSQLExec->click();
    }

    // The grid row by row, cells joined by "|", trailing empty rows left out.
    QStringList gridRows() {
        QStringList rows;
        for (int r = 0; r < grid().RowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid().ColCount(); ++c)
                cells.append(grid().Cells(c, r));
            rows.append(cells.join(u'|'));
        }
        while (!rows.isEmpty() && QString(rows.last()).remove(u'|').isEmpty())
            rows.removeLast();
        return rows;
    }
    void fillGrid(const QList<QStringList>& rows) {
        grid().SetRowCount(int(rows.size()));
        grid().SetColCount(int(rows.front().size()));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                grid().SetCells(c, r, rows[r][c]);
    }
    static QByteArray fileBytes(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Escape pressed in the SQL editor as soon as the running loop next pumps.
inline void pressEscapeAtNextPump(TfmBrindle& w) {
    QTimer::singleShot(0, &w, [&w] {
        w.reSQLs->setFocus();
        QTest::keyClick(w.reSQLs, Qt::Key_Escape);
    });
}
