#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

// Small constructors for the window's controls: each control gets its object
// name (the member's name, so tests and handlers find it), caption and hint.
namespace ui {

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = {});
QToolButton* speedButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint = {});
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, bool checked,
                    const QString& hint = {});
QLabel* label(QWidget* parent, const char* name, const QString& caption);
QLineEdit* edit(QWidget* parent, const char* name, const QString& text, const QString& hint = {});

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace ui
