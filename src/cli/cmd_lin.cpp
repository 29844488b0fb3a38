// Customer linearization from the terminal: fit a point table, characterize
// a platinum sensor, show a linearization file.

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "cli/cli_command.h"
#include "common/day_number.h"
#include "common/ini_file.h"
#include "config/catalogue.h"
#include "linearization/lin_approximation.h"
#include "linearization/lin_file.h"
#include "linearization/lin_points_csv.h"
#include "linearization/lin_record.h"
#include "linearization/lin_text.h"
#include "linearization/point_grid.h"
#include "linearization/rtd_characterization.h"
#include "reports/lin_printout.h"
#include "reports/pdf_export.h"

namespace lmk17::cli {

namespace {

// A customer-linearization range by short code ("R91") or code ("91").
int RangeIndexOf(const QString& text) {
    QString t = text.trimmed().toUpper();
    if (t.startsWith(QLatin1Char('R'))) t.remove(0, 1);
    bool ok = false;
    const int code = t.toInt(&ok);
    const InputRangeEntry* range = ok ? RangeByCode(code) : nullptr;
    if (!range || !range->UsesEditor)
        throw UsageError(
            QStringLiteral("--range: not a range with a customer linearization: %1").arg(text));
    return FindRange(code);
}

int TakeRange(Context& c) {
    const auto range = c.takeOption(QStringLiteral("--range"));
    if (!range) throw UsageError(QStringLiteral("--range is required"));
    return RangeIndexOf(*range);
}

std::optional<QString> TakeOutput(Context& c) {
    if (auto o = c.takeOption(QStringLiteral("-o"))) return o;
    return c.takeOption(QStringLiteral("--output"));
}

// The editor's data right after opening it on a range's default record.
LinData Opened(int rangeIndex) {
    LinData d;
    Default2LinPom(d, rangeIndex, true);
    d.pom.HasCjc = RangeHasCjc(rangeIndex);
    d.pom.HasRtd = RangeHasRtd(rangeIndex);
    if (d.pom.HasRtd) SetStandardRtdConstants(d.pom, rangeIndex);
    return d;
}

QString Unit(int code) {
    return UnitSymbol(code);
}

QString G(double v) {
    return GText(v, 8);
}

QJsonArray PointsJson(const LinData& d) {
    QJsonArray a;
    for (int i = 0; i < d.LinPoints.count; ++i)
        a.append(QJsonArray{d.LinPoints[i].x, d.LinPoints[i].y});
    return a;
}

QJsonObject TableJson(const LinData& d, int rangeIndex) {
    const LinPom& p = d.pom;
    QJsonArray segments;
    for (int s = 1; s <= 8; ++s) {
        const auto c = p.Segment(s);
        segments.append(QJsonArray{c[0], c[1], c[2], c[3]});
    }
    return {{"xStart", InternalToInput(rangeIndex, p.XStart())},
            {"xEnd", InternalToInput(rangeIndex, p.XEnd())},
            {"xStartInternal", p.XStart()},
            {"xEndInternal", p.XEnd()},
            {"yStart", p.YStart()},
            {"yEnd", p.YEnd()},
            {"segments", segments},
            {"cjcPoly", QJsonArray{p.CjcPoly[0], p.CjcPoly[1], p.CjcPoly[2], p.CjcPoly[3]}},
            {"pvUnit", p.PvUnit},
            {"decimalPlaces", p.DecimalPlaces()}};
}

void PrintTable(QTextStream& out, const LinData& d, int rangeIndex) {
    const LinPom& p = d.pom;
    const InputRangeEntry* range = RangeAt(rangeIndex);
    const QString xUnit = Unit(range->EditorUnit);
    out << "X range:   " << G(InternalToInput(rangeIndex, p.XStart())) << " .. "
        << G(InternalToInput(rangeIndex, p.XEnd())) << " [" << xUnit << "]\n";
    out << "PV range:  " << G(p.YStart()) << " .. " << G(p.YEnd()) << " [" << Unit(p.PvUnit)
        << "]\n";
    out << "display:   " << p.DecimalPlaces() << " decimal place(s)\n";
    out << "segments (u in internal units, y = c0 + c1 u + c2 u^2 + c3 u^3):\n";
    const double w = (p.XEnd() - p.XStart()) / 8;
    for (int s = 1; s <= 8; ++s) {
        const auto c = p.Segment(s);
        out << QString::asprintf("  %d  %-13s %-13s", s, qPrintable(G(p.XStart() + w * (s - 1))),
                                 qPrintable(G(p.XStart() + w * s)))
            << QString::asprintf("  c3=%-15s c2=%-15s c1=%-15s c0=%s\n", qPrintable(G(c[3])),
                                 qPrintable(G(c[2])), qPrintable(G(c[1])), qPrintable(G(c[0])));
    }
}

void PrintErrors(QTextStream& out, const LinData& d, const ApproximationErrors& e) {
    const auto point = [&](int i) {
        const XYPoint& p = d.LinPoints[i - 1];
        return QStringLiteral("point %1 [ %2 ; %3 ]").arg(i).arg(G(p.x), G(p.y));
    };
    out << e.minLabel << "  at " << point(e.minIndex) << "\n";
    out << e.maxLabel << "  at " << point(e.maxIndex) << "\n";
}

QJsonObject ErrorsJson(const LinData& d, const ApproximationErrors& e) {
    const auto one = [&](double v, int i) {
        const XYPoint& p = d.LinPoints[i - 1];
        return QJsonObject{{"error", v}, {"point", i}, {"x", p.x}, {"y", p.y}};
    };
    return {{"minimum", one(e.minError, e.minIndex)}, {"maximum", one(e.maxError, e.maxIndex)}};
}

int Save(Context& c, const LinData& d, int rangeIndex, const std::optional<QString>& path) {
    if (!path) return ExitOk;
    const LinFileResult r = Lin2File(d, rangeIndex, *path, c.ui);
    if (!r.ok) {
        c.err << r.message << Qt::endl;
        return ExitFileError;
    }
    c.err << "saved to " << *path << Qt::endl;
    return ExitOk;
}

void PrintFit(Context& c, const LinData& d, int rangeIndex, const ApproximationErrors& e,
              QJsonObject json) {
    if (c.options.json) {
        json.insert("range", QString(RangeAt(rangeIndex)->ShortCode));
        json.insert("points", PointsJson(d));
        json.insert("table", TableJson(d, rangeIndex));
        json.insert("errors", ErrorsJson(d, e));
        c.out << QJsonDocument(json).toJson(QJsonDocument::Indented);
        return;
    }
    c.out << "range:     " << RangeName(*RangeAt(rangeIndex)).trimmed() << "\n";
    c.out << "points:    " << d.LinPoints.count << "\n";
    PrintTable(c.out, d, rangeIndex);
    PrintErrors(c.out, d, e);
}

int LinFit(Context& c) {
    const int rangeIndex = TakeRange(c);
    const auto output = TakeOutput(c);
    const auto unit = c.takeOption(QStringLiteral("--unit"));
    const auto places = c.takeOption(QStringLiteral("--decimals"));
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one file of points"));

    LinData d = Opened(rangeIndex);
    if (unit) d.pom.PvUnit = quint8(qBound(0, c.toInt(*unit, QStringLiteral("--unit")), 255));
    if (places) {
        const int dp = c.toInt(*places, QStringLiteral("--decimals"));
        if (dp < 0 || dp > 2) throw UsageError(QStringLiteral("--decimals must be 0, 1 or 2"));
        d.pom.SetDecimalPlaces(dp);
    }
    const PointsCsv csv = ReadPointsCsv(c.args.first());
    if (!csv.error.isEmpty()) {
        c.err << csv.error << Qt::endl;
        return ExitFileError;
    }
    const std::vector<GridRow>& rows = csv.rows;
    // Points whose X repeats or turns back describe no characteristic: the
    // fit would make segments of no width or fold the curve over itself.
    if (const std::optional<int> bad = FirstNonMonotonicRow(rows)) {
        const GridRow& row = rows[size_t(*bad - 1)];
        c.err << c.args.first() << ":" << *bad << ": X " << row.x.trimmed()
              << " does not continue the X before it; the X of the points must rise (or fall) "
                 "from point to point"
              << Qt::endl;
        return ExitFileError;
    }
    if (!ReadLinPointGrid(rows, rangeIndex, true, d, c.ui)) return ExitFileError;
    ApproximationErrors e;
    if (!ProlozLinTab(d, rangeIndex, &e)) {
        c.err << kLinTooFewPoints << Qt::endl;
        return ExitFailure;
    }
    PrintFit(c, d, rangeIndex, e, {});
    return Save(c, d, rangeIndex, output);
}

// "--constants A B C R0": the four values that follow the option.
std::optional<QStringList> TakeConstants(Context& c) {
    const int at = c.args.indexOf(QStringLiteral("--constants"));
    if (at < 0) return std::nullopt;
    if (at + 4 >= c.args.size()) throw UsageError(QStringLiteral("--constants needs A B C R0"));
    const QStringList values = c.args.mid(at + 1, 4);
    c.args.remove(at, 5);
    return values;
}

int LinRtd(Context& c) {
    const int rangeIndex = TakeRange(c);
    if (!RangeHasRtd(rangeIndex)) throw UsageError(QStringLiteral("--range must be R91 or R92"));
    const auto output = TakeOutput(c);
    const auto constants = TakeConstants(c);
    const auto r0 = c.takeOption(QStringLiteral("--r0"));
    const auto t1 = c.takeOption(QStringLiteral("--t1"));
    const auto rt1 = c.takeOption(QStringLiteral("--rt1"));
    c.rejectUnknownOptions();
    if (!c.args.isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(c.args.first()));
    if (int(bool(constants)) + int(bool(r0)) + int(t1 || rt1) != 1 || bool(t1) != bool(rt1))
        throw UsageError(
            QStringLiteral("give one of --constants A B C R0, --r0 R0, or --t1 T1 --rt1 RT1"));

    RtdFields f;
    if (constants) {
        f.method = kRtdConstants;
        f.A = (*constants)[0];
        f.B = (*constants)[1];
        f.C = (*constants)[2];
        f.R0 = (*constants)[3];
    } else if (r0) {
        f.method = kRtdOnePointR0;
        f.OnePointR0 = *r0;
    } else {
        f.method = kRtdOnePointT1;
        f.T1 = *t1;
        f.RT1 = *rt1;
    }

    LinData d = Opened(rangeIndex);
    if (!RtdCoeff2LinPom(f, d.pom, rangeIndex, c.ui)) return ExitUsage;
    const RtdConstants k = RtdConstantsOf(d.pom);
    ApproximationErrors e;
    if (!RtdCalculate(d, rangeIndex, &e)) {
        c.err << kLinTooFewPoints << Qt::endl;
        return ExitFailure;
    }
    if (!c.options.json)
        c.out << "sensor:    A=" << G(k.A) << " B=" << G(k.B) << " C=" << G(k.C)
              << " R0=" << G(k.R0) << " ohm\n";
    PrintFit(c, d, rangeIndex, e,
             {{"method", d.pom.RtdMethod}, {"A", k.A}, {"B", k.B}, {"C", k.C}, {"R0", k.R0}});
    return Save(c, d, rangeIndex, output);
}

void PrintFile(Context& c, const LinData& d, int rangeIndex, bool withTable) {
    const LinPom& p = d.pom;
    if (c.options.json) {
        QJsonObject o{{"range", QString(RangeAt(rangeIndex)->ShortCode)},
                      {"points", PointsJson(d)},
                      {"table", TableJson(d, rangeIndex)}};
        if (p.HasCjc) {
            QJsonArray cj;
            for (int i = 0; i < d.CJCPoints.count; ++i)
                cj.append(QJsonArray{d.CJCPoints[i].x, d.CJCPoints[i].y});
            o.insert("cjcUnit", CjcUnitText(p.CjcXUnit));
            o.insert("cjcPoints", cj);
        }
        if (p.HasRtd)
            o.insert("rtd", QJsonObject{{"method", p.RtdMethod},
                                        {"A", p.RtdA},
                                        {"B", p.RtdB},
                                        {"C", p.RtdC},
                                        {"R0", p.RtdR0}});
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return;
    }
    c.out << "range:     " << RangeName(*RangeAt(rangeIndex)).trimmed() << "\n";
    c.out << "points:    " << d.LinPoints.count << "\n";
    for (const GridRow& r : LinPointRows(d)) c.out << "  " << r.x << "\t" << r.y << "\n";
    if (p.HasCjc) {
        c.out << "CJ points: " << d.CJCPoints.count << " (X in " << CjcUnitText(p.CjcXUnit)
              << ", Y in mV)\n";
        for (const GridRow& r : CjcPointRows(d)) c.out << "  " << r.x << "\t" << r.y << "\n";
    }
    if (p.HasRtd) {
        static const char* methods[] = {"constants", "one point, R0", "one point, RT1 at T1"};
        c.out << "RTD:       " << methods[qBound(0, int(p.RtdMethod), 2)] << ": A=" << G(p.RtdA)
              << " B=" << G(p.RtdB) << " C=" << G(p.RtdC) << " R0=" << G(p.RtdR0) << "\n";
    }
    if (!withTable) return;
    PrintTable(c.out, d, rangeIndex);
    c.out << "CJ polynomial (c0..c3): " << G(p.CjcPoly[0]) << " " << G(p.CjcPoly[1]) << " "
          << G(p.CjcPoly[2]) << " " << G(p.CjcPoly[3]) << "\n";
}

// Loads a .lin file as the editor loads it, checked against the range the
// file names or the one asked for; the error has been shown when it fails.
std::optional<LinLoadResult> LoadLin(Context& c, const std::optional<QString>& range,
                                     const QString& path, int& rangeIndex) {
    rangeIndex = 0;
    if (range) {
        rangeIndex = RangeIndexOf(*range);
    } else {
        IniFile ini;
        if (ini.load(path)) {
            const auto code = ParseInteger(ini.value("Type", "Input_Range", QString()));
            const InputRangeEntry* entry = code ? RangeByCode(*code) : nullptr;
            if (entry && entry->UsesEditor) rangeIndex = FindRange(*code);
        }
    }
    LinLoadResult r = File2Lin(path, Opened(rangeIndex), rangeIndex, c.ui);
    if (!r.ok) {
        c.ui.message(MessageKind::Error, r.message);
        return std::nullopt;
    }
    return r;
}

// A file without its segment table (an older layout, or one cut short) loads
// its points but has no approximation to show or print.
QString NoSegmentTable(const QString& path) {
    return QStringLiteral(
               "%1 holds no segment table (an older layout or a file cut short); "
               "fit its points with 'lin fit' to make one.")
        .arg(path);
}

int LinShow(Context& c) {
    const auto range = c.takeOption(QStringLiteral("--range"));
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one .lin file"));
    int rangeIndex = 0;
    const auto r = LoadLin(c, range, c.args.first(), rangeIndex);
    if (!r) return ExitFileError;
    PrintFile(c, r->data, rangeIndex, r->hasSegmentTable);
    if (r->hasSegmentTable) return ExitOk;
    c.ui.message(MessageKind::Error, NoSegmentTable(c.args.first()));
    return ExitFailure;
}

int LinPrint(Context& c) {
    const auto range = c.takeOption(QStringLiteral("--range"));
    const auto output = TakeOutput(c);
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one .lin file"));
    if (!output || output->isEmpty()) throw UsageError(QStringLiteral("-o FILE.pdf is required"));
    int rangeIndex = 0;
    const auto r = LoadLin(c, range, c.args.first(), rangeIndex);
    if (!r) return ExitFileError;
    if (!r->hasSegmentTable) {
        c.ui.message(MessageKind::Error, NoSegmentTable(c.args.first()));
        return ExitFailure;
    }
    if (!confirmOverwrite(c, *output)) return ExitFailure;
    const double today = CurrentDayNumber();
    const QString error =
        WriteReportPdf(*output, QStringLiteral("Transmitter Linearization Parameters"),
                       [&](const QPaintDevice& device) {
                           return LayoutLinearization(device, r->data, rangeIndex, today);
                       });
    if (!error.isEmpty()) {
        c.err << error << Qt::endl;
        return ExitFileError;
    }
    return ExitOk;
}

Registrar fitCmd(
    {.name = "lin fit",
     .usage = "--range R9x POINTS.csv [--unit CODE] [--decimals 0..2] [-o OUT.lin]",
     .summary = "approximate a point table (X, Y per line) by eight cubic segments",
     .run = LinFit,
     .options = "--range R9x\trange with a customer linearization (required)\n"
                "--unit CODE\tunit code of the PV\n"
                "--decimals 0..2\tdecimal places of the PV\n"
                "-o, --output OUT.lin\tthe file to write; without it the result is printed",
     .exitCodes = "0\tapproximated (and saved)\n"
                  "1\tthe points cannot be approximated\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read or written",
     .example = "lmk17-cli lin fit --range R93 points.csv -o sensor.lin"});
Registrar rtdCmd(
    {.name = "lin rtd",
     .usage = "--range R91|R92 (--constants A B C R0 | --r0 R0 | --t1 T1 --rt1 RT1) [-o OUT.lin]",
     .summary = "linearization of one platinum sensor from its constants or one calibration point",
     .run = LinRtd,
     .options = "--range R91|R92\tplatinum range (required)\n"
                "--constants A B C R0\tthe sensor's constants\n"
                "--r0 R0\tresistance at 0 °C, standard constants\n"
                "--t1 T1\ttemperature of the calibration point\n"
                "--rt1 RT1\tresistance at T1\n"
                "-o, --output OUT.lin\tthe file to write; without it the result is printed",
     .exitCodes = "0\tcomputed (and saved)\n"
                  "1\tno linearization for these values\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be written",
     .example = "lmk17-cli lin rtd --range R91 --r0 100.12 -o pt100.lin"});
Registrar showCmd(
    {.name = "lin show",
     .usage = "FILE.lin [--range R9x]",
     .summary = "what a linearization file holds, checked as loading checks it",
     .run = LinShow,
     .options = "--range R9x\tcheck against this range instead of the one in the file",
     .exitCodes = "0\tthe file loads\n"
                  "1\tthe file does not pass the loading checks\n"
                  "2\tusage error\n"
                  "3\tthe file cannot be read",
     .example = "lmk17-cli lin show sensor.lin"});
Registrar printCmd(
    {.name = "lin print",
     .usage = "FILE.lin -o OUT.pdf [--range R9x]",
     .summary = "the printout of a linearization file's parameters as an A4 PDF",
     .run = LinPrint,
     .drawsPages = true,
     .options = "-o, --output OUT.pdf\tthe PDF to write (required)\n"
                "--range R9x\tcheck against this range instead of the one in the file",
     .exitCodes = "0\tprinted\n"
                  "1\tthe file does not pass the loading checks\n"
                  "2\tusage error\n"
                  "3\ta file cannot be read or written",
     .example = "lmk17-cli lin print sensor.lin -o sensor.pdf"});

}  // namespace
}  // namespace lmk17::cli
