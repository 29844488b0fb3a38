#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "linearization/lin_file.h"
#include "linearization/lin_record.h"
#include "support/scripted_interaction.h"

using namespace lmk17;
using lmk17::test::ScriptedInteraction;

namespace {

// Editor data for a range as opening the editor on its default record gives.
LinData Opened(int code) {
    LinData d;
    const int index = FindRange(code);
    Default2LinPom(d, index, true);
    d.pom.HasCjc = code == 95;
    d.pom.HasRtd = code == 91 || code == 92;
    return d;
}

// Filled with values of at most 15 significant digits, which a file holds exactly.
LinData Filled(int code) {
    LinData d = Opened(code);
    d.pom.PvUnit = 32;
    d.pom.SetDecimalPlaces(1);
    for (int i = 0; i < 12; ++i) d.LinPoints.Append(i * 30.5, i * i * 0.25 - 3);
    d.pom.LinSegTable[1][3] = 0.375;
    d.pom.CjcPoly = {1e-3, -2.5e-6, 3e-9, -4e-12};
    d.pom.CjcXUnit = 1;
    for (int i = 0; i < 5; ++i) d.CJCPoints.Append(1000 + i * 77.5, i * 0.001);
    d.pom.RtdMethod = 2;
    d.pom.RtdA = 100;
    d.pom.RtdR0 = 138.5055;
    return d;
}

class LinFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace

TEST_F(LinFileTest, SavedFileLoadsBackForEveryKindOfRange) {
    for (int code : {91, 95, 93}) {
        const int index = FindRange(code);
        const LinData saved = Filled(code);
        ScriptedInteraction ui;
        const QString path = Path("table.lin");
        QFile::remove(path);
        const LinFileResult w = Lin2File(saved, index, path, ui);
        ASSERT_TRUE(w.ok) << w.message.toStdString();
        EXPECT_EQ(w.message, QStringLiteral("Data was saved without any errors."));
        EXPECT_EQ(ui.progressCaption, QStringLiteral(" Saving Data to File"));
        const int steps = 45 + 12 + (code == 95 ? 5 + 2 : 0) + (code == 91 ? 5 : 0);
        EXPECT_EQ(ui.progressMaximum, steps) << code;
        EXPECT_EQ(ui.progress.size(), size_t(steps)) << code;
        EXPECT_FALSE(ui.progressOpen);

        const LinLoadResult r = File2Lin(path, Opened(code), index, ui);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        LinData expected = saved;
        if (code != 95) expected.CJCPoints.Clear(), expected.pom.CjcXUnit = 0;
        if (code != 91) expected.pom.RtdMethod = 0, expected.pom.RtdA = 0, expected.pom.RtdR0 = 0;
        EXPECT_EQ(r.data.pom, expected.pom) << code;
        EXPECT_EQ(r.data.LinPoints, expected.LinPoints) << code;
        EXPECT_EQ(r.data.CJCPoints, expected.CJCPoints) << code;
    }
}

TEST_F(LinFileTest, WrittenInTableOrderWithTheFileKeys) {
    LinData d = Filled(95);
    d.LinPoints.count = 1;
    d.CJCPoints.count = 1;
    const QString text = QString::fromLatin1(LinToIni(d, FindRange(95)).toBytes());
    const QStringList expectedOrder = {"[Type]",
                                       "Version=Lin-1.0",
                                       "Input_Range=95",
                                       "[Linearization]",
                                       "PV_Units=32",
                                       "Display_Configuration=1",
                                       "LinPointsNum=1",
                                       "LinPoint_X01=0",
                                       "LinPoint_Y01=-3",
                                       "[Cold_Junction_Compensation]",
                                       "CJC_Units=Ohm",
                                       "CJCPointsNum=1",
                                       "CJCPoint_X01=",
                                       "CJCPoint_Y01=0",
                                       "[Linear_Detail]",
                                       "LinTab_R0_C1=-0.016",
                                       "LinTab_R0_C2=0.061",
                                       "LinTab_R3_C3=0.375",
                                       "LinTab_R8_C4=0",
                                       "CJC_C1=-4e-12",
                                       "CJC_C4=0.001"};
    qsizetype at = 0;
    for (const QString& part : expectedOrder) {
        const qsizetype found = text.indexOf(part, at);
        ASSERT_GE(found, 0) << part.toStdString() << " after " << at << " in\n"
                            << text.toStdString();
        at = found;
    }
    EXPECT_FALSE(text.contains("RTD_Pt_Calibration"));
}

TEST_F(LinFileTest, DecimalCommaAndAnyKeyOrderAreRead) {
    const QString path = Path("comma.lin");
    Write(path,
          "[Linear_Detail]\r\n"
          "[Linearization]\r\nLinPoint_Y02=2,5\r\nLinPoint_X02=400,25\r\nLinPoint_X01=-1,5\r\n"
          "LinPoint_Y01=\r\nLinPointsNum=2\r\nDisplay_Configuration=2\r\n"
          "[type]\r\ninput_range=91\r\nVERSION= Lin-1.0 \r\n"
          "[RTD_Pt_Calibration]\r\nR0=1000,5\r\n");
    ScriptedInteraction ui;
    // An empty Linear_Detail section still demands its keys.
    EXPECT_FALSE(File2Lin(path, Opened(91), FindRange(91), ui).ok);
    Write(path, Read(path).replace("[Linear_Detail]\r\n", ""));
    const LinData current = Filled(91);
    const LinLoadResult r = File2Lin(path, current, FindRange(91), ui);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.data.LinPoints.count, 2);
    EXPECT_EQ(r.data.LinPoints[0].x, -1.5);
    EXPECT_EQ(r.data.LinPoints[0].y, 0.0);  // empty reads as 0
    EXPECT_EQ(r.data.LinPoints[1].x, 400.25);
    EXPECT_EQ(r.data.pom.DisplayFactor, 100.0);
    EXPECT_EQ(r.data.pom.PvUnit, 0);
    EXPECT_EQ(r.data.pom.RtdR0, 1000.5);
    EXPECT_EQ(r.data.pom.RtdA, current.pom.RtdA);                // absent keys keep their values
    EXPECT_EQ(r.data.pom.LinSegTable, current.pom.LinSegTable);  // no Linear_Detail
    EXPECT_FALSE(r.hasSegmentTable);
    EXPECT_EQ(ui.progressCaption, QStringLiteral(" Loading Data from File"));
    EXPECT_FALSE(ui.progressOpen);
}

TEST_F(LinFileTest, EveryCheckRefusesWithItsMessage) {
    const QString wrong = QStringLiteral("Data was not loaded - wrong file format.");
    const auto in = [&](const char* section) {
        return wrong + QStringLiteral("\r\n Error in the Section: [") + QLatin1String(section) +
               QStringLiteral("].");
    };
    struct Case {
        const char* what;
        int loadOn;  // range code the editor has selected
        std::function<void(IniFile&)> edit;
        QString message;
    };
    const Case cases[] = {
        {"other range", 92, [](IniFile&) {},
         QStringLiteral("Data was not loaded, file contains data for another input range (R95).")},
        {"later version", 95, [](IniFile& i) { i.setValue("Type", "Version", "Lin-2.0"); },
         QStringLiteral("Data was not loaded - unknown file format.Try later version or contact "
                        "your supplier.")},
        {"no version prefix", 95, [](IniFile& i) { i.setValue("Type", "Version", "1.0"); }, wrong},
        {"non-customer range", 95, [](IniFile& i) { i.setValue("Type", "Input_Range", "11"); },
         in("Type")},
        {"65 points", 95, [](IniFile& i) { i.setValue("Linearization", "LinPointsNum", "65"); },
         in("Linearization")},
        {"21 CJ points", 95,
         [](IniFile& i) { i.setValue("Cold_Junction_Compensation", "CJCPointsNum", "21"); },
         in("Cold_Junction_Compensation")},
        {"missing point", 95, [](IniFile& i) { i.setValue("Linearization", "LinPointsNum", "13"); },
         in("Linearization")},
        {"unparsable point", 95,
         [](IniFile& i) { i.setValue("Linearization", "LinPoint_Y05", "1.2.3"); },
         in("Linearization")},
        {"cut short after the header", 95,
         [](IniFile& i) {
             i.removeKey("Linearization", "LinPointsNum");
             i.removeSection("Linear_Detail");
         },
         in("Linearization")},
        {"display 3", 95,
         [](IniFile& i) { i.setValue("Linearization", "Display_Configuration", "3"); }, wrong},
        {"no display", 95,
         [](IniFile& i) { i.removeKey("Linearization", "Display_Configuration"); }, wrong},
        {"ohm in lower case", 95,
         [](IniFile& i) { i.setValue("Cold_Junction_Compensation", "CJC_Units", "ohm"); },
         in("Cold_Junction_Compensation")},
        {"missing table value", 95,
         [](IniFile& i) { i.removeKey("Linear_Detail", "LinTab_R8_C4"); }, in("Linear_Detail")},
        {"infinite table value", 95,
         [](IniFile& i) { i.setValue("Linear_Detail", "CJC_C2", "1e999"); }, in("Linear_Detail")},
        {"RTD type 3", 91,
         [](IniFile& i) {
             i.setValue("Type", "Input_Range", "91");
             i.setValue("RTD_Pt_Calibration", "Type", "3");
         },
         in("RTD_Pt_Calibration")},
        {"RTD constant", 91,
         [](IniFile& i) {
             i.setValue("Type", "Input_Range", "91");
             i.setValue("RTD_Pt_Calibration", "B", "abc");
         },
         in("RTD_Pt_Calibration")},
    };
    const LinData saved = Filled(95);
    for (const Case& c : cases) {
        IniFile ini = LinToIni(saved, FindRange(95));
        c.edit(ini);
        const QString path = Path("bad.lin");
        ASSERT_TRUE(ini.save(path));
        const LinData current = Filled(c.loadOn);
        ScriptedInteraction ui;
        const LinLoadResult r = File2Lin(path, current, FindRange(c.loadOn), ui);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.message, c.message) << c.what;
        EXPECT_FALSE(ui.progressOpen) << c.what;
    }
}

TEST_F(LinFileTest, FileErrorsAndTheOverwriteQuestion) {
    ScriptedInteraction ui;
    const int r91 = FindRange(91);
    const LinData d = Filled(91);
    EXPECT_EQ(File2Lin("", d, r91, ui).message,
              QStringLiteral("Data was not loaded, cancelled by user."));
    const QString missing = Path("missing.lin");
    EXPECT_EQ(File2Lin(missing, d, r91, ui).message,
              QStringLiteral("Data was not loaded, file: '%1' not found.").arg(missing));
    EXPECT_EQ(File2Lin(dir.path(), d, r91, ui).message,
              QStringLiteral("Data was not loaded, cannot open file: '%1'.").arg(dir.path()));
    EXPECT_EQ(Lin2File(d, r91, "", ui).message,
              QStringLiteral("Data were not saved, cancelled by user."));
    const QString nowhere = Path("no/such/folder.lin");
    // The program's words, then the system's reason.
    EXPECT_TRUE(
        Lin2File(d, r91, nowhere, ui)
            .message.startsWith(
                QStringLiteral("Data were not saved, cannot open file: '%1'.").arg(nowhere)));

    const QString path = Path("kept.lin");
    Write(path, "old contents");
    ui.answers = {false};
    const LinFileResult no = Lin2File(d, r91, path, ui);
    EXPECT_EQ(no.message, QStringLiteral("Data were not saved, cancelled by user."));
    EXPECT_EQ(ui.last(),
              QStringLiteral("File: '%1' already exists, do you want to overwrite it?").arg(path));
    EXPECT_EQ(Read(path), QByteArray("old contents"));
    ui.answers = {true};
    EXPECT_TRUE(Lin2File(d, r91, path, ui).ok);
    EXPECT_TRUE(Read(path).startsWith("[Type]\r\nVersion=Lin-1.0\r\n"));
}
