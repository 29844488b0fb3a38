#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/ini_file.h"

using lmk17::IniFile;

TEST(IniFile, ValuesAreTheLiteralTextAfterTheFirstEquals) {
    const IniFile ini = IniFile::fromBytes(
        "; comment line\r\n"
        "[Linearization]\r\n"
        "LinPoint_X01=1,5\r\n"
        "Path=C:\\new\\table;not a comment\r\n"
        "  Spaced Key  = a=b \r\n"
        "no equals sign here\n"
        "[Other]\n"
        "Key=second section\n");
    EXPECT_EQ(ini.value("linearization", "linpoint_x01"), QString("1,5"));
    EXPECT_EQ(ini.value("Linearization", "Path"), QString("C:\\new\\table;not a comment"));
    EXPECT_EQ(ini.value("Linearization", "spaced key"), QString(" a=b "));
    EXPECT_EQ(ini.value("OTHER", "key"), QString("second section"));
    EXPECT_FALSE(ini.value("Linearization", "no equals sign here"));
    EXPECT_FALSE(ini.value("Missing", "Key"));
    EXPECT_EQ(ini.keys("Linearization").size(), 3);
}

TEST(IniFile, FirstOccurrenceWinsAndKeysBeforeASectionAreIgnored) {
    const IniFile ini = IniFile::fromBytes("orphan=1\n[A]\nk=1\nK=2\n[a]\nk=3\n");
    EXPECT_EQ(ini.value("A", "k"), QString("1"));
    EXPECT_EQ(ini.sectionNames(), QStringList({"A", "a"}));
}

TEST(IniFile, SetValueKeepsPositionAndAppendsNewKeys) {
    IniFile ini = IniFile::fromBytes("[Type]\nVersion=x\nInput_Range=91\n");
    ini.setValue("TYPE", "version", "Lin-1.0");
    ini.setValue("Type", "Extra", "1");
    ini.setValue("New", "Key", "v");
    EXPECT_EQ(ini.toBytes(),
              QByteArray("[Type]\r\nVersion=Lin-1.0\r\nInput_Range=91\r\nExtra=1\r\n\r\n"
                         "[New]\r\nKey=v\r\n"));
    ini.removeKey("type", "EXTRA");
    ini.removeSection("new");
    EXPECT_EQ(ini.toBytes(), QByteArray("[Type]\r\nVersion=Lin-1.0\r\nInput_Range=91\r\n"));
}

TEST(IniFile, LegacyCodePageAndUtf8BothRead) {
    // 0xB0 is the degree sign in Windows-1250; the same text in UTF-8 reads alike.
    EXPECT_EQ(IniFile::fromBytes("[C]\nU=\xb0"
                                 "C\n")
                  .value("C", "U"),
              QString::fromUtf8("°C"));
    EXPECT_EQ(IniFile::fromBytes("\xef\xbb\xbf[C]\nU=\xc2\xb0"
                                 "C\n")
                  .value("C", "U"),
              QString::fromUtf8("°C"));
    IniFile ini;
    ini.setValue("C", "U", QString::fromUtf8("°C"));
    EXPECT_EQ(ini.toBytes(), QByteArray("[C]\r\nU=\xb0"
                                        "C\r\n"));
}

TEST(IniFile, SaveReplacesTheFileWholeAndLoadReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    IniFile ini;
    ini.setValue("Window", "Left", "10");
    QString error;
    ASSERT_TRUE(ini.save(path, &error)) << error.toStdString();
    IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.value("window", "left"), QString("10"));

    // A folder that does not exist: saving fails and says why.
    EXPECT_FALSE(ini.save(dir.filePath("missing/settings.ini"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(back.load(dir.filePath("missing.ini"), &error));
}
