// The printed configuration protocol and the linearization printout, drawn to
// PDF off-screen and read back with pdftotext: which rows appear, in which
// order, where they stand, where a page breaks; and the sign-and-note dialog
// and the print commands of the window.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "config/config_model.h"
#include "files/config_load.h"
#include "reports/config_protocol.h"
#include "reports/lin_printout.h"
#include "reports/pdf_export.h"
#include "reports/ui/podpis_form.h"
#include "reports/ui/print_controller.h"
#include "support/cli_process.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

using test::CliResult;
using test::RunCli;

// --- reading a PDF back -----------------------------------------------------------

struct Word {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0;
    int page = 0;
};

struct PdfText {
    QString layout;  // pdftotext -layout, runs of blanks collapsed
    std::vector<Word> words;
    int pages = 0;

    const Word* word(const QString& text, int occurrence = 0) const {
        for (const Word& w : words)
            if (w.text == text && occurrence-- == 0) return &w;
        return nullptr;
    }
};

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

PdfText ReadPdf(const QString& path) {
    PdfText pdf;
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    for (QString line : Run("pdftotext", {"-layout", path, "-"}).split('\n'))
        pdf.layout += line.replace(blanks, " ").trimmed() + '\n';
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    const QString html = Run("pdftotext", {"-bbox", path, "-"});
    for (const QString& page : html.split(QStringLiteral("<page "))) {
        if (!page.contains(QLatin1String("<word"))) continue;
        ++pdf.pages;
        for (auto m = word.globalMatch(page); m.hasNext();) {
            const auto w = m.next();
            QString text = w.captured(4);
            text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">");
            pdf.words.push_back({text, w.captured(1).toDouble(), w.captured(2).toDouble(),
                                 w.captured(3).toDouble(), pdf.pages});
        }
    }
    return pdf;
}

// Points from the paper's left edge of a position in percent of the
// reference width: A4 with 5 mm margins, so 200 mm wide.
double XAt(double percent) {
    return (5 + percent * 2.0) / 25.4 * 72;
}

void ExpectInOrder(const PdfText& pdf, const QStringList& lines) {
    qsizetype from = 0;
    for (const QString& line : lines) {
        const qsizetype at = pdf.layout.indexOf(line, from);
        ASSERT_GE(at, 0) << "missing or out of order: " << line.toStdString() << "\n"
                         << pdf.layout.toStdString();
        from = at + line.size();
    }
}

// --- the protocol of configuration files, through lmk17-cli print --------------------

struct ProtocolCase {
    const char* name;
    int type, firmware;  // catalogue indexes
    const char* identification;
    std::function<void(TransmitterConfig&)> edit;
    QStringList inOrder;
    QStringList absent;
};

TransmitterConfig Record(const ProtocolCase& k) {
    test::ScriptedInteraction ui;
    ConfigModel model(ui);
    EXPECT_TRUE(model.SetDefaultConfiguration(k.type, 0, k.firmware));
    TransmitterConfig c = model.config();
    c.TransmitterType = k.identification;
    c.SerialNumber = 12345;
    c.UserNote = "TT-101  ";
    if (k.edit) k.edit(c);
    return c;
}

const ProtocolCase kProtocolCases[] = {
    {"K8620 at 1.90: two-sensor connection, both comparators",
     28,
     13,
     "K8620L20, FW 1.90",
     [](TransmitterConfig& c) {
         c.ConnectionCode = 8;
         c.LeadResistance1 = 1.5;
         c.LeadResistance2 = 2.25;
         c.ComparatorFlags = kCmp1Enabled | kCmp2Enabled | kCmp1ErrorCurrent | kCmp2OnAtError;
     },
     {"Date:",
      "Transmitter Configuration Protocol",
      "Transmitter Type: K8620L20 Firmware Version: 1.90",
      "Serial Number: 00012345",
      "Working Time: 0 seconds",
      "Input Range: R11 Pt100 (-200 to 850 °C) with Linearization",
      "Sensor Connection:",
      "Set Range:",
      "Input Correction Output",
      "[°C] [°C] [mA]",
      "Start -200 0 4",
      "End 850 0 20",
      "Output Saturation: cca 3.8 to 20.5 mA",
      "Damping: 4.0 s",
      "Linearization: Yes",
      "Lead Resistance 1: 1.500 Ohm",
      "Lead Resistance 2: 2.250 Ohm",
      "Error Indication: cca",
      "Limit Comparator 1: Enabled",
      "Switch Level: 850 °C",
      "Hysteresis: 0 °C",
      "Switching Mode: Normal",
      "Indicate by Error Output: Yes",
      "State on Error: Switch Off",
      "Limit Comparator 2: Enabled",
      "Indicate by Error Output: No",
      "State on Error: Switch On",
      "Communication Parameters: Address: 0, BaudRate:",
      "Text Note: TT-101\n",
      "Configuration Security: Change of the Configuration by the Set-up Unit is allowed",
      "Configured by",
      "J. Novak"},
     {"Lead Resistance:", "::", "Switching Relay"}},
    {"K8620 at 1.85: one lead resistance, relays signal the error",
     28,
     12,
     "K8620L20, FW 1.85",
     [](TransmitterConfig& c) {
         c.ConnectionCode = 8;
         c.LeadResistance1 = 1.5;
         c.ComparatorFlags = kRelay1SignalsError | kRelay2SignalsError;
     },
     {"Firmware Version: 1.85", "Lead Resistance: 1.500 Ohm", "Error Indication: cca",
      "and by Switching Relay 1", "and by Switching Relay 2", "Limit Comparator 1: Disabled",
      "Limit Comparator 2: Disabled", "Communication Parameters:"},
     {"Lead Resistance 1", "Lead Resistance 2", "Switch Level:"}},
    {"K8410 without comparators, error output low, odd parity",
     1,
     12,
     "K8410H10, FW 1.85",
     [](TransmitterConfig& c) {
         c.Damping = -4.0;
         c.BaudCode = 15;
         c.AddressByte = 0xC0;
         c.RangeFlags |= kRangeFlagSetupUnitLocked;
     },
     {"Transmitter Type: K8410H10", "Damping: 4.0 s", "Error Indication: cca 3.5 mA",
      "Communication Parameters: Address: 0, BaudRate: 2400 Bd, Parity: odd",
      "Change of the Configuration by the Set-up Unit is disallowed"},
     {"Limit Comparator", "Switching Relay", "Lead Resistance"}},
};

class ProtocolPrint : public ::testing::TestWithParam<ProtocolCase> {
protected:
    QTemporaryDir dir;
    void SetUp() override {}
};

TEST_P(ProtocolPrint, RowsInOrderAtTheirPlaces) {
    const ProtocolCase& k = GetParam();
    const QString ptf = dir.filePath("c.ptf"), pdf = dir.filePath("c.pdf");
    QFile f(ptf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Record(k).ToImage());
    f.close();
    const CliResult r = RunCli({"print", ptf, "-o", pdf, "--sign", "J. Novak"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const PdfText text = ReadPdf(pdf);
    EXPECT_EQ(text.pages, 1);
    ExpectInOrder(text, k.inOrder);
    for (const QString& absent : k.absent)
        EXPECT_FALSE(text.layout.contains(absent)) << absent.toStdString();

    // Labels at 10 %, values at 38 %, the date ending at 90 %, the title
    // and the table centred.
    struct Place {
        const char* word;
        double x;
        bool right = false;
    };
    for (const Place& p :
         {Place{"Serial", XAt(10)}, Place{"00012345", XAt(38)}, Place{"R11", XAt(30)},
          Place{"Firmware", XAt(60)}, Place{"Damping:", XAt(10)}, Place{"Yes", XAt(46)}}) {
        const Word* w = text.word(p.word);
        ASSERT_NE(w, nullptr) << p.word;
        EXPECT_NEAR(w->xMin, p.x, 1.5) << p.word;
    }
    const Word* date = text.word("Date:");
    ASSERT_NE(date, nullptr);
    double dateEnd = 0;
    for (const Word& w : text.words)
        if (std::abs(w.yMin - date->yMin) < 1) dateEnd = std::max(dateEnd, w.xMax);
    EXPECT_NEAR(dateEnd, XAt(90), 1.5);
    const Word* correction = text.word("Correction");
    ASSERT_NE(correction, nullptr);
    EXPECT_NEAR((correction->xMin + correction->xMax) / 2, XAt(57), 1.5);
}

INSTANTIATE_TEST_SUITE_P(Types, ProtocolPrint, ::testing::ValuesIn(kProtocolCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// A configuration read from a transmitter, then printed from the terminal.
TEST(ProtocolFromTransmitter, ReadThenPrint) {
    test::SimProcess sim;
    QString error;
    ASSERT_TRUE(sim.start({"--type", "K8620L31", "--firmware", "1.91"}, &error))
        << error.toStdString();
    QTemporaryDir dir;
    const QString ptf = dir.filePath("read.ptf"), pdf = dir.filePath("read.pdf");
    CliResult r = RunCli({"--port", sim.devicePath(), "read", "-o", ptf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = RunCli({"print", ptf, "-o", pdf, "--sign", "Q. Tester", "--note", "after calibration"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ExpectInOrder(ReadPdf(pdf), {"Transmitter Type: K8620L31 Firmware Version: 1.91",
                                 "Serial Number:", "Set Range:", "Limit Comparator 1:",
                                 "Limit Comparator 2:", "Communication Parameters:",
                                 "Note.: after calibration", "Configured by", "Q. Tester"});
    // A name longer than the dialog takes is refused, nothing is written.
    r = RunCli({"print", ptf, "-o", dir.filePath("x.pdf"), "--sign", QString(31, 'x')});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
}

// --- layouts drawn in this process -------------------------------------------------------

QString WritePdf(const QString& path, const ReportLayout& layout) {
    return WriteReportPdf(path, QStringLiteral("test"), layout);
}

// A K8620L20 at 1.91 with its default configuration, adopted.
void SetK8620(ConfigModel& model) {
    {
        auto e = model.edit();
        e.identity().typeIndex = 28;
        e.identity().firmwareIndex = 14;
    }
    ASSERT_TRUE(model.SetDefaultConfiguration(28, 0, 14));
    model.edit().config().TransmitterType = "K8620L20, FW 1.91";
    model.RefreshFromConfig();
    ASSERT_TRUE(model.hasConfiguration());
}

TEST(ProtocolLayout, LongNoteBreaksThePageAndWraps) {
    test::ScriptedInteraction ui;
    ConfigModel model(ui);
    SetK8620(model);
    QString note;
    for (int i = 0; i < 150; ++i) note += QStringLiteral("checked at point %1 ").arg(i);
    QTemporaryDir dir;
    const QString path = dir.filePath("long.pdf");
    ASSERT_EQ(WritePdf(path,
                       [&](const QPaintDevice& d) {
                           return LayoutProtocol(d, ConfigurationRows(model),
                                                 {QStringLiteral("Q. Tester"), note}, 45000.5);
                       }),
              QString());
    const PdfText pdf = ReadPdf(path);
    ASSERT_EQ(pdf.pages, 2);
    EXPECT_TRUE(pdf.layout.startsWith("Date: 15.3.2023 12:00\n")) << pdf.layout.toStdString();
    // The second page starts 2 % of the printable height below its top.
    const auto first =
        std::find_if(pdf.words.begin(), pdf.words.end(), [](const Word& w) { return w.page == 2; });
    ASSERT_NE(first, pdf.words.end());
    EXPECT_NEAR(first->yMin, (5 + 0.02 * 287) / 25.4 * 72, 3.0);
    EXPECT_EQ(pdf.word("Configured")->page, 2);
    // Every note line stays near 70 % of the width (one word may run over).
    for (const Word& w : pdf.words)
        if (w.text == "point") {
            EXPECT_LT(w.xMax, XAt(85));
        }
}

TEST(ProtocolLayout, NoteWrapping) {
    struct Case {
        const char* text;
        double width;
        QStringList lines;
    };
    const auto count = [](const QString& s) { return double(s.size()); };
    for (const Case& k : {Case{"abcde fgh", 4, {"abcde", "fgh"}},          // blank right after
                          Case{"abcdefgh ijkl", 4, {"abcdefgh", "ijkl"}},  // no blank: mid-word
                          Case{"abcdx yz", 3, {"abcdx", "yz"}},            // blank two ahead
                          Case{"short", 10, {"short"}},
                          // the blank overflows: the line ends before it
                          Case{"to the room checked", 6, {"to the", "room", "checked"}},
                          // a long word moves to the next line whole
                          Case{"ab cdefghij", 4, {"ab", "cdefghij"}}})
        EXPECT_EQ(WrapNote(k.text, k.width, count), k.lines) << k.text;
}

TEST(LinearizationLayout, PointsWrapAndColdJunctionFollows) {
    LinData d;
    d.pom.XStart() = 0;
    d.pom.XEnd() = 4000;
    d.pom.YStart() = -10;
    d.pom.YEnd() = 110;
    d.pom.PvUnit = 32;
    d.pom.SetDecimalPlaces(1);
    for (int i = 0; i < 30; ++i) d.LinPoints.Append(i * 10.5, i * 3.25);
    d.pom.HasCjc = 1;
    d.pom.CjcXUnit = 1;
    d.CJCPoints.Append(1000, 0.001);
    QTemporaryDir dir;
    const QString path = dir.filePath("lin.pdf");
    const int range = FindRange(91);
    ASSERT_EQ(WritePdf(path,
                       [&](const QPaintDevice& dev) {
                           return LayoutLinearization(dev, d, range, 45000.5);
                       }),
              QString());
    const PdfText pdf = ReadPdf(path);
    ExpectInOrder(
        pdf, {"Date: 15.3.2023 12:00", "Transmitter Linearization Parameters", "Input Range: R91",
              "Linear Table", "Start of X:", "End of X:", "Start of Y: -10 °C", "End of Y: 110 °C",
              "Display Configuration: 1 Decimal Place",
              "Points for Approximation:\n[0; 0], [10.5; 3.25]", "[304.5; 94.25]",
              "Cold Junction Compensation", "Unit of X-Values: Ohm",
              "Points for Approximation:\n[1000; 0.001]"});
    // The points wrap within 60 % of the width, starting at 12 %.
    for (const Word& w : pdf.words)
        if (w.text.startsWith('[')) {
            EXPECT_LT(w.xMax, XAt(72)) << w.text.toStdString();
        }

    d.LinPoints.Clear();
    d.pom.HasCjc = 0;
    ASSERT_EQ(WritePdf(path,
                       [&](const QPaintDevice& dev) {
                           return LayoutLinearization(dev, d, range, 45000.5);
                       }),
              QString());
    const PdfText empty = ReadPdf(path);
    ExpectInOrder(empty, {"Points for Approximation: No Points"});
    EXPECT_FALSE(empty.layout.contains("Cold Junction"));
}

// --- the window's dialog and commands ---------------------------------------------------

TEST(PodpisForm, KeepsToTheFieldLimits) {
    TPodpisForm form;
    QTest::keyClicks(form.ConfigByEdt, QString(40, 'n'));
    QTest::keyClicks(form.NoteEdt, QString(120, 'x'));
    EXPECT_EQ(form.signature().configuredBy.size(), 30);
    EXPECT_EQ(form.signature().note.size(), 100);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("  Sign and Note"));
}

// The system's dialogs answered by the test.
class ScriptedPrintController : public PrintController {
public:
    using PrintController::PrintController;
    bool installed = false;
    bool signAnswer = true, printAnswer = true;
    QString pdfPath;
    QStringList asked;

protected:
    bool printerInstalled() const override { return installed; }
    bool askPageSetup() override {
        asked << "setup";
        return true;
    }
    bool askSignature(ProtocolSignature& s) override {
        asked << "sign";
        s = {QStringLiteral("Q. Tester"), QStringLiteral("window note")};
        return signAnswer;
    }
    bool askPrint() override {
        asked << "print";
        return printAnswer;
    }
    QString askPdfPath(const QString&) override {
        asked << "pdf";
        return pdfPath;
    }
};

TEST(PrintController, RefusesWithoutPrinterAndExportsAlways) {
    test::ScriptedInteraction ui;
    ConfigModel model(ui);
    QWidget window;
    model.setControlsShown(true);  // the window's command: the pages' texts
    ScriptedPrintController print(model, ui, &window);

    print.printConfiguration();  // no configuration yet
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown.back().text,
              QStringLiteral("There has not been set any configuration of transmitter."));

    SetK8620(model);
    print.printConfiguration();
    print.setupPrinter();
    ASSERT_EQ(ui.shown.size(), 3u);
    // The refusal points to the export, which needs no printer.
    for (size_t i : {1u, 2u}) {
        EXPECT_TRUE(ui.shown[i].text.startsWith("No printer is installed, cannot continue.\n\n"));
        EXPECT_TRUE(ui.shown[i].text.contains("“Export as PDF…” in the File menu"));
    }
    EXPECT_TRUE(print.asked.isEmpty());

    QTemporaryDir dir;
    print.pdfPath = dir.filePath("window.pdf");
    EXPECT_TRUE(print.exportConfigurationPdf().accepted);
    EXPECT_EQ(print.asked, QStringList({"sign", "pdf"}));
    ExpectInOrder(ReadPdf(print.pdfPath),
                  {"Transmitter Configuration Protocol", "Note.: window note", "Q. Tester"});

    // With a printer (here one that prints to a file) the same pages.
    print.installed = true;
    print.asked.clear();
    print.printer().setOutputFormat(QPrinter::PdfFormat);
    print.printer().setOutputFileName(dir.filePath("printer.pdf"));
    print.printConfiguration();
    EXPECT_EQ(print.asked, QStringList({"sign", "print"}));
    EXPECT_EQ(ui.shown.size(), 3u);
    ExpectInOrder(ReadPdf(dir.filePath("printer.pdf")),
                  {"Transmitter Configuration Protocol", "Note.: window note", "Q. Tester"});

    // Cancelling the signature prints nothing and says nothing.
    print.asked.clear();
    print.signAnswer = false;
    print.printConfiguration();
    EXPECT_EQ(print.asked, QStringList({"sign"}));
    EXPECT_EQ(ui.shown.size(), 3u);
}

}  // namespace
}  // namespace lmk17
