#include "common/ui/accessible_name.h"

#include <QLabel>

namespace lmk17 {

namespace {

QString plain(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':'))) text = text.chopped(1).trimmed();
    return text;
}

}  // namespace

QString NameFromLabel(const QString& label, const QString& group) {
    const QString name = plain(label);
    return group.isEmpty() ? name : plain(group) + QLatin1String(", ") + name;
}

void NameAfterLabel(QWidget* input, QLabel* label, const QString& group) {
    label->setBuddy(input);
    NameAfterLabel(input, label->text(), group);
}

void NameAfterLabel(QWidget* input, const QString& label, const QString& group) {
    input->setAccessibleName(NameFromLabel(label, group));
}

}  // namespace lmk17
