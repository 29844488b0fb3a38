#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <optional>
#include <vector>

#include "common/user_interaction.h"
#include "linearization/lin_approximation.h"
#include "linearization/lin_pom.h"
#include "linearization/point_grid.h"
#include "linearization/rtd_characterization.h"

namespace lmk17 {

class ConfigModel;
struct TransmitterConfig;

// The linearization editor without its window: the working record and the
// two point tables, the editor's flags and grid marks, and every command of
// the editor as a routine that asks and tells through UserInteraction. The
// window shows this state, hands over the texts of its grids and fields, and
// redraws on changed(). It lives as long as the program (the stack owns it;
// the window borrows it), so the point tables survive from one editor
// session to the next, until cleared, loaded over, cancelled, or the
// configuration they were made for is replaced (a read, a load, the defaults,
// another range).
class LinEditor : public QObject {
    Q_OBJECT

public:
    // What changed, for changed(): redraw only what is affected.
    enum Change : int {
        LinPointsChanged = 0x01,  // LinPoints (the point grid is shown again)
        CjcPointsChanged = 0x10,  // CJCPoints (the CJ grid is shown again)
        PointsChanged = LinPointsChanged | CjcPointsChanged,
        RecordChanged = 0x02,  // LinPom: limits, units, display choice, tables, RTD values
        FlagsChanged = 0x04,   // unsaved / pending flags, grid marks
        ErrorsChanged = 0x08,  // the last approximation's errors
        RtdChanged = 0x20,     // the RTD values (the sensor fields are shown again)
        AllChanged = 0x3f,
    };

    // Which approximation the graph window shows.
    enum class GraphPage { Linearization, Cjc };

    // What OK (or Save) leads to after its questions.
    enum class OkStep {
        Close,           // commit and close
        ApproximateLin,  // run the linearization approximation, stay open
        ApproximateCjc,  // run the CJ approximation, stay open
        CalculateRtd,    // run the RTD calculation, stay open
        KeepOpen,        // the display range question was answered Yes
        Save,            // run the save command, stay open
    };

    explicit LinEditor(QObject* parent = nullptr);

    // --- state ---
    const LinData& data() const { return data_; }
    const LinPom& pom() const { return data_.pom; }
    int rangeIndex() const { return rangeIndex_; }
    bool unsavedChanges() const { return unsaved_; }       // UnsavedChanges
    bool linPointsPending() const { return linPending_; }  // LinPointsPending
    bool cjcPointsPending() const { return cjcPending_; }  // CjcPointsPending
    bool rtdPending() const { return rtdPending_; }        // RtdPending
    bool loadedFromFile() const { return loaded_; }        // LoadedFromFile
    bool linGridEdited() const { return linEdited_; }
    bool cjcGridEdited() const { return cjcEdited_; }
    bool rtdFieldsEdited() const { return rtdEdited_; }

    // The last approximation (for the graph window) and its view.
    const ApproximationErrors& errors() const { return errors_; }
    bool approximationView() const { return approximationView_; }  // ApproximationView
    GraphPage graphPage() const { return graphPage_; }
    // The graph menu: plain view of the page (ApproximationView cleared).
    void showPlainGraph(GraphPage page);

    // --- opening and closing ---
    // Opening (from the configuration's Linearization button): the record's
    // linearization becomes the working record, flags and marks are cleared,
    // and the state is kept for Cancel. On another range than the last one
    // the point tables start empty (their X values belong to that range).
    void open(const TransmitterConfig& config, int rangeIndex);
    // The same on the configuration that stands; false (nothing opened) when
    // its selected range takes no customer linearization. From then on the
    // point tables follow that configuration: when it is read, loaded, set to
    // its defaults or given another range, they are emptied.
    bool open(const ConfigModel& model);
    // The questions of OK in their order (pending approximations, display
    // range, unsaved changes). Close means: commit() and close.
    OkStep okStep(UserInteraction& ui);
    // Copies the working record into the configuration; true when the
    // configuration counts as modified.
    bool commit(TransmitterConfig& config) const;
    // OK on the configuration that stands: the commit, the configuration
    // marked unsaved when it changed, and shown again with the new limits
    // and units.
    void commit(ConfigModel& model) const;
    // Cancel, Esc or the close box: asks when there are unsaved changes; on
    // leaving, the working record returns to its state at opening (it is not
    // committed) and both point tables are emptied. False when the user chose
    // to stay.
    bool cancel(UserInteraction& ui);

    // --- grid and field edits ---
    void markLinGridEdited();  // a changed cell of the point grid
    void markCjcGridEdited();  // a changed cell of the CJ grid
    void markRtdEdited();      // a changed RTD field

    // Reads the point grid (StrGrd2PoleLnTb) when `force` or when it was
    // edited. On failure the message was shown and `bad` names the cell.
    bool readLinGrid(const std::vector<GridRow>& rows, UserInteraction& ui, GridCell* bad,
                     bool force = false);
    // Reads the CJ grid (StrGrd2PoleKPoln) likewise; cells unchanged since
    // cjcRows() showed them keep their stored values.
    bool readCjcGrid(const std::vector<GridRow>& rows, UserInteraction& ui, GridCell* bad,
                     bool force = false);
    // The rows the grids show now; cjcRows() remembers them for readCjcGrid.
    std::vector<GridRow> linRows() const { return LinPointRows(data_); }
    std::vector<GridRow> cjcRows();

    // --- commands ---
    // Linearization approximation: reads the grid if edited, fits, records
    // the errors. True when the graph window should open.
    bool approximateLinearization(const std::vector<GridRow>& rows, UserInteraction& ui,
                                  GridCell* bad);
    // CJ approximation (ProlozKPoln) likewise.
    bool approximateCjc(const std::vector<GridRow>& rows, UserInteraction& ui, GridCell* bad);
    // "Calculate Linearization according to Constants": validates the fields
    // (shown back through `fields`), generates the points and approximates.
    bool calculateRtd(RtdFields& fields, UserInteraction& ui, RtdField* focus);
    // Reads the RTD fields into the record (on leaving a field).
    bool readRtdFields(RtdFields& fields, UserInteraction& ui, RtdField* focus);
    // "Default Constants (IEC 751/A2)".
    void setStandardRtdConstants();

    // Empties a point table and its pending flag.
    void clearLinTable();
    void clearCjcTable();
    // The tables belong to the configuration they were made for: a read, a
    // load, the defaults and another range of the configuration empty both.
    void clearPointTables();
    // "Set Default Linearization" (Default2LinPom with the editor reset).
    void setDefaultLinearization();

    // Unit and display choices; each sets UnsavedChanges when it differs.
    void setPvUnit(int unitCode);
    void setDecimalPlaces(int places);
    // The CJ unit: an edited CJ grid is read in the old unit first; false,
    // keeping the old unit, when that read fails.
    bool setCjcXUnit(int unit, const std::vector<GridRow>& rows, UserInteraction& ui,
                     GridCell* bad);

    // A segment-table cell (segment 1..8, power 0..3) or CJ coefficient
    // (power 0..3) of the detail page; false after the format message.
    bool setSegmentCoefficient(int segment, int power, const QString& text, UserInteraction& ui);
    bool setCjcCoefficient(int power, const QString& text, UserInteraction& ui);

    // "Add Coordinates to the Table": writes the point into the first row of
    // `rows` (`capacity` rows in all) whose X and Y are both empty, or shows
    // "Cannot add point to the table, table is full.". Returns the row index.
    static std::optional<int> addCoordinates(std::vector<GridRow>& rows, int capacity,
                                             QPointF point, UserInteraction& ui);

    // File2Lin. False after showing the error.
    bool load(const QString& path, UserInteraction& ui);
    // Before saving: the pending questions (Yes gives the action to run
    // instead of saving, else Close means: go on), then the grids and the RTD
    // fields must read; false after the refusal was shown.
    OkStep pendingStep(UserInteraction& ui);
    bool checkBeforeSave(const std::vector<GridRow>& linRows, const std::vector<GridRow>& cjcRows,
                         RtdFields* rtdFields, UserInteraction& ui);
    // Lin2File and its message. True when saved.
    bool save(const QString& path, UserInteraction& ui);

    // The display range question's condition and the texts shared with tests.
    static QString pendingLinQuestion();
    static QString pendingCjcQuestion();
    static QString pendingRtdQuestion();
    static QString displayRangeQuestion();
    static QString saveQuestion();
    static QString cancelQuestion();

signals:
    void changed(int what);

private:
    LinData data_;
    LinData atOpen_;
    int rangeIndex_ = 0;
    int openedRange_ = -1;                  // the range the point tables belong to (none yet)
    QPointer<const ConfigModel> followed_;  // the configuration the tables belong to
    bool unsaved_ = false;
    bool linPending_ = false;
    bool cjcPending_ = false;
    bool rtdPending_ = false;
    bool loaded_ = false;
    bool linEdited_ = false;
    bool cjcEdited_ = false;
    bool rtdEdited_ = false;
    bool approximationView_ = false;
    GraphPage graphPage_ = GraphPage::Linearization;
    ApproximationErrors errors_;
    std::vector<ShownCjcRow> cjcShown_;

    void emitIf(int what) {
        if (what) emit changed(what);
    }
};

}  // namespace lmk17
