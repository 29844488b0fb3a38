#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace lmk17::test {

// A language in which every text of `context` reads "<SOURCE IN CAPITALS & co>",
// installed for the life of the object: a text shown untranslated, or a
// translated one written into a file, stands out.
class MarkingTranslator : public QTranslator {
public:
    explicit MarkingTranslator(const char* context) : context_(context) {
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QLatin1String(context) != QLatin1String(context_)) return {};
        return QStringLiteral("<%1 & co>").arg(QString::fromUtf8(source).toUpper());
    }

private:
    const char* context_;
};

}  // namespace lmk17::test
