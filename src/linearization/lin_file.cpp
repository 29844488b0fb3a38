#include "linearization/lin_file.h"

#include "linearization/lin_texts.h"

#include <QFileInfo>

#include "common/safe_save.h"
#include "config/catalogue.h"
#include "linearization/lin_file_keys.h"
#include "linearization/lin_text.h"

namespace lmk17 {

namespace {

using namespace linfile;

// Writes the keys in the file's order, one progress step per key (a point's
// X and Y together).
void WriteLin(IniFile& ini, const LinData& data, int rangeIndex, Progress* progress) {
    const auto step = [&] {
        if (progress) progress->Step();
    };
    const LinPom& pom = data.pom;
    const int linCount = qBound(0, data.LinPoints.count, LinPointTable::kCapacity);
    const int cjcCount = qBound(0, data.CJCPoints.count, CjcPointTable::kCapacity);
    const InputRangeEntry* range = RangeAt(rangeIndex);

    ini.setValue(kType, QStringLiteral("Version"), QLatin1String(kLinFileVersion));
    step();
    ini.setValue(kType, QStringLiteral("Input_Range"), QString::number(range ? range->Code : 0));
    step();
    ini.setValue(kLinearization, QStringLiteral("PV_Units"), QString::number(pom.PvUnit));
    step();
    ini.setValue(kLinearization, QStringLiteral("Display_Configuration"),
                 QString::number(pom.DecimalPlaces()));
    step();
    ini.setValue(kLinearization, QStringLiteral("LinPointsNum"), QString::number(linCount));
    step();
    for (int k = 1; k <= linCount; ++k) {
        ini.setValue(kLinearization, LinPointKey('X', k), FileNumberText(data.LinPoints[k - 1].x));
        ini.setValue(kLinearization, LinPointKey('Y', k), FileNumberText(data.LinPoints[k - 1].y));
        step();
    }
    if (pom.HasCjc) {
        ini.setValue(kCjc, QStringLiteral("CJC_Units"), CjcUnitText(pom.CjcXUnit));
        step();
        ini.setValue(kCjc, QStringLiteral("CJCPointsNum"), QString::number(cjcCount));
        step();
        for (int k = 1; k <= cjcCount; ++k) {
            ini.setValue(kCjc, CjcPointKey('X', k), FileNumberText(data.CJCPoints[k - 1].x));
            ini.setValue(kCjc, CjcPointKey('Y', k), FileNumberText(data.CJCPoints[k - 1].y));
            step();
        }
    }
    if (pom.HasRtd) {
        ini.setValue(kRtd, QStringLiteral("Type"), QString::number(pom.RtdMethod));
        step();
        const std::pair<const char*, double> values[] = {
            {"A", pom.RtdA}, {"B", pom.RtdB}, {"C", pom.RtdC}, {"R0", pom.RtdR0}};
        for (const auto& [key, value] : values) {
            ini.setValue(kRtd, QLatin1String(key), FileNumberText(value));
            step();
        }
    }
    for (int row = 0; row <= 8; ++row) {
        for (int column = 1; column <= 4; ++column) {
            ini.setValue(kDetail, TableKey(row, column),
                         FileNumberText(TableValue(pom, row, column)));
            step();
        }
    }
    for (int n = 1; n <= 4; ++n) {
        ini.setValue(kDetail, CjcCoefficientKey(n), FileNumberText(CjcCoefficient(pom, n)));
        step();
    }
}

}  // namespace

QString CjcUnitText(int cjcXUnit) {
    return cjcXUnit == 1 ? QStringLiteral("Ohm") : QStringLiteral("°C");
}

IniFile LinToIni(const LinData& data, int rangeIndex) {
    IniFile ini;
    WriteLin(ini, data, rangeIndex, nullptr);
    return ini;
}

LinFileResult Lin2File(const LinData& data, int rangeIndex, const QString& path,
                       UserInteraction& ui) {
    const QString cancelled = LinTexts::tr("Data were not saved, cancelled by user.");
    const QString cannotOpen =
        LinTexts::tr("Data were not saved, cannot open file: '%1'.").arg(path);
    if (path.isEmpty()) return {false, cancelled};
    if (QFileInfo::exists(path) &&
        !ui.question(
            Question::OverwriteFile, MessageKind::Confirmation,
            LinTexts::tr("File: '%1' already exists, do you want to overwrite it?").arg(path)))
        return {false, cancelled};

    IniFile ini;
    {
        const int lin = qBound(0, data.LinPoints.count, LinPointTable::kCapacity);
        const int cjc = qBound(0, data.CJCPoints.count, CjcPointTable::kCapacity);
        Progress progress(&ui, LinTexts::tr(" Saving Data to File"),
                          FileSteps(lin, cjc, data.pom.HasCjc, data.pom.HasRtd));
        WriteLin(ini, data, rangeIndex, &progress);
    }
    // The old file stays in place until the new one is complete.
    const SafeSaveResult result = SaveFileSafely(path, ini.toBytes());
    if (result.status == SafeSaveResult::Status::OpenFailed)
        return {false, cannotOpen + QLatin1Char(' ') + result.reason};
    if (!result.saved()) return {false, SaveFailedText(path, result.reason)};
    return {true, LinTexts::tr(kLinSaved)};
}

}  // namespace lmk17
