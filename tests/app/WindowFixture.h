#pragma once

#include "app/paBrindles.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A real window over scripted dialogs and a pinned clock, working in a
// private directory that is also its temporary directory.
class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    QByteArray previousTemp = qgetenv("TEMP");
    toolkit::ScriptedDialogs dialogs;
    toolkit::FixedClock clock{QDateTime(QDate(2013, 1, 5), QTime(9, 3, 7))};
    std::unique_ptr<TfmBrindle> window;

    void SetUp() override {
        QDir::setCurrent(dir.path());
        qputenv("TEMP", dir.path().toLocal8Bit());
    }
    void TearDown() override {
        window.reset();
        QDir::setCurrent(previousDir);
        qputenv("TEMP", previousTemp);
    }
    TfmBrindle& open() {
        window = std::make_unique<TfmBrindle>(dialogs, clock);
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};
