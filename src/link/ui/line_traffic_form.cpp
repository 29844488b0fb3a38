#include "link/ui/line_traffic_form.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "link/transaction_engine.h"

namespace lmk17 {

namespace {

// The verdict in the user's language; the saved and copied text keeps the
// trace's own words, as the command line writes them.
QString verdictText(TraceVerdict verdict) {
    switch (verdict) {
        case TraceVerdict::Request:
            return TLineTrafficForm::tr("request");
        case TraceVerdict::Repeat:
            return TLineTrafficForm::tr("repeat");
        case TraceVerdict::Answer:
            return TLineTrafficForm::tr("answer");
        case TraceVerdict::EchoDropped:
            return TLineTrafficForm::tr("echo dropped");
        case TraceVerdict::NoiseDropped:
            return TLineTrafficForm::tr("noise dropped");
        case TraceVerdict::Misshapen:
            return TLineTrafficForm::tr("misshapen");
        case TraceVerdict::Late:
            return TLineTrafficForm::tr("late");
        case TraceVerdict::Timeout:
            return TLineTrafficForm::tr("time-out");
    }
    return {};
}

}  // namespace

// The listed entries: the window only shows them, cut to the trace's capacity.
class TraceTableModel : public QAbstractTableModel {
public:
    TraceTableModel(int capacity, QObject* parent)
        : QAbstractTableModel(parent), capacity_(capacity) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kTraceColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || size_t(index.row()) >= rows_.size()) return {};
        const TraceEntry& entry = rows_[size_t(index.row())];
        if (role == Qt::DisplayRole && index.column() == TraceVerdictColumn)
            return verdictText(entry.verdict);
        if (role == Qt::DisplayRole) return TraceCell(entry, index.column());
        // The whole line, for cells cut at the column's edge.
        if (role == Qt::ToolTipRole) return TraceLine(entry);
        if (role == Qt::TextAlignmentRole && index.column() == TraceTime)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
        switch (section) {
            case TraceTime:
                return TLineTrafficForm::tr("Time (ms)");
            case TraceDirection:
                return TLineTrafficForm::tr("Direction");
            case TraceBytes:
                return TLineTrafficForm::tr("Bytes");
            case TraceDecoded:
                return TLineTrafficForm::tr("Decoded");
            case TraceVerdictColumn:
                return TLineTrafficForm::tr("Verdict");
        }
        return {};
    }

    void append(std::vector<TraceEntry> entries) {
        if (entries.empty()) return;
        const int first = int(rows_.size());
        beginInsertRows({}, first, first + int(entries.size()) - 1);
        rows_.insert(rows_.end(), std::make_move_iterator(entries.begin()),
                     std::make_move_iterator(entries.end()));
        endInsertRows();
        const int extra = int(rows_.size()) - capacity_;
        if (extra > 0) {
            beginRemoveRows({}, 0, extra - 1);
            rows_.erase(rows_.begin(), rows_.begin() + extra);
            endRemoveRows();
        }
    }
    void reset(std::vector<TraceEntry> entries) {
        beginResetModel();
        rows_ = std::move(entries);
        if (int(rows_.size()) > capacity_) rows_.erase(rows_.begin(), rows_.end() - capacity_);
        endResetModel();
    }
    const std::vector<TraceEntry>& rows() const { return rows_; }

private:
    int capacity_;
    std::vector<TraceEntry> rows_;
};

TLineTrafficForm::TLineTrafficForm(TransactionEngine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window),
      engine_(&engine),
      reader_(trace_),
      model_(new TraceTableModel(trace_.capacity(), this)),
      list_(new QTableView(this)),
      pauseBtn_(new QPushButton(tr("Pause"), this)),
      clearBtn_(new QPushButton(tr("Clear"), this)),
      copyBtn_(new QPushButton(tr("Copy"), this)),
      saveBtn_(new QPushButton(tr("Save as Text…"), this)),
      closeBtn_(new QPushButton(tr("Close"), this)),
      addressCB_(new QComboBox(this)),
      parameterEdt_(new QSpinBox(this)),
      verdictCB_(new QComboBox(this)),
      stateLbl_(new QLabel(this)) {
    setObjectName(QStringLiteral("LineTrafficForm"));
    setWindowTitle(tr("Line Traffic"));

    list_->setObjectName(QStringLiteral("TrafficList"));
    list_->setAccessibleName(tr("Frames on the line"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics fm(list_->font());
    list_->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    list_->setColumnWidth(TraceTime, fm.horizontalAdvance(QStringLiteral("000000000")));
    list_->setColumnWidth(TraceDirection, fm.horizontalAdvance(QStringLiteral("PC>TXXX")));
    list_->setColumnWidth(TraceBytes, fm.horizontalAdvance(QString(42, QLatin1Char('0'))));
    list_->setColumnWidth(TraceDecoded, fm.horizontalAdvance(QString(44, QLatin1Char('0'))));
    // Never narrower than the column's title.
    for (int c = 0; c < kTraceColumnCount; ++c)
        list_->setColumnWidth(
            c, std::max(list_->columnWidth(c), list_->horizontalHeader()->sectionSizeHint(c)));

    pauseBtn_->setObjectName(QStringLiteral("PauseBtn"));
    pauseBtn_->setCheckable(true);
    pauseBtn_->setToolTip(tr(" Stop the list while the line goes on; the frames are kept "));
    clearBtn_->setObjectName(QStringLiteral("ClearBtn"));
    copyBtn_->setObjectName(QStringLiteral("CopyBtn"));
    copyBtn_->setToolTip(
        tr(" Copy the selected lines, or all listed lines when none is selected "));
    saveBtn_->setObjectName(QStringLiteral("SaveBtn"));
    closeBtn_->setObjectName(QStringLiteral("CloseBtn"));

    addressCB_->setObjectName(QStringLiteral("AddressCmBx"));
    addressCB_->setAccessibleName(tr("Filter by address"));
    addressCB_->addItem(tr("All addresses"), -1);
    for (int a = 0; a <= 31; ++a) addressCB_->addItem(QString::number(a), a);
    parameterEdt_->setObjectName(QStringLiteral("ParameterEdt"));
    parameterEdt_->setAccessibleName(tr("Filter by parameter"));
    parameterEdt_->setRange(-1, 999);
    parameterEdt_->setValue(-1);
    parameterEdt_->setSpecialValueText(tr("All parameters"));
    parameterEdt_->setPrefix(QStringLiteral("P"));
    // The spin box's own hint leaves its "all" text a couple of pixels short.
    parameterEdt_->setMinimumWidth(parameterEdt_->sizeHint().width() +
                                   parameterEdt_->fontMetrics().averageCharWidth());
    verdictCB_->setObjectName(QStringLiteral("VerdictCmBx"));
    verdictCB_->setAccessibleName(tr("Filter by verdict"));
    verdictCB_->addItem(tr("All verdicts"), -1);
    for (const TraceVerdict v : TraceVerdicts()) verdictCB_->addItem(verdictText(v), int(v));
    stateLbl_->setObjectName(QStringLiteral("StateLbl"));

    auto* filters = new QHBoxLayout;
    auto* addressLbl = new QLabel(tr("&Address:"), this);
    addressLbl->setBuddy(addressCB_);
    auto* parameterLbl = new QLabel(tr("P&arameter:"), this);
    parameterLbl->setBuddy(parameterEdt_);
    auto* verdictLbl = new QLabel(tr("&Verdict:"), this);
    verdictLbl->setBuddy(verdictCB_);
    filters->addWidget(addressLbl);
    filters->addWidget(addressCB_);
    filters->addSpacing(8);
    filters->addWidget(parameterLbl);
    filters->addWidget(parameterEdt_);
    filters->addSpacing(8);
    filters->addWidget(verdictLbl);
    filters->addWidget(verdictCB_);
    filters->addStretch(1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {pauseBtn_, clearBtn_, copyBtn_, saveBtn_}) buttons->addWidget(b);
    buttons->addWidget(stateLbl_, 1);
    buttons->addWidget(closeBtn_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    // Room for the list, never less than the controls need in any language.
    setMinimumSize(layout->minimumSize().expandedTo(QSize(480, 240)));
    resize(900, 420);

    drawTimer_.setInterval(kDrawIntervalMs);
    connect(&drawTimer_, &QTimer::timeout, this, &TLineTrafficForm::refresh);
    connect(pauseBtn_, &QPushButton::toggled, this, &TLineTrafficForm::PauseBtnClick);
    connect(clearBtn_, &QPushButton::clicked, this, &TLineTrafficForm::ClearBtnClick);
    connect(copyBtn_, &QPushButton::clicked, this, &TLineTrafficForm::CopyBtnClick);
    connect(saveBtn_, &QPushButton::clicked, this, &TLineTrafficForm::SaveBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QWidget::close);
    connect(addressCB_, &QComboBox::currentIndexChanged, this, &TLineTrafficForm::FilterChange);
    connect(parameterEdt_, &QSpinBox::valueChanged, this, &TLineTrafficForm::FilterChange);
    connect(verdictCB_, &QComboBox::currentIndexChanged, this, &TLineTrafficForm::FilterChange);
    showState();
}

TLineTrafficForm::~TLineTrafficForm() {
    detach();
}

void TLineTrafficForm::detach() {
    if (engine_ && engine_->trace() == &trace_) engine_->setTrace(nullptr);
}

const std::vector<TraceEntry>& TLineTrafficForm::shownEntries() const {
    return model_->rows();
}

TraceFilter TLineTrafficForm::filter() const {
    TraceFilter f;
    if (const int a = addressCB_->currentData().toInt(); a >= 0) f.address = a;
    if (const int p = parameterEdt_->value(); p >= 0) f.parameter = p;
    if (const int v = verdictCB_->currentData().toInt(); v >= 0) f.verdict = TraceVerdict(v);
    return f;
}

void TLineTrafficForm::refresh() {
    if (pauseBtn_->isChecked()) return;
    QScrollBar* bar = list_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    model_->append(reader_.takeNew(filter()));
    if (atEnd) list_->scrollToBottom();
    showState();
}

void TLineTrafficForm::showEvent(QShowEvent* event) {
    // Listening starts with the window.
    if (engine_) engine_->setTrace(&trace_);
    drawTimer_.start();
    QWidget::showEvent(event);
}

void TLineTrafficForm::hideEvent(QHideEvent* event) {
    drawTimer_.stop();
    detach();
    refresh();
    QWidget::hideEvent(event);
}

void TLineTrafficForm::PauseBtnClick(bool paused) {
    // The trace goes on filling its buffer; what came meanwhile is listed
    // on resuming.
    pauseBtn_->setText(paused ? tr("Resume") : tr("Pause"));
    if (!paused) refresh();
    showState();
}

void TLineTrafficForm::ClearBtnClick() {
    trace_.clear();
    reader_.restart();
    model_->reset({});
    showState();
}

void TLineTrafficForm::FilterChange() {
    model_->reset(reader_.takeAll(filter()));
    list_->scrollToBottom();
    showState();
}

void TLineTrafficForm::CopyBtnClick() {
    std::vector<TraceEntry> chosen;
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        chosen = model_->rows();
    } else {
        std::vector<int> numbers;
        for (const QModelIndex& i : rows) numbers.push_back(i.row());
        std::sort(numbers.begin(), numbers.end());
        for (const int n : numbers) chosen.push_back(model_->rows()[size_t(n)]);
    }
    QApplication::clipboard()->setText(TraceText(chosen));
}

void TLineTrafficForm::SaveBtnClick() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Line Traffic"), QString(),
                                                      tr("Text Files (*.txt);;All Files (*)"));
    if (!path.isEmpty()) saveText(path);
}

bool TLineTrafficForm::saveText(const QString& path) {
    const SafeSaveResult r = SaveTraceText(path, model_->rows());
    if (!r.saved()) QMessageBox::warning(this, windowTitle(), SaveFailedText(path, r.reason));
    return r.saved();
}

void TLineTrafficForm::showState() {
    QString text = tr("Frames listed: %1").arg(model_->rows().size());
    if (pauseBtn_->isChecked()) text = tr("Paused: %1").arg(text);
    if (reader_.missed() > 0)
        text += tr("; %1 not listed (more than the buffer holds)").arg(reader_.missed());
    stateLbl_->setText(text);
}

}  // namespace lmk17
