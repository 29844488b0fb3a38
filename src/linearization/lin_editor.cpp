#include "linearization/lin_editor.h"

#include <QCoreApplication>

#include "config/catalogue.h"
#include "config/config_model.h"
#include "linearization/lin_file.h"
#include "linearization/lin_record.h"
#include "linearization/lin_text.h"

namespace lmk17 {

LinEditor::LinEditor(QObject* parent) : QObject(parent) {}

QString LinEditor::pendingLinQuestion() {
    return tr(
        "Attention! There were changes in the table of points for linearization but "
        "approximation process was not carried out. In this case linearization may content "
        "wrong data. We recommend doing approximation of the linearization again. Do you "
        "want to approximate now?");
}

QString LinEditor::pendingCjcQuestion() {
    return tr(
        "Attention! There were changes in the table of points for CJ compensation but "
        "approximation process was not carried out. In this case CJ compensation may "
        "content wrong data. We recommend doing approximation of the CJ compensation "
        "again. Do you want to approximate now?");
}

QString LinEditor::pendingRtdQuestion() {
    return tr(
        "Attention! There were changes in the 'Sensor Specific Constants' section but "
        "approximation process was not carried out. In this case linearization may "
        "content wrong data. We recommend doing approximation of the linearization again. "
        "Do you want to approximate now?");
}

QString LinEditor::displayRangeQuestion() {
    return tr(
        "Attention! Range of Y-values is out of display range! We recommend changing the "
        "display configuration or changing linearization. Do you want to configure "
        "parameters now?");
}

QString LinEditor::saveQuestion() {
    return tr("Changes were not saved. Do you want to save parameters to file now?");
}

QString LinEditor::cancelQuestion() {
    return tr(
        "Changes were not saved. Parameters will be erased. Do you really want to close "
        "the window?");
}

void LinEditor::showPlainGraph(GraphPage page) {
    approximationView_ = false;
    graphPage_ = page;
    errors_ = ApproximationErrors{};
    emit changed(ErrorsChanged);
}

// --- opening and closing -------------------------------------------------------------

void LinEditor::open(const TransmitterConfig& config, int rangeIndex) {
    if (rangeIndex != openedRange_) {
        data_.LinPoints.Clear();
        data_.CJCPoints.Clear();
    }
    openedRange_ = rangeIndex_ = rangeIndex;
    OpenLinPom(data_.pom, config, rangeIndex);
    // A sensor page never filled in starts from the standard sensor, not from zeros.
    LinPom& p = data_.pom;
    if (p.HasRtd && p.RtdA == 0 && p.RtdB == 0 && p.RtdC == 0 && p.RtdR0 == 0)
        SetStandardRtdConstants(p, rangeIndex);
    unsaved_ = linPending_ = cjcPending_ = rtdPending_ = loaded_ = false;
    linEdited_ = cjcEdited_ = rtdEdited_ = false;
    approximationView_ = false;
    graphPage_ = GraphPage::Linearization;
    errors_ = ApproximationErrors{};
    atOpen_ = data_;
    emit changed(AllChanged);
}

bool LinEditor::open(const ConfigModel& model) {
    if (!model.allowsLinearization()) return false;
    const int rangeIndex = model.selectedRangeIndex();
    const InputRangeEntry* range = RangeAt(rangeIndex);
    if (!range || !range->UsesEditor) return false;
    if (followed_ != &model) {
        if (followed_) disconnect(followed_, nullptr, this, nullptr);
        followed_ = &model;
        // Announced only where the record is replaced, never by the editor's
        // own commit: the tables of an OK stay for the next session.
        connect(&model, &ConfigModel::linearizationTablesCleared, this,
                &LinEditor::clearPointTables);
    }
    open(model.config(), rangeIndex);
    return true;
}

LinEditor::OkStep LinEditor::pendingStep(UserInteraction& ui) {
    if (linPending_ && ui.question(Question::ApproximateLinearizationNow, MessageKind::Warning,
                                   pendingLinQuestion()))
        return OkStep::ApproximateLin;
    if (cjcPending_ && data_.pom.HasCjc &&
        ui.question(Question::ApproximateCjcNow, MessageKind::Warning, pendingCjcQuestion()))
        return OkStep::ApproximateCjc;
    if (rtdPending_ &&
        ui.question(Question::CalculateRtdNow, MessageKind::Warning, pendingRtdQuestion()))
        return OkStep::CalculateRtd;
    return OkStep::Close;
}

LinEditor::OkStep LinEditor::okStep(UserInteraction& ui) {
    const OkStep pending = pendingStep(ui);
    if (pending != OkStep::Close) return pending;
    if (!data_.pom.PvRangeFitsDisplay() &&
        ui.question(Question::OutOfDisplayRange, MessageKind::Warning, displayRangeQuestion()))
        return OkStep::KeepOpen;
    const bool anyPoints = data_.LinPoints.count > 0 || data_.CJCPoints.count > 0;
    if (unsaved_ && anyPoints &&
        ui.question(Question::SaveLinearizationNow, MessageKind::Confirmation, saveQuestion()))
        return OkStep::Save;
    return OkStep::Close;
}

bool LinEditor::commit(TransmitterConfig& config) const {
    return CommitLinPom(data_.pom, config, unsaved_);
}

void LinEditor::commit(ConfigModel& model) const {
    bool modified = false;
    {
        auto edit = model.edit();
        modified = commit(edit.config());
    }
    if (modified) model.setUnsavedChanges(true);
    // The Input page shows the new PV unit and the limits derived from the
    // new table; values outside them stay for the user to correct.
    model.adoptLinearization();
}

bool LinEditor::cancel(UserInteraction& ui) {
    if (unsaved_ &&
        !ui.question(Question::DiscardLinearization, MessageKind::Confirmation, cancelQuestion()))
        return false;
    // The working record is not committed, and the points go with it.
    data_ = atOpen_;
    data_.LinPoints.Clear();
    data_.CJCPoints.Clear();
    unsaved_ = linPending_ = cjcPending_ = rtdPending_ = loaded_ = false;
    linEdited_ = cjcEdited_ = rtdEdited_ = false;
    emit changed(AllChanged);
    return true;
}

// --- grid and field edits -------------------------------------------------------------

void LinEditor::markLinGridEdited() {
    const bool news = !linEdited_ || !linPending_ || !unsaved_;
    linEdited_ = linPending_ = unsaved_ = true;
    emitIf(news ? FlagsChanged : 0);
}

void LinEditor::markCjcGridEdited() {
    const bool news = !cjcEdited_ || !cjcPending_ || !unsaved_;
    cjcEdited_ = cjcPending_ = unsaved_ = true;
    emitIf(news ? FlagsChanged : 0);
}

void LinEditor::markRtdEdited() {
    const bool news = !rtdEdited_ || !rtdPending_ || !unsaved_;
    rtdEdited_ = rtdPending_ = unsaved_ = true;
    emitIf(news ? FlagsChanged : 0);
}

bool LinEditor::readLinGrid(const std::vector<GridRow>& rows, UserInteraction& ui, GridCell* bad,
                            bool force) {
    if (!force && !linEdited_) return true;
    if (!ReadLinPointGrid(rows, rangeIndex_, linEdited_, data_, ui, bad)) return false;
    linEdited_ = false;
    emit changed(LinPointsChanged | RecordChanged | FlagsChanged);
    return true;
}

bool LinEditor::readCjcGrid(const std::vector<GridRow>& rows, UserInteraction& ui, GridCell* bad,
                            bool force) {
    if (!force && !cjcEdited_) return true;
    if (!ReadCjcPointGrid(rows, data_, ui, bad, &cjcShown_)) return false;
    cjcEdited_ = false;
    emit changed(CjcPointsChanged | FlagsChanged);
    return true;
}

std::vector<GridRow> LinEditor::cjcRows() {
    cjcShown_ = ShownCjcRows(data_);
    std::vector<GridRow> rows;
    for (const ShownCjcRow& r : cjcShown_) rows.push_back(r.text);
    return rows;
}

// --- approximations -----------------------------------------------------------------

bool LinEditor::approximateLinearization(const std::vector<GridRow>& rows, UserInteraction& ui,
                                         GridCell* bad) {
    approximationView_ = true;
    graphPage_ = GraphPage::Linearization;
    if (!readLinGrid(rows, ui, bad)) return false;
    if (!ProlozLinTab(data_, rangeIndex_, &errors_)) {
        ui.message(MessageKind::Error, tr(kLinTooFewPoints));
        emit changed(ErrorsChanged);
        return false;
    }
    if (!loaded_) unsaved_ = true;
    linPending_ = rtdPending_ = false;
    emit changed(RecordChanged | FlagsChanged | ErrorsChanged);
    return true;
}

bool LinEditor::approximateCjc(const std::vector<GridRow>& rows, UserInteraction& ui,
                               GridCell* bad) {
    approximationView_ = true;
    graphPage_ = GraphPage::Cjc;
    if (!readCjcGrid(rows, ui, bad)) return false;
    if (!ProlozKPoln(data_, &errors_)) {
        ui.message(MessageKind::Error, tr(kCjcTooFewPoints));
        emit changed(ErrorsChanged);
        return false;
    }
    unsaved_ = true;
    cjcPending_ = false;
    emit changed(RecordChanged | FlagsChanged | ErrorsChanged);
    return true;
}

bool LinEditor::readRtdFields(RtdFields& fields, UserInteraction& ui, RtdField* focus) {
    const bool ok = RtdCoeff2LinPom(fields, data_.pom, rangeIndex_, ui, focus);
    if (ok) rtdEdited_ = false;
    emit changed(RtdChanged | FlagsChanged);
    return ok;
}

bool LinEditor::calculateRtd(RtdFields& fields, UserInteraction& ui, RtdField* focus) {
    if (!RtdCoeff2LinPom(fields, data_.pom, rangeIndex_, ui, focus)) return false;
    fields = LinPom2RtdCoeff(data_.pom);
    approximationView_ = true;
    graphPage_ = GraphPage::Linearization;
    rtdEdited_ = false;
    linEdited_ = false;  // the grid now shows the generated points
    if (!RtdCalculate(data_, rangeIndex_, &errors_)) {
        ui.message(MessageKind::Error, tr(kLinTooFewPoints));
        emit changed(AllChanged);
        return false;
    }
    unsaved_ = true;
    rtdPending_ = linPending_ = false;
    emit changed(AllChanged);
    return true;
}

void LinEditor::setStandardRtdConstants() {
    SetStandardRtdConstants(data_.pom, rangeIndex_);
    emit changed(RtdChanged);
}

// --- tables, units, display -----------------------------------------------------------

void LinEditor::clearLinTable() {
    data_.LinPoints.Clear();
    linPending_ = linEdited_ = false;
    emit changed(LinPointsChanged | FlagsChanged);
}

void LinEditor::clearCjcTable() {
    data_.CJCPoints.Clear();
    cjcPending_ = cjcEdited_ = false;
    emit changed(CjcPointsChanged | FlagsChanged);
}

void LinEditor::clearPointTables() {
    data_.LinPoints.Clear();
    data_.CJCPoints.Clear();
    linPending_ = linEdited_ = cjcPending_ = cjcEdited_ = false;
    emit changed(PointsChanged | FlagsChanged);
}

void LinEditor::setDefaultLinearization() {
    Default2LinPom(data_, rangeIndex_, true);
    linPending_ = cjcPending_ = linEdited_ = cjcEdited_ = false;
    unsaved_ = true;
    emit changed(AllChanged);
}

void LinEditor::setPvUnit(int unitCode) {
    if (data_.pom.PvUnit == unitCode) return;
    data_.pom.PvUnit = quint8(unitCode);
    unsaved_ = true;
    emit changed(RecordChanged | FlagsChanged);
}

void LinEditor::setDecimalPlaces(int places) {
    if (data_.pom.DecimalPlaces() == places) return;
    data_.pom.SetDecimalPlaces(places);
    unsaved_ = true;
    emit changed(RecordChanged | FlagsChanged);
}

bool LinEditor::setCjcXUnit(int unit, const std::vector<GridRow>& rows, UserInteraction& ui,
                            GridCell* bad) {
    if (data_.pom.CjcXUnit == unit) return true;
    // Typed values are in the old unit: read them before the unit changes.
    if (!readCjcGrid(rows, ui, bad)) return false;
    data_.pom.CjcXUnit = quint8(unit);
    unsaved_ = true;
    emit changed(CjcPointsChanged | RecordChanged | FlagsChanged);
    return true;
}

bool LinEditor::setSegmentCoefficient(int segment, int power, const QString& text,
                                      UserInteraction& ui) {
    const InputRangeEntry* range = RangeAt(rangeIndex_);
    const std::optional<double> v = ParseDecimal(text);
    if (!range || !range->UsesEditor || !v || segment < 1 || segment > 8 || power < 0 ||
        power > 3) {
        ui.message(MessageKind::Error,
                   tr("Incorrect Format of the Value: ") + tr("linearization table") + '.');
        return false;
    }
    if (data_.pom.LinSegTable[size_t(power)][size_t(segment)] == *v) return true;
    data_.pom.LinSegTable[size_t(power)][size_t(segment)] = *v;
    unsaved_ = linPending_ = true;
    emit changed(RecordChanged | FlagsChanged);
    return true;
}

bool LinEditor::setCjcCoefficient(int power, const QString& text, UserInteraction& ui) {
    const InputRangeEntry* range = RangeAt(rangeIndex_);
    const std::optional<double> v = ParseDecimal(text);
    if (!range || !range->UsesEditor || !v || power < 0 || power > 3) {
        ui.message(MessageKind::Error,
                   tr("Incorrect Format of the Value: ") + tr("CJ Compensation polynomial") + '.');
        return false;
    }
    if (data_.pom.CjcPoly[size_t(power)] == *v) return true;
    data_.pom.CjcPoly[size_t(power)] = *v;
    unsaved_ = true;
    emit changed(RecordChanged | FlagsChanged);
    return true;
}

std::optional<int> LinEditor::addCoordinates(std::vector<GridRow>& rows, int capacity,
                                             QPointF point, UserInteraction& ui) {
    if (int(rows.size()) < capacity) rows.resize(size_t(capacity));
    for (int i = 0; i < capacity; ++i) {
        GridRow& r = rows[size_t(i)];
        if (!r.x.trimmed().isEmpty() || !r.y.trimmed().isEmpty()) continue;
        r = {FieldText(point.x()), FieldText(point.y())};
        return i;
    }
    ui.message(MessageKind::Error, tr("Cannot add point to the table, table is full."));
    return std::nullopt;
}

// --- files ----------------------------------------------------------------------------

bool LinEditor::load(const QString& path, UserInteraction& ui) {
    LinLoadResult r = File2Lin(path, data_, rangeIndex_, ui);
    if (!r.ok) {
        if (!path.isEmpty()) ui.message(MessageKind::Error, r.message);
        return false;
    }
    data_ = r.data;
    unsaved_ = rtdPending_ = false;
    loaded_ = true;
    linPending_ = data_.LinPoints.count > 0;
    cjcPending_ = data_.CJCPoints.count > 0;
    linEdited_ = cjcEdited_ = rtdEdited_ = false;
    emit changed(AllChanged);
    return true;
}

bool LinEditor::checkBeforeSave(const std::vector<GridRow>& linRows,
                                const std::vector<GridRow>& cjcRows, RtdFields* rtdFields,
                                UserInteraction& ui) {
    GridCell bad;
    if (!readLinGrid(linRows, ui, &bad)) {
        ui.message(MessageKind::Error, tr(kLinSaveBadPoints));
        return false;
    }
    if (data_.pom.HasCjc && !readCjcGrid(cjcRows, ui, &bad)) {
        ui.message(MessageKind::Error, tr(kLinSaveBadCjcPoints));
        return false;
    }
    if (data_.pom.HasRtd && rtdFields && !readRtdFields(*rtdFields, ui, nullptr)) {
        ui.message(MessageKind::Error, tr(kLinSaveBadRtd));
        return false;
    }
    return true;
}

bool LinEditor::save(const QString& path, UserInteraction& ui) {
    const LinFileResult r = Lin2File(data_, rangeIndex_, path, ui);
    if (!r.ok) {
        ui.message(MessageKind::Error, r.message);
        return false;
    }
    ui.message(MessageKind::Information, tr(kLinSaved));
    unsaved_ = false;
    emit changed(FlagsChanged);
    return true;
}

}  // namespace lmk17
