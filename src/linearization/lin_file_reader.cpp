#include <QFileInfo>

#include "linearization/lin_texts.h"

#include "config/catalogue.h"
#include "linearization/lin_file.h"
#include "linearization/lin_file_keys.h"
#include "linearization/lin_text.h"

namespace lmk17 {

using namespace linfile;

namespace {

QString WrongFormat() {
    return LinTexts::tr("Data was not loaded - wrong file format.");
}

QString SectionError(const QString& section) {
    return WrongFormat() + LinTexts::tr("\r\n Error in the Section: [") + section +
           QStringLiteral("].");
}

// Reads a file's values into a working copy. Each step returns false after
// leaving its message in `error`; nothing reaches the caller's data unless
// every step passes.
struct LinReader {
    const IniFile& ini;
    LinData work;
    QString error;

    bool Fail(const QString& message) {
        error = message;
        return false;
    }
    bool FailIn(const QString& section) { return Fail(SectionError(section)); }

    // An integer key; a missing key gives `fallback`, an unreadable one nothing.
    std::optional<int> Integer(const QString& section, const QString& key, int fallback) const {
        const std::optional<QString> text = ini.value(section, key);
        if (!text) return fallback;
        return ParseInteger(*text);
    }
    // A floating key that must exist and parse.
    bool Real(const QString& section, const QString& key, double& target) {
        const std::optional<QString> text = ini.value(section, key);
        const std::optional<double> v = text ? ParseDecimal(*text) : std::nullopt;
        if (!v) return FailIn(section);
        target = *v;
        return true;
    }
    // A floating key that may be missing; the target then keeps its value.
    bool OptionalReal(const QString& section, const QString& key, double& target) {
        return !ini.hasKey(section, key) || Real(section, key, target);
    }
    // A count key within 0..capacity (missing counts as 0).
    bool Count(const QString& section, const QString& key, int capacity, int& count) {
        const std::optional<int> v = Integer(section, key, 0);
        if (!v || *v < 0 || *v > capacity) return FailIn(section);
        count = *v;
        return true;
    }
    template <int N>
    bool Points(const QString& section, QString (*key)(char, int), int count, PointTable<N>& table,
                Progress& progress) {
        for (int k = 1; k <= count; ++k) {
            double x = 0.0, y = 0.0;
            if (!Real(section, key('X', k), x) || !Real(section, key('Y', k), y)) return false;
            table.Append(x, y);
            progress.Step();
        }
        return true;
    }

    bool Version();
    bool InputRange(int rangeIndex, Progress& progress);
    bool Display(Progress& progress);
    bool Cjc(int count, Progress& progress);
    bool Rtd(Progress& progress);
    bool Detail(Progress& progress);
};

bool LinReader::Version() {
    const QString version = ini.value(kType, QStringLiteral("Version"), QString()).trimmed();
    if (version == QLatin1String(kLinFileVersion)) return true;
    if (version.startsWith(QLatin1String("Lin-")))
        return Fail(LinTexts::tr("Data was not loaded - unknown file format.") +
                    LinTexts::tr("Try later version or contact your supplier."));
    return Fail(WrongFormat());
}

bool LinReader::InputRange(int rangeIndex, Progress& progress) {
    const std::optional<int> code = Integer(kType, QStringLiteral("Input_Range"), 0);
    const InputRangeEntry* range = code ? RangeByCode(*code) : nullptr;
    if (!range || !range->UsesEditor) return FailIn(kType);
    const InputRangeEntry* selected = RangeAt(rangeIndex);
    if (!selected || selected->Code != range->Code)
        return Fail(
            LinTexts::tr("Data was not loaded, file contains data for another input range (") +
            QString(range->ShortCode) + QStringLiteral(")."));
    progress.Step();
    progress.Step();
    return true;
}

bool LinReader::Display(Progress& progress) {
    const std::optional<int> unit = Integer(kLinearization, QStringLiteral("PV_Units"), 0);
    if (!unit || *unit < 0 || *unit > 255) return FailIn(kLinearization);
    work.pom.PvUnit = quint8(*unit);
    progress.Step();
    const std::optional<int> places =
        Integer(kLinearization, QStringLiteral("Display_Configuration"), -1);
    if (!places || *places < 0 || *places > 2) return Fail(WrongFormat());
    work.pom.SetDecimalPlaces(*places);
    progress.Step();
    progress.Step();  // LinPointsNum, read before
    return true;
}

bool LinReader::Cjc(int count, Progress& progress) {
    const QString unit = ini.value(kCjc, QStringLiteral("CJC_Units"), QString()).trimmed();
    if (unit == CjcUnitText(0))
        work.pom.CjcXUnit = 0;
    else if (unit == CjcUnitText(1))
        work.pom.CjcXUnit = 1;
    else
        return FailIn(kCjc);
    progress.Step();
    progress.Step();  // CJCPointsNum, read before
    return Points(kCjc, &CjcPointKey, count, work.CJCPoints, progress);
}

bool LinReader::Rtd(Progress& progress) {
    const std::optional<int> method = Integer(kRtd, QStringLiteral("Type"), work.pom.RtdMethod);
    if (!method || *method < 0 || *method > 2) return FailIn(kRtd);
    work.pom.RtdMethod = quint8(*method);
    progress.Step();
    const std::pair<const char*, double*> values[] = {{"A", &work.pom.RtdA},
                                                      {"B", &work.pom.RtdB},
                                                      {"C", &work.pom.RtdC},
                                                      {"R0", &work.pom.RtdR0}};
    for (const auto& [key, target] : values) {
        if (!OptionalReal(kRtd, QLatin1String(key), *target)) return false;
        progress.Step();
    }
    return true;
}

bool LinReader::Detail(Progress& progress) {
    // Without the section the current table and polynomial stay.
    if (!ini.hasSection(kDetail)) return true;
    for (int row = 0; row <= 8; ++row) {
        for (int column = 1; column <= 4; ++column) {
            if (!Real(kDetail, TableKey(row, column), TableValue(work.pom, row, column)))
                return false;
            progress.Step();
        }
    }
    for (int n = 1; n <= 4; ++n) {
        if (!Real(kDetail, CjcCoefficientKey(n), CjcCoefficient(work.pom, n))) return false;
        progress.Step();
    }
    return true;
}

}  // namespace

LinLoadResult LinFromIni(const IniFile& ini, const LinData& current, int rangeIndex,
                         UserInteraction* ui) {
    LinReader r{ini, {}, {}};
    r.work.pom = current.pom;
    const bool hasCjc = current.pom.HasCjc;
    const bool hasRtd = current.pom.HasRtd;

    int linCount = 0, cjcCount = 0;
    if (!r.Count(kLinearization, QStringLiteral("LinPointsNum"), LinPointTable::kCapacity,
                 linCount) ||
        !r.Count(kCjc, QStringLiteral("CJCPointsNum"), CjcPointTable::kCapacity, cjcCount))
        return {false, r.error, {}};
    if (!hasCjc) cjcCount = 0;

    Progress progress(ui, LinTexts::tr(" Loading Data from File"),
                      FileSteps(linCount, cjcCount, hasCjc, hasRtd));
    // A file with neither a point count nor a segment table holds nothing a
    // linearization is made of: it was cut short after its header.
    const bool hasDetail = ini.hasSection(kDetail);
    const auto holdsSomething = [&] {
        return hasDetail || ini.hasKey(kLinearization, QStringLiteral("LinPointsNum")) ||
               r.FailIn(kLinearization);
    };
    const bool ok = r.Version() && r.InputRange(rangeIndex, progress) && holdsSomething() &&
                    r.Display(progress) &&
                    r.Points(kLinearization, &LinPointKey, linCount, r.work.LinPoints, progress) &&
                    (!hasCjc || r.Cjc(cjcCount, progress)) && (!hasRtd || r.Rtd(progress)) &&
                    r.Detail(progress);
    if (!ok) return {false, r.error, {}};
    return {true, QString(), r.work, hasDetail};
}

LinLoadResult File2Lin(const QString& path, const LinData& current, int rangeIndex,
                       UserInteraction& ui) {
    if (path.isEmpty()) return {false, LinTexts::tr("Data was not loaded, cancelled by user."), {}};
    if (!QFileInfo::exists(path))
        return {false,
                LinTexts::tr("Data was not loaded, file: '%1' not found.").arg(path),
                {}};
    IniFile ini;
    if (!ini.load(path))
        return {false, LinTexts::tr("Data was not loaded, cannot open file: '%1'.").arg(path), {}};
    return LinFromIni(ini, current, rangeIndex, &ui);
}

}  // namespace lmk17
