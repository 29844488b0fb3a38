#pragma once

// Section and key names of the linearization file, shared by its writer and
// reader.

#include <QString>

#include "common/user_interaction.h"
#include "linearization/lin_pom.h"

namespace lmk17::linfile {

inline const QString kType = QStringLiteral("Type");
inline const QString kLinearization = QStringLiteral("Linearization");
inline const QString kCjc = QStringLiteral("Cold_Junction_Compensation");
inline const QString kRtd = QStringLiteral("RTD_Pt_Calibration");
inline const QString kDetail = QStringLiteral("Linear_Detail");

inline QString LinPointKey(char axis, int k) {
    return QString::asprintf("LinPoint_%c%.2d", axis, k);
}
inline QString CjcPointKey(char axis, int k) {
    return QString::asprintf("CJCPoint_%c%.2d", axis, k);
}
inline QString TableKey(int row, int column) {
    return QString::asprintf("LinTab_R%d_C%.d", row, column);
}
inline QString CjcCoefficientKey(int n) {
    return QString::asprintf("CJC_C%.d", n);
}

// LinTab_R<row>_C<column> in the record's orientation: the file keeps the
// standard tables' layout (row 0 XStart, XEnd, YStart, YEnd; rows 1..8 c3..c0).
inline double TableValue(const LinPom& pom, int row, int column) {
    return pom.LinSegTable[size_t(4 - column)][size_t(row)];
}
inline double& TableValue(LinPom& pom, int row, int column) {
    return pom.LinSegTable[size_t(4 - column)][size_t(row)];
}
// CJC_C<n>: 1 is the coefficient of X^3, 4 that of X^0.
inline double CjcCoefficient(const LinPom& pom, int n) {
    return pom.CjcPoly[size_t(4 - n)];
}
inline double& CjcCoefficient(LinPom& pom, int n) {
    return pom.CjcPoly[size_t(4 - n)];
}

// One progress step per scalar key, per point and per table value.
inline int FileSteps(int linPoints, int cjcPoints, bool hasCjc, bool hasRtd) {
    return 45 + linPoints + (hasCjc ? cjcPoints + 2 : 0) + (hasRtd ? 5 : 0);
}

// The progress window, closed however the work ends.
class Progress {
public:
    Progress(UserInteraction* ui, const QString& caption, int maximum) : ui_(ui) {
        if (ui_) ui_->progressShow(caption, maximum);
    }
    ~Progress() {
        if (ui_) ui_->progressClose();
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void Step() {
        if (ui_) ui_->progressStep(++position_);
    }

private:
    UserInteraction* ui_;
    int position_ = 0;
};

}  // namespace lmk17::linfile
