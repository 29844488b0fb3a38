#include "operations/write_verification.h"

#include <cstring>

#include "operations/operation_texts.h"

namespace lmk17 {

namespace {

bool sameSlot(const LinkRequest& a, const LinkRequest& b) {
    return a.parameter == b.parameter && a.dataType == b.dataType && a.row == b.row &&
           a.subIndex == b.subIndex;
}

std::uint32_t bitsOf(double value) {
    const float f = float(value);
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

bool sameOnWire(const LinkRequest& a, const LinkRequest& b) {
    switch (a.dataType) {
        case TypeInt16:
            return a.value16 == b.value16;
        case TypeInt32:
            return a.value32 == b.value32;
        case TypeFloat:
            return bitsOf(a.value) == bitsOf(b.value);
        case TypeText:
            return a.text == b.text;
        case TypeBlock:
            for (size_t i = 0; i < a.values.size(); ++i)
                if (bitsOf(a.values[i]) != bitsOf(b.values[i])) return false;
            return true;
        default:
            return true;
    }
}

QString valueText(const LinkRequest& r) {
    switch (r.dataType) {
        case TypeInt16:
            return QString::number(r.value16);
        case TypeInt32:
            return QString::number(r.value32);
        case TypeFloat:
            return QString::number(double(float(r.value)), 'g', 9);
        case TypeText:
            return QLatin1Char('"') + QString::fromLatin1(r.text) + QLatin1Char('"');
        case TypeBlock: {
            QStringList values;
            for (double v : r.values) values << QString::number(double(float(v)), 'g', 9);
            return values.join(QStringLiteral("; "));
        }
        default:
            return QString();
    }
}

}  // namespace

void WriteVerification::clear() {
    written_.clear();
    mismatches_.clear();
}

void WriteVerification::noteWritten(const LinkRequest& write) {
    for (LinkRequest& w : written_) {
        if (sameSlot(w, write)) {
            w = write;
            return;
        }
    }
    written_.push_back(write);
}

LinkRequest WriteVerification::readBack(size_t i) const {
    LinkRequest read = written_.at(i);
    read.operation = OpRead;
    return read;
}

void WriteVerification::compare(size_t i, const LinkRequest& answered) {
    const LinkRequest& written = written_.at(i);
    if (sameOnWire(written, answered)) return;
    mismatches_ << operation_text::Tr(operation_text::kVerifyMismatch)
                       .arg(written.parameter)
                       .arg(written.row)
                       .arg(valueText(written), valueText(answered));
}

}  // namespace lmk17
