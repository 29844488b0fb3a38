#pragma once

#include <QStringList>

namespace lmk17::test::ops {

// The parameters a configuration read or write exchanges, in order, as the
// step list prescribes them for a firmware branch: identification first,
// then the sequence. "W" marks a write request.
struct Branch {
    int firmware = 191;
    bool comparators = true;  // the type has limit comparators (no flag D)
    bool fixedRange = false;
};

inline QStringList IdentificationSequence() {
    return {"101", "110", "111", "120", "120"};
}

inline QStringList ConfigurationSequence(const Branch& b, bool writing) {
    QStringList s = IdentificationSequence();
    auto c = [&](int p) { s << (writing ? QStringLiteral("W%1") : QStringLiteral("%1")).arg(p); };
    c(111);
    if (writing && !b.fixedRange) s << "W110";
    c(112);
    c(55);
    for (int row = 0; row < 9; ++row) c(50);
    for (int p : {1, 2, 3, 4, 113}) c(p);
    if (b.comparators)
        for (int p : {90, 91, 95, 96}) c(p);
    for (int p : {5, 150, 151, 72, 51, 70, 71}) c(p);
    if (b.firmware >= 190)
        for (int p : {73, 163, 164, 165}) c(p);
    if (b.firmware >= 191) c(114);
    c(100);
    if (b.firmware >= 181 && b.firmware <= 189) {
        s << "160"
          << "161"
          << "162";
        if (writing)
            s << "W161"
              << "W162";
    }
    c(121);
    c(121);
    if (writing) s << "W111";
    s << "101"
      << "200"
      << "120"
      << "120"
      << "120"
      << "120";
    return s;
}

// The read-back after a write: every parameter written, once, in the order
// it was first written (the write-in-progress mark, 111, is the one
// parameter written twice in the same place).
inline QStringList VerificationSequence(const QStringList& writeSequence) {
    QStringList reads;
    for (const QString& s : writeSequence) {
        if (!s.startsWith(QLatin1Char('W'))) continue;
        const QString parameter = s.mid(1);
        if (parameter == QLatin1String("111") && reads.contains(parameter)) continue;
        reads << parameter;
    }
    return reads;
}

}  // namespace lmk17::test::ops
