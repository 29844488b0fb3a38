#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace lmk17 {

// The name a screen reader says for an input: the text of its label without
// the mnemonic mark and the closing colon, after the name of its group
// where groups repeat the same labels ("Limit Comparator 2, Hysteresis").
QString NameFromLabel(const QString& label, const QString& group = {});

// Names `input` after `label` (and `group`); a label given is also made the
// input's buddy, so that its mnemonic moves the focus there.
void NameAfterLabel(QWidget* input, QLabel* label, const QString& group = {});
void NameAfterLabel(QWidget* input, const QString& label, const QString& group = {});

}  // namespace lmk17
