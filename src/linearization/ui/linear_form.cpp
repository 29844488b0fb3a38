#include "linearization/ui/linear_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "common/ui/message_box_interaction.h"
#include "common/ui/plot_view.h"
#include "common/ui/scroll_page.h"
#include "config/catalogue.h"
#include "config/config_model.h"
#include "linearization/lin_text.h"
#include "linearization/ui/graph_form.h"
#include "linearization/ui/point_grid_widget.h"

namespace lmk17 {

namespace {
constexpr int kEditorHelpContext = 1800;
}  // namespace

TLinearForm::TLinearForm(LinEditor& editor, QWidget* parent, UserInteraction* ui)
    : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("LinearForm"));
    setWindowTitle(tr("Linearization and Cold Junction Compensation"));
    if (!ui) {
        auto own = std::make_unique<MessageBoxInteraction>();
        own->setMainWindow(this);
        ownUi_ = std::move(own);
        ui = ownUi_.get();
    }
    ui_ = ui;

    auto* bar = new QMenuBar(this);
    buildMenu(bar);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Pages"));
    linPage_ = buildLinPage();
    cjcPage_ = buildCjcPage();
    rtdPage_ = buildRtdPage();
    detailPage_ = buildDetailPage();
    pages_->addTab(linPage_, tr(" Linearization "));
    pages_->addTab(cjcPage_, tr("Cold Junction Compensation"));
    pages_->addTab(rtdPage_, tr("Sensor Specific Characterization"));
    pages_->addTab(detailPage_, tr(" Linearization - detail "));
    pages_->setTabVisible(pages_->indexOf(detailPage_), false);  // no command shows it

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OkBtn"));
    CancelBtn = buttons->addButton(QDialogButtonBox::Cancel);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    ok->setAutoDefault(false);
    CancelBtn->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TLinearForm::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TLinearForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(new ScrollPage(pages_, this), 1);
    layout->addWidget(buttons);

    graph_ = new TGraphForm(editor_, *ui_, this);
    connect(graph_, &TGraphForm::popupRequested, this,
            [this](const QPoint& g, const QPointF& d) { showPlotPopup(g, d, true); });
    graphRunner_ = [](TGraphForm& g) { g.exec(); };
    connect(graph_, &TGraphForm::helpRequested, this, &TLinearForm::helpRequested);

    for (PointGridWidget* grid : {LnTStrGrd, KPStrGrd})
        connect(grid, &PointGridWidget::pasteOverflow, this, [this](int lost) {
            ui_->message(MessageKind::Warning,
                         tr("%n pasted row(s) did not fit into the table and were left out.",
                            nullptr, lost));
        });
    connect(&editor_, &LinEditor::changed, this, &TLinearForm::onChanged);
    connect(qApp, &QApplication::focusChanged, this, &TLinearForm::onFocusChanged);
    resize(1000, 620);
}

TLinearForm::~TLinearForm() {
    // Deleting the children moves the focus: that must not reach a window
    // that is already half gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

// --- opening and committing ------------------------------------------------------------

bool TLinearForm::editLinearization(ConfigModel& model, const QStringList& files) {
    if (!editor_.open(model)) return false;
    prepareForOpen();
    for (const QString& file : files) editor_.load(file, *ui_);
    if (exec() != QDialog::Accepted) return false;
    editor_.commit(model);
    return true;
}

bool TLinearForm::editLinearization(TransmitterConfig& config, int rangeIndex, bool* modified) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    if (!range || !range->UsesEditor) return false;
    editor_.open(config, rangeIndex);
    prepareForOpen();
    if (exec() != QDialog::Accepted) return false;
    const bool changed = editor_.commit(config);
    if (modified) *modified = changed;
    return true;
}

void TLinearForm::prepareForOpen() {
    const bool cjc = editor_.pom().HasCjc != 0;
    const bool rtd = editor_.pom().HasRtd != 0;
    pages_->setTabVisible(pages_->indexOf(cjcPage_), cjc);
    pages_->setTabVisible(pages_->indexOf(rtdPage_), rtd);
    pages_->setTabVisible(pages_->indexOf(detailPage_), false);
    for (QAction* a : std::as_const(cjcMnus_)) a->setVisible(cjc);
    rtdEditMnu_->setVisible(rtd);
    onChanged(LinEditor::AllChanged);
    pages_->setCurrentWidget(linPage_);
}

void TLinearForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(kEditorHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TLinearForm::showEvent(QShowEvent* event) {
    for (QAction* a : std::as_const(printMnus_))
        a->setEnabled(isSignalConnected(QMetaMethod::fromSignal(&TLinearForm::printRequested)));
    const bool help =
        isSignalConnected(QMetaMethod::fromSignal(&TLinearForm::helpContentsRequested));
    for (QAction* a : std::as_const(helpMnus_)) a->setEnabled(help);
    QDialog::showEvent(event);
}

void TLinearForm::onChanged(int what) {
    // Grids and fields are shown again only when their own data changed:
    // anything else would throw away text typed but not yet read.
    const bool record = what & LinEditor::RecordChanged;
    const bool lin = what & LinEditor::LinPointsChanged;
    const bool cjc = what & LinEditor::CjcPointsChanged;
    if (lin || record) refreshLinPage(lin);
    if (editor_.pom().HasCjc && (cjc || record)) refreshCjcPage(cjc);
    if (record) refreshDetailPage();
    if (what & LinEditor::RtdChanged && editor_.pom().HasRtd) refreshRtdPage();
    if (graphOpen_ && (what & (LinEditor::PointsChanged | LinEditor::RecordChanged)))
        graph_->refresh();
}

// --- reading the grids -----------------------------------------------------------------

void TLinearForm::onFocusChanged(QWidget* old, QWidget* now) {
    // Focus going to a popup, a message box or another window is no leaving.
    if (!isVisible() || reading_ || !old || !now || now->window() != this) return;
    const auto within = [](QWidget* w, QWidget* area) {
        return w == area || area->isAncestorOf(w);
    };
    if (now == CancelBtn) return;
    if (within(old, LnTStrGrd) && !within(now, LnTStrGrd)) {
        QTimer::singleShot(0, this, [this] { readLinGrid(); });
    } else if (within(old, KPStrGrd) && !within(now, KPStrGrd)) {
        QTimer::singleShot(0, this, [this] { readCjcGrid(); });
    } else {
        for (QLineEdit* e : {RtdAEdt, RtdBEdt, RtdCEdt, RtdR0Edt, OnePointR0Edt, RT1Edt, T1Edt}) {
            if (old != e || !e->isModified()) continue;
            e->setModified(false);
            editor_.markRtdEdited();
        }
    }
}

bool TLinearForm::readLinGrid(bool force) {
    if (reading_) return false;
    reading_ = true;
    GridCell bad;
    const bool ok = editor_.readLinGrid(LnTStrGrd->rows(), *ui_, &bad, force);
    reading_ = false;
    if (!ok) {
        pages_->setCurrentWidget(linPage_);
        LnTStrGrd->selectCell(bad.row - 1, bad.column - 1);
        LnTStrGrd->setFocus();
    }
    return ok;
}

bool TLinearForm::readCjcGrid(bool force) {
    if (reading_) return false;
    reading_ = true;
    GridCell bad;
    const bool ok = editor_.readCjcGrid(KPStrGrd->rows(), *ui_, &bad, force);
    reading_ = false;
    if (!ok) {
        pages_->setCurrentWidget(cjcPage_);
        KPStrGrd->selectCell(bad.row - 1, bad.column - 1);
        KPStrGrd->setFocus();
    }
    return ok;
}

// --- commands ------------------------------------------------------------------------

void TLinearForm::LinApproxBtnClick() {
    approximate(linPage_, LnTStrGrd, &LinEditor::approximateLinearization);
}

void TLinearForm::CjcApproxBtnClick() {
    approximate(cjcPage_, KPStrGrd, &LinEditor::approximateCjc);
}

// Either approximation: its page in front, its table read; a bad cell is
// selected, a good result shown in the graph.
void TLinearForm::approximate(QWidget* page, PointGridWidget* grid, Approximation run) {
    pages_->setCurrentWidget(page);
    GridCell bad;
    reading_ = true;
    const bool ok = (editor_.*run)(grid->rows(), *ui_, &bad);
    reading_ = false;
    if (!ok) {
        if (bad.row > 0) grid->selectCell(bad.row - 1, bad.column - 1);
        return;
    }
    openGraph(QString());
}

void TLinearForm::RtdCalcBtnClick() {
    RtdFields fields = rtdFields();
    RtdField focus = RtdField::None;
    const bool ok = editor_.calculateRtd(fields, *ui_, &focus);  // RtdKoefVypocMnuClick
    showRtdFields(fields);
    if (!ok) {
        QLineEdit* const byField[] = {nullptr,  RtdAEdt,       RtdBEdt, RtdCEdt,
                                      RtdR0Edt, OnePointR0Edt, RT1Edt,  T1Edt};
        if (QLineEdit* e = byField[int(focus)]) {
            pages_->setCurrentWidget(rtdPage_);
            e->setFocus();
        }
        return;
    }
    pages_->setCurrentWidget(linPage_);
    openGraph(QString());
}

void TLinearForm::LinClearBtnClick() {
    if (ui_->question(Question::ClearPointTable, MessageKind::Confirmation,
                      tr("Do you really want to clear the table of linearization points?")))
        LinClearMnuClick();
}

void TLinearForm::CjcClearBtnClick() {
    if (ui_->question(Question::ClearPointTable, MessageKind::Confirmation,
                      tr("Do you really want to clear the table of cold junction compensation "
                         "points")))
        CjcClearMnuClick();
}

void TLinearForm::LinClearMnuClick() {
    editor_.clearLinTable();
}

void TLinearForm::CjcClearMnuClick() {
    editor_.clearCjcTable();
}

void TLinearForm::DefaultLinMnuClick() {
    editor_.setDefaultLinearization();
}

void TLinearForm::GraphLinMnuClick() {
    editor_.showPlainGraph(LinEditor::GraphPage::Linearization);
    pages_->setCurrentWidget(linPage_);
    openGraph(tr(" Linearization Graph"));
}

void TLinearForm::GraphCjcMnuClick() {
    editor_.showPlainGraph(LinEditor::GraphPage::Cjc);
    pages_->setCurrentWidget(cjcPage_);
    openGraph(tr(" Cold Junction Compensation Graph"));
}

void TLinearForm::openGraph(const QString& plainCaption) {
    graph_->prepare(plainCaption);
    graphOpen_ = true;
    graphRunner_(*graph_);
    graphOpen_ = false;
    onChanged(LinEditor::RecordChanged);
}

void TLinearForm::JednCBChange(int position) {
    editor_.setPvUnit(JednCB->itemData(position).toInt());
}

void TLinearForm::DisplayRGClick(int places) {
    editor_.setDecimalPlaces(places);
}

void TLinearForm::CjcUnitRGClick(int unit) {
    GridCell bad;
    reading_ = true;
    const bool ok = editor_.setCjcXUnit(unit, KPStrGrd->rows(), *ui_, &bad);
    reading_ = false;
    if (!ok) {
        cjcUnitRG_->button(editor_.pom().CjcXUnit == 1 ? 1 : 0)->setChecked(true);
        if (bad.row > 0) KPStrGrd->selectCell(bad.row - 1, bad.column - 1);
    }
}

// --- the plot popup --------------------------------------------------------------------

bool TLinearForm::onCjcPage(bool fromGraph) const {
    if (fromGraph) return editor_.graphPage() == LinEditor::GraphPage::Cjc;
    return pages_->currentWidget() == cjcPage_;
}

void TLinearForm::showPlotPopup(const QPoint& globalPos, const QPointF& dataPos, bool fromGraph) {
    const bool cjc = onCjcPage(fromGraph);
    const InputRangeEntry* range = RangeAt(editor_.rangeIndex());
    const QString xUnit =
        cjc ? (editor_.pom().CjcXUnit == 1 ? QStringLiteral("Ohm") : QStringLiteral("°C"))
            : (range ? UnitSymbol(range->EditorUnit) : QString());
    const QString yUnit = cjc ? QStringLiteral("mV") : UnitSymbol(editor_.pom().PvUnit);
    QMenu menu(this);
    menu.addAction(QStringLiteral(" X= %1  %2").arg(GText(dataPos.x(), 8), xUnit))
        ->setEnabled(false);
    menu.addAction(QStringLiteral(" Y= %1  %2").arg(GText(dataPos.y(), 8), yUnit))
        ->setEnabled(false);
    menu.addSeparator();
    QAction* add = menu.addAction(tr("&Add Coordinates to the Table"));
    add->setVisible(!(fromGraph && graph_->view() == LinGraphView::Error));
    QAction* copy = menu.addAction(tr("&Copy Graph to the Clipboard"));
    QAction* chosen = menu.exec(globalPos);
    if (chosen == add) addCoordinates(dataPos, fromGraph);
    if (chosen == copy) copyGraph(fromGraph);
}

void TLinearForm::addCoordinates(const QPointF& dataPos, bool fromGraph) {
    const bool cjc = onCjcPage(fromGraph);
    PointGridWidget* grid = cjc ? KPStrGrd : LnTStrGrd;
    std::vector<GridRow> rows = grid->rows();
    const std::optional<int> row = LinEditor::addCoordinates(rows, grid->rowCount(), dataPos, *ui_);
    if (!row) return;
    grid->setCellText(*row, 0, rows[size_t(*row)].x);
    grid->setCellText(*row, 1, rows[size_t(*row)].y);
    if (cjc) {
        editor_.markCjcGridEdited();
        readCjcGrid(true);
    } else {
        editor_.markLinGridEdited();
        readLinGrid(true);
    }
}

void TLinearForm::copyGraph(bool fromGraph) {
    if (fromGraph || graphOpen_) {
        graph_->plot()->copyToClipboard();
        return;
    }
    (onCjcPage(false) ? cjcPlot_ : linPlot_)->copyToClipboard();
}

// --- files ---------------------------------------------------------------------------

QString TLinearForm::askFileName(bool save) {
    if (fileNameHook_) return fileNameHook_(save);
    QFileDialog dialog(
        this,
        save ? tr("Save the Linearization Parameters") : tr("Load the Linearization Parameters"),
        directory_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("lin"));
    // Lin2File asks about an existing file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({tr("Linearization Files (*.lin *.LIN)"), tr("All Files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    directory_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().first();
}

void TLinearForm::LoadMnuClick() {
    const QString path = askFileName(false);
    if (path.isEmpty()) return;
    if (editor_.load(path, *ui_)) pages_->setCurrentWidget(linPage_);
}

void TLinearForm::SaveMnuClick() {
    switch (editor_.pendingStep(*ui_)) {
        case LinEditor::OkStep::ApproximateLin:
            LinApproxBtnClick();
            return;
        case LinEditor::OkStep::ApproximateCjc:
            CjcApproxBtnClick();
            return;
        case LinEditor::OkStep::CalculateRtd:
            RtdCalcBtnClick();
            return;
        default:
            break;
    }
    saveChecked();
}

void TLinearForm::saveChecked() {
    RtdFields fields = rtdFields();
    reading_ = true;
    const bool ok = editor_.checkBeforeSave(LnTStrGrd->rows(), KPStrGrd->rows(),
                                            editor_.pom().HasRtd ? &fields : nullptr, *ui_);
    reading_ = false;
    if (!ok) return;
    editor_.save(askFileName(true), *ui_);
}

// --- closing -------------------------------------------------------------------------

void TLinearForm::OkBtnClick() {
    if (!readLinGrid() || (editor_.pom().HasCjc && !readCjcGrid())) return;
    switch (editor_.okStep(*ui_)) {
        case LinEditor::OkStep::ApproximateLin:
            LinApproxBtnClick();
            return;
        case LinEditor::OkStep::ApproximateCjc:
            CjcApproxBtnClick();
            return;
        case LinEditor::OkStep::CalculateRtd:
            RtdCalcBtnClick();
            return;
        case LinEditor::OkStep::KeepOpen:
            return;
        case LinEditor::OkStep::Save:
            saveChecked();
            return;
        case LinEditor::OkStep::Close:
            accept();
            return;
    }
}

void TLinearForm::reject() {
    if (!editor_.cancel(*ui_)) return;
    QDialog::reject();
}

}  // namespace lmk17
