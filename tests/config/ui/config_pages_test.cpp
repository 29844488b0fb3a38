// The Input, Output and Information pages on a transmitter of lmk17-sim: the
// user's typing goes through the real edits, lists and boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "config/config_controls.h"
#include "config/edit_fields.h"
#include "config/ui/config_edit.h"
#include "config/ui/info_page.h"
#include "config/ui/input_page.h"
#include "config/ui/output_page.h"
#include "files/config_load.h"
#include "files/config_save.h"
#include "operations/transmitter_session.h"
#include "support/cli_process.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

sim::LineOptions OneTransmitter(const char* type, int firmware) {
    sim::LineOptions options;
    options.transmitters = {
        test::InProcessSim::Transmitter(0, QString::fromLatin1(type), firmware)};
    return options;
}

// The three pages in a tab widget over the stack of a simulated transmitter.
struct PagesRig {
    explicit PagesRig(const char* type = "K8620L31", int firmware = 191)
        : rig(OneTransmitter(type, firmware)) {
        // As in the main window: the complete check takes the pages' texts.
        model().setControlsShown(true);
        tabs.addTab(input, QStringLiteral("Input"));
        tabs.addTab(output, QStringLiteral("Output"));
        tabs.addTab(info, QStringLiteral("Information"));
        tabs.resize(1100, 640);
        tabs.show();
        QApplication::setActiveWindow(&tabs);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tabs));
    }

    ConfigModel& model() { return rig.stack.model(); }
    OperationOutcome read() {
        return rig.stack.runOperation([this] { return bool(rig.stack.session().startRead()); },
                                      30000);
    }
    OperationOutcome write() {
        CheckOutcome check;
        const OperationOutcome outcome = rig.stack.runOperation(
            [&] { return bool(rig.stack.session().startWrite(&check)); }, 30000);
        controls.focusRefusal(check);
        return outcome;
    }
    SaveOutcome save(const QString& file) {
        const SaveOutcome outcome = DiskSave(model(), file, rig.ui);
        controls.focusRefusal(outcome.check);
        return outcome;
    }

    TConfigEdit* edit(EditField field) {
        TConfigEdit* e = input->edit(field);
        return e ? e : output->edit(field);
    }
    // Types a text into an edit as the user does, ended by Enter.
    void type(EditField field, const QString& text) {
        TConfigEdit* e = edit(field);
        BringForward(e);
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
        QApplication::processEvents();
    }
    void BringForward(QWidget* w) {
        for (QWidget* page : {static_cast<QWidget*>(input), static_cast<QWidget*>(output)})
            if (page->isAncestorOf(w)) tabs.setCurrentWidget(page);
    }
    // An edit's text without the leading blank it shows while not edited.
    QString shown(EditField field) { return edit(field)->text().trimmed(); }

    test::SimRig rig;
    ConfigControls controls{rig.stack.model(), rig.ui};
    QTabWidget tabs;
    TInputPage* input = new TInputPage(controls);
    TOutputPage* output = new TOutputPage(controls);
    TInfoPage* info = new TInfoPage(controls);
};

// Pt100 on a K8620 with firmware 1.91: YEnd - YStart = 1054, 5 % = 52.7;
// output 4..20 mA, limits within 3..25 mA.
TEST(ConfigPages, EdgeCasesTypedIntoTheEdits) {
    PagesRig r;
    ASSERT_EQ(r.read(), OperationOutcome::Completed);
    struct Case {
        EditField field;
        const char* text;
        bool accepted;
        const char* expected;  // shown after success, or the start of the message
        const char* restore;   // typed back after a refusal: leaving it is checked again
    };
    const Case cases[] = {
        {EditField::DampEdt, "", false, "Value of damping is out of the range: < 0.5 ; 65.0 > sec.",
         "4"},
        {EditField::DampEdt, "1,5", true, "1.5", ""},
        {EditField::DampEdt, "2.5", true, "2.5", ""},
        {EditField::LOEdt, "12x", false, "Incorrect Format of the Value: lower range value.",
         "-200"},
        {EditField::LOEdt, "-202.2", true, "-202.2", ""},
        {EditField::LOEdt, "-202.3", false, "Value of lower range value is out of the range: <",
         "-200"},
        {EditField::LOEEdt, "52.7", true, "52.7", ""},
        {EditField::LOEEdt, "52.8", false,
         "Value of correction at lower range value is higher than 5 % of input range.", "0"},
        {EditField::HS1Edt, "53", false,
         "Value of limit comparator 1 hysteresis is higher than 5 % of input range.", "0"},
        {EditField::NPSatLoEdt, "2.9", false,
         "Value of lower output limit is out of the range: <3 ; 25> mA.", "3.8"},
        {EditField::NPSatLoEdt, "3,5", true, "3.5", ""},
        {EditField::ROLEdt, "19", true, "19", ""},
        {EditField::ROHEdt, "5", true, "19", ""},  // the end below the start: swapped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + r.edit(c.field)->objectName().toStdString());
        r.rig.ui.shown.clear();
        r.type(c.field, QString::fromLatin1(c.text));
        if (c.accepted) {
            EXPECT_TRUE(r.rig.ui.shown.empty()) << r.rig.ui.last().toStdString();
            EXPECT_EQ(r.shown(c.field).trimmed(), QString::fromLatin1(c.expected).trimmed());
        } else {
            EXPECT_TRUE(r.rig.ui.last().startsWith(QString::fromLatin1(c.expected)))
                << r.rig.ui.last().toStdString();
            EXPECT_EQ(QApplication::focusWidget(), r.edit(c.field));
            r.rig.ui.shown.clear();
            r.type(c.field, QString::fromLatin1(c.restore));
            EXPECT_TRUE(r.rig.ui.shown.empty()) << r.rig.ui.last().toStdString();
        }
    }
    EXPECT_EQ(r.shown(EditField::ROLEdt), QStringLiteral("5"));

    // Reverse switching with a hysteresis of zero falls back to Normal.
    r.type(EditField::HS1Edt, QStringLiteral("0"));
    r.rig.ui.shown.clear();
    r.input->MCsmyslCB[0]->setCurrentIndex(1);
    emit r.input->MCsmyslCB[0]->activated(1);
    EXPECT_TRUE(r.rig.ui.last().contains(QStringLiteral("cannot be equal to zero")));
    EXPECT_EQ(r.input->MCsmyslCB[0]->currentIndex(), 0);
}

// Every edit of the table sits once on the page the checks bring forward
// for it, under its name: a refusal can then always give the focus back.
TEST(ConfigPages, EveryEditSitsOnItsPageUnderItsName) {
    PagesRig r;
    for (const EditFieldDescriptor& d : EditFieldDescriptors()) {
        SCOPED_TRACE(d.objectName);
        QWidget* page = d.page == ConfigPage::Input ? static_cast<QWidget*>(r.input) : r.output;
        QWidget* other = page == r.input ? static_cast<QWidget*>(r.output) : r.input;
        const auto found = page->findChildren<TConfigEdit*>(QString::fromLatin1(d.objectName));
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found[0]->field(), d.field);
        EXPECT_EQ(r.edit(d.field), found[0]);
        EXPECT_TRUE(other->findChildren<TConfigEdit*>(QString::fromLatin1(d.objectName)).isEmpty());
    }
    EXPECT_EQ(r.input->findChildren<TConfigEdit*>().size() +
                  r.output->findChildren<TConfigEdit*>().size(),
              EditFieldDescriptors().size());
}

TEST(ConfigPages, RefusedValueKeepsTheFocusInItsEdit) {
    PagesRig r;
    ASSERT_EQ(r.read(), OperationOutcome::Completed);
    TConfigEdit* damping = r.edit(EditField::DampEdt);
    r.tabs.setCurrentWidget(r.input);
    damping->setFocus(Qt::MouseFocusReason);
    damping->selectAll();
    QTest::keyClicks(damping, QStringLiteral("99"));
    // Leaving for another page: the check refuses and brings the page back.
    r.tabs.setCurrentWidget(r.output);
    r.edit(EditField::NPSatHiEdt)->setFocus(Qt::MouseFocusReason);
    QTest::qWait(50);
    EXPECT_EQ(r.tabs.currentWidget(), r.input);
    EXPECT_EQ(QApplication::focusWidget(), damping);
    EXPECT_TRUE(r.rig.ui.last().startsWith(QStringLiteral("Value of damping is out of the range")));
}

// What the pages show equals what "lmk17-cli show" prints for the same record.
TEST(ConfigPages, ReadFillsEveryPageAsTheCommandLineShowsIt) {
    PagesRig r("K8620S21", 191);
    ASSERT_EQ(r.read(), OperationOutcome::Completed);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("read.ptf"));
    ASSERT_TRUE(r.save(file).saved);

    const test::CliResult cli =
        test::RunCli({QStringLiteral("show"), file, QStringLiteral("--json")});
    const QJsonObject d =
        QJsonDocument::fromJson(cli.out.toUtf8())[QStringLiteral("display")].toObject();
    ASSERT_FALSE(d.isEmpty());
    auto expectShown = [&](const char* key, const QString& text) {
        EXPECT_EQ(text.trimmed(), d[QLatin1String(key)].toString()) << key;
    };
    expectShown("InputRange", r.input->ZaklRozsahCB->currentText());
    expectShown("Connection", r.input->PripojeniCB->currentText());
    expectShown("LowerRangeValue", r.shown(EditField::LOEdt));
    expectShown("UpperRangeValue", r.shown(EditField::HIEdt));
    expectShown("LowerCorrection", r.shown(EditField::LOEEdt));
    expectShown("UpperCorrection", r.shown(EditField::HIEEdt));
    expectShown("Damping", r.shown(EditField::DampEdt));
    expectShown("ErrorOutput", r.input->IErrHighRBtn->isChecked() ? QStringLiteral("high")
                                                                  : QStringLiteral("low"));
    expectShown("Comparator1Level", r.shown(EditField::SL1Edt));
    expectShown("Comparator1Hysteresis", r.shown(EditField::HS1Edt));
    expectShown("Comparator2Level", r.shown(EditField::SL2Edt));
    expectShown("Comparator2Hysteresis", r.shown(EditField::HS2Edt));
    expectShown("OutputType", r.output->OutRangeLbl->text());
    expectShown("OutputRangeStart", r.shown(EditField::ROLEdt));
    expectShown("OutputRangeEnd", r.shown(EditField::ROHEdt));
    expectShown("SaturationLow", r.shown(EditField::NPSatLoEdt));
    expectShown("SaturationHigh", r.shown(EditField::NPSatHiEdt));
    expectShown("ErrorLow", r.shown(EditField::NPErrLoEdt));
    expectShown("ErrorHigh", r.shown(EditField::NPErrHiEdt));
    expectShown("UserNote", r.input->UsrLabelEdt->text());
    expectShown("Manufacturer", r.info->Info11Lbl->text());
    expectShown("TransmitterType", r.info->Info12Lbl->text());
    expectShown("ManufactureDate", r.info->Info13Lbl->text());
    expectShown("SerialNumber", r.info->VyrCislo11Lbl->text());
    expectShown("LastChangeDate", r.info->HodDatZmenLbl->text());
    expectShown("WorkingTime", r.info->ProCas2Lbl->text());
    EXPECT_EQ(r.info->pictureName(), QStringLiteral(":/config/types/k8620-slim-2relays.svg"));
    EXPECT_FALSE(r.info->TypePicture->isHidden());
}

TEST(ConfigPages, EditsWrittenAreReadBackFromTheTransmitter) {
    PagesRig r;
    ASSERT_EQ(r.read(), OperationOutcome::Completed);
    // Another range (Ni100) with its connection, values and the first comparator.
    const int ni100 = r.input->ZaklRozsahCB->findText(QStringLiteral("R14"), Qt::MatchContains);
    ASSERT_GE(ni100, 0);
    r.input->ZaklRozsahCB->setCurrentIndex(ni100);
    emit r.input->ZaklRozsahCB->activated(ni100);
    EXPECT_EQ(r.rig.ui.last(), QStringLiteral("Input range was changed, check configuration."));
    r.type(EditField::LOEdt, QStringLiteral("-20"));
    r.type(EditField::HIEdt, QStringLiteral("120,5"));
    r.type(EditField::DampEdt, QStringLiteral("7.5"));
    r.input->IErrLowRBtn->click();
    r.type(EditField::SL1Edt, QStringLiteral("100"));
    r.type(EditField::HS1Edt, QStringLiteral("2"));
    r.input->UsrLabelEdt->setFocus();
    r.input->UsrLabelEdt->setText(QStringLiteral("TANK 7"));
    QTest::keyClick(r.input->UsrLabelEdt, Qt::Key_Return);
    EXPECT_TRUE(r.model().unsavedChanges());
    ASSERT_EQ(r.write(), OperationOutcome::Completed) << r.rig.ui.last().toStdString();
    EXPECT_FALSE(r.model().unsavedChanges());

    // Something else locally, then read the transmitter again.
    r.type(EditField::DampEdt, QStringLiteral("30"));
    r.rig.ui.answers = {true};  // "Changes were not saved. Continue?"
    ASSERT_EQ(r.read(), OperationOutcome::Completed);
    EXPECT_TRUE(r.input->ZaklRozsahCB->currentText().contains(QStringLiteral("R14")));
    EXPECT_EQ(r.shown(EditField::LOEdt), QStringLiteral("-20"));
    EXPECT_EQ(r.shown(EditField::HIEdt), QStringLiteral("120.5"));
    EXPECT_EQ(r.shown(EditField::DampEdt), QStringLiteral("7.5"));
    EXPECT_TRUE(r.input->IErrLowRBtn->isChecked());
    EXPECT_EQ(r.shown(EditField::SL1Edt), QStringLiteral("100"));
    EXPECT_EQ(r.shown(EditField::HS1Edt), QStringLiteral("2"));
    EXPECT_EQ(r.input->UsrLabelEdt->text(), QStringLiteral("TANK 7"));
}

TEST(ConfigPages, SaveThenLoadIsByteIdenticalAndElevenUndosStepBackTen) {
    PagesRig r("K8410L20", 191);
    ASSERT_EQ(r.read(), OperationOutcome::Completed);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.ptf"));
    const QString second = dir.filePath(QStringLiteral("second.ptf"));
    r.type(EditField::DampEdt, QStringLiteral("3.0"));
    ASSERT_TRUE(r.save(first).saved);
    r.type(EditField::DampEdt, QStringLiteral("9.0"));
    r.rig.ui.answers = {true};
    ASSERT_TRUE(DiskLoadCommand(r.model(), first, r.rig.ui).loaded);
    EXPECT_EQ(r.shown(EditField::DampEdt), QStringLiteral("3.0"));
    ASSERT_TRUE(r.save(second).saved);
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    for (int i = 0; i < 11; ++i) r.type(EditField::DampEdt, QString::number(10 + i));
    EXPECT_EQ(r.shown(EditField::DampEdt), QStringLiteral("20.0"));
    for (int i = 0; i < 11; ++i) {
        const bool restored = r.model().undo({});
        EXPECT_EQ(restored, i < 10) << i;
        if (i < 10) {
            EXPECT_EQ(r.shown(EditField::DampEdt), QString::asprintf("%d.0", 19 - i)) << i;
        }
    }
    EXPECT_FALSE(r.model().undoEnabled());
    EXPECT_EQ(r.shown(EditField::DampEdt), QStringLiteral("10.0"));
}

// Screenshots of the pages for a K8410 and a K8620 read from the simulator,
// into the folder named by LMK17_SHOTS (skipped without it).
TEST(ConfigPages, Screenshots) {
    const QString folder = qEnvironmentVariable("LMK17_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "LMK17_SHOTS names no folder";
    for (const char* type : {"K8410L20", "K8620S21"}) {
        PagesRig r(type, 191);
        ASSERT_EQ(r.read(), OperationOutcome::Completed);
        const QString name = QString::fromLatin1(type).toLower();
        const char* pages[] = {"input", "output", "info"};
        for (int i = 0; i < 3; ++i) {
            r.tabs.setCurrentIndex(i);
            QTest::qWait(100);
            r.tabs.grab().save(QDir(folder).filePath(
                QStringLiteral("h14-%1-%2.png").arg(name, QLatin1String(pages[i]))));
        }
    }
}

}  // namespace
}  // namespace lmk17
