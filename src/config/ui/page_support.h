#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace lmk17 {

// Makes a page the current one of the tab widget holding it (if any).
void BringPageForward(QWidget* page);

// A label for a field row.
QLabel* FieldLabel(const QString& text, QWidget* parent);

}  // namespace lmk17
