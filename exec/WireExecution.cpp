// Connects the execution and results controls to their handlers.

#include "app/paBrindles.h"
#include "platform/toolkit/StringGridView.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

void TfmBrindle::wireExecution() {
    connect(btSQLExec, &QPushButton::clicked, this, &TfmBrindle::btSQLExecClick);
    connect(cbOneByOne, &QCheckBox::toggled, this, &TfmBrindle::cbOneByOneClick);
    connect(tmRunSQL, &QTimer::timeout, this, &TfmBrindle::tmRunSQLTimer);
    connect(edInterval, &QLineEdit::textChanged, this, &TfmBrindle::edIntervalChange);
    connect(&sgSQL->grid(), &toolkit::StringGrid::Click, this, &TfmBrindle::sgSQLClick);
    connect(sgSQL, &toolkit::StringGridView::MouseDown, this, &TfmBrindle::sgSQLMouseDown);
    connect(AddtoSQL1, &QAction::triggered, this, &TfmBrindle::AddtoSQL1Click);
    connect(btFind, &QPushButton::clicked, this, &TfmBrindle::btFindClick);
    connect(bbtClearaResults, &QPushButton::clicked, this, &TfmBrindle::bbtClearaResultsClick);
    connect(btSaveSQLRes, &QPushButton::clicked, this, &TfmBrindle::btSaveSQLResClick);
    connect(cbAutoSaveResult, &QCheckBox::toggled, this, &TfmBrindle::cbAutoSaveResultClick);
    connect(btLogSQLResults, &QPushButton::clicked, this, &TfmBrindle::btLogSQLResultsClick);
}
