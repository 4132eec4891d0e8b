#include "app/WidgetFactory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace ui {

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QToolButton* speedButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint) {
    auto* b = named(new QToolButton(parent), name);
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, bool checked,
                    const QString& hint) {
    auto* c = named(new QCheckBox(caption, parent), name);
    c->setChecked(checked);
    c->setToolTip(hint);
    return c;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    return named(new QLabel(caption, parent), name);
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* e = named(new QLineEdit(text, parent), name);
    e->setToolTip(hint);
    return e;
}

} // namespace ui
