// The pages and the menu of the linearization editor, and how they show the
// editor's state.
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/ui/accessible_name.h"
#include "common/ui/plot_view.h"
#include "config/catalogue.h"
#include "linearization/lin_graph_series.h"
#include "linearization/lin_text.h"
#include "linearization/ui/linear_form.h"
#include "linearization/ui/point_grid_widget.h"

namespace lmk17 {

namespace {

QLineEdit* ShownField(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QLineEdit* Field(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000000000")) + 12);
    return e;
}

QPushButton* Button(const QString& text, QWidget* parent, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

// The X and Y headers of a point grid.
void SetHeaders(PointGridWidget* grid, const QString& x, const QString& y) {
    grid->setHorizontalHeaderLabels(
        {QStringLiteral(" X [%1]").arg(x), QStringLiteral(" Y [%1]").arg(y.left(8).trimmed())});
}

}  // namespace

void TLinearForm::buildMenu(QMenuBar* bar) {
    QMenu* file = bar->addMenu(tr("&File"));
    file->addAction(tr("&Load the Linearization Parameters"), this, &TLinearForm::LoadMnuClick);
    file->addAction(tr("&Save the Linearization Parameters"), this, &TLinearForm::SaveMnuClick);
    file->addSeparator();
    printMnus_ << file->addAction(tr("Printer Set&up"), this, &TLinearForm::printerSetupRequested);
    printMnus_ << file->addAction(tr("&Print the Linearization Parameters"), this,
                                  &TLinearForm::printRequested);
    printMnus_ << file->addAction(tr("&Export the Linearization Parameters as PDF…"), this,
                                  &TLinearForm::exportPdfRequested);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->addAction(tr("Edit the &Linear Table"), this,
                    [this] { pages_->setCurrentWidget(linPage_); });
    cjcEditMnu_ = edit->addAction(tr("Edit the Cold &Junction Compensation"), this,
                                  [this] { pages_->setCurrentWidget(cjcPage_); });
    rtdEditMnu_ = edit->addAction(tr("Edit the &Sensor-Specific Characterization"), this,
                                  [this] { pages_->setCurrentWidget(rtdPage_); });
    edit->addSeparator();
    edit->addAction(tr("&Clear the Table for Linearization"), this, &TLinearForm::LinClearMnuClick);
    cjcMnus_ << edit->addAction(tr("Clear the Table for Cold Junction C&ompensation"), this,
                                &TLinearForm::CjcClearMnuClick);
    edit->addSeparator();
    edit->addAction(tr("Set &Default Linearization"), this, &TLinearForm::DefaultLinMnuClick);
    cjcMnus_ << edit->addAction(tr("Set Default Linearization &and CJ Compensation"), this,
                                &TLinearForm::DefaultLinMnuClick);
    cjcMnus_ << cjcEditMnu_;

    QMenu* approx = bar->addMenu(tr("&Approximation"));
    approx->addAction(tr("&Linearization"), this, &TLinearForm::LinApproxBtnClick);
    cjcMnus_ << approx->addAction(tr("&Cold Junction Compensation"), this,
                                  &TLinearForm::CjcApproxBtnClick);

    QMenu* graph = bar->addMenu(tr("&Graph"));
    graph->addAction(tr("&Linearization"), this, &TLinearForm::GraphLinMnuClick)
        ->setObjectName(QStringLiteral("GraphLinMnu"));
    cjcMnus_ << graph->addAction(tr("&Cold Junction Compensation"), this,
                                 &TLinearForm::GraphCjcMnuClick);
    cjcMnus_.back()->setObjectName(QStringLiteral("GraphCjcMnu"));

    QMenu* help = bar->addMenu(tr("&Help"));
    // F1 opens the editor's own help topic (keyPressEvent).
    QAction* contents = help->addAction(tr("&Contents"), this, &TLinearForm::helpContentsRequested);
    QAction* index = help->addAction(tr("&Index"), this, &TLinearForm::helpIndexRequested);
    index->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    helpMnus_ << contents << index;
}

QWidget* TLinearForm::buildLinPage() {
    auto* page = new QWidget;
    LnTStrGrd = new PointGridWidget(LinPointTable::kCapacity, 2, page);
    LnTStrGrd->setObjectName(QStringLiteral("LnTStrGrd"));
    LnTStrGrd->setMinimumWidth(230);
    LnTStrGrd->setAccessibleName(NameFromLabel(tr(" Linearization ")));
    linPlot_ = new PlotView(page);
    linPlot_->setObjectName(QStringLiteral("LinPlot"));
    linPoints_ = linPlot_->addSeries({Qt::red, false, PlotView::Symbol::Circle, {6, 6}});
    linPlot_->setMinimumSize(360, 260);

    XStartEdt = ShownField(page, "XStartEdt");
    XEndEdt = ShownField(page, "XEndEdt");
    YStartEdt = ShownField(page, "YStartEdt");
    YEndEdt = ShownField(page, "YEndEdt");
    XUnitLbl = new QLabel(page);
    XUnitLbl->setObjectName(QStringLiteral("XUnitLbl"));
    JednCB = new QComboBox(page);
    JednCB->setObjectName(QStringLiteral("JednCB"));
    for (int slot = 0; slot < 256 && !UnitSlot(slot).Symbol.isEmpty(); ++slot)
        JednCB->addItem(QLatin1Char(' ') + UnitSlot(slot).Symbol, UnitSlot(slot).Code);
    JednCB->setMaxVisibleItems(20);
    connect(JednCB, &QComboBox::activated, this, &TLinearForm::JednCBChange);

    auto* limits = new QFormLayout;
    limits->addRow(tr("Start of X :"), XStartEdt);
    limits->addRow(tr("End of X :"), XEndEdt);
    limits->addRow(tr("Start of Y :"), YStartEdt);
    limits->addRow(tr("End of Y :"), YEndEdt);
    limits->addRow(tr("Units of  X : "), XUnitLbl);
    limits->addRow(tr("Units of Y :"), JednCB);

    auto* display = new QGroupBox(tr("Display Configuration"), page);
    auto* displayLayout = new QVBoxLayout(display);
    displayRG_ = new QButtonGroup(this);
    const QString names[3] = {tr(" None Decimal Place"), tr(" 1 Decimal Place"),
                              tr(" 2 Decimal Places")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(names[i], display);
        r->setObjectName(QStringLiteral("DisplayRBtn%1").arg(i));
        displayRG_->addButton(r, i);
        displayLayout->addWidget(r);
    }
    connect(displayRG_, &QButtonGroup::idClicked, this, &TLinearForm::DisplayRGClick);

    auto* approx = Button(tr("Linearization Approximation"), page, "LinApproxBtn");
    auto* clear = Button(tr("Clear Table"), page, "LinClearBtn");
    connect(approx, &QPushButton::clicked, this, &TLinearForm::LinApproxBtnClick);
    connect(clear, &QPushButton::clicked, this, &TLinearForm::LinClearBtnClick);

    auto* side = new QVBoxLayout;
    side->addLayout(limits);
    side->addWidget(display);
    side->addStretch();
    side->addWidget(approx);
    side->addWidget(clear);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(LnTStrGrd);
    layout->addWidget(linPlot_, 1);
    layout->addLayout(side);
    connect(LnTStrGrd, &PointGridWidget::cellEdited, &editor_, &LinEditor::markLinGridEdited);
    connect(linPlot_, &PlotView::rightReleased, this,
            [this](const QPoint& g, const QPointF& d) { showPlotPopup(g, d, false); });
    return page;
}

QWidget* TLinearForm::buildCjcPage() {
    auto* page = new QWidget;
    auto* units = new QGroupBox(tr("Units of the X-Values: "), page);
    auto* unitsLayout = new QHBoxLayout(units);
    cjcUnitRG_ = new QButtonGroup(this);
    const QString names[2] = {QStringLiteral("  °C"), QStringLiteral("  Ohm")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(names[i], units);
        r->setObjectName(QStringLiteral("CjcUnitRBtn%1").arg(i));
        cjcUnitRG_->addButton(r, i);
        unitsLayout->addWidget(r);
    }
    connect(cjcUnitRG_, &QButtonGroup::idClicked, this, &TLinearForm::CjcUnitRGClick);

    KPStrGrd = new PointGridWidget(CjcPointTable::kCapacity, 2, page);
    KPStrGrd->setObjectName(QStringLiteral("KPStrGrd"));
    KPStrGrd->setMinimumWidth(230);
    KPStrGrd->setAccessibleName(NameFromLabel(tr("Cold Junction Compensation")));
    cjcPlot_ = new PlotView(page);
    cjcPlot_->setObjectName(QStringLiteral("CjcPlot"));
    cjcPoints_ = cjcPlot_->addSeries({Qt::red, false, PlotView::Symbol::Circle, {6, 6}});
    cjcPlot_->setGridVisible(Qt::Horizontal, false);

    auto* approx = Button(tr("CJ Compensation Approximate"), page, "CjcApproxBtn");
    auto* clear = Button(tr("Clear Table"), page, "CjcClearBtn");
    connect(approx, &QPushButton::clicked, this, &TLinearForm::CjcApproxBtnClick);
    connect(clear, &QPushButton::clicked, this, &TLinearForm::CjcClearBtnClick);

    auto* side = new QVBoxLayout;
    side->addWidget(units);
    side->addStretch();
    side->addWidget(approx);
    side->addWidget(clear);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(KPStrGrd);
    layout->addWidget(cjcPlot_, 1);
    layout->addLayout(side);
    connect(KPStrGrd, &PointGridWidget::cellEdited, &editor_, &LinEditor::markCjcGridEdited);
    connect(cjcPlot_, &PlotView::rightReleased, this,
            [this](const QPoint& g, const QPointF& d) { showPlotPopup(g, d, false); });
    return page;
}

QWidget* TLinearForm::buildRtdPage() {
    auto* page = new QWidget;
    rtdPages_ = new QTabWidget(page);
    rtdPages_->setObjectName(QStringLiteral("RtdPages"));

    auto* constants = new QWidget;
    RtdAEdt = Field(constants, "RtdAEdt");
    RtdBEdt = Field(constants, "RtdBEdt");
    RtdCEdt = Field(constants, "RtdCEdt");
    RtdR0Edt = Field(constants, "RtdR0Edt");
    auto* constForm = new QFormLayout;
    constForm->addRow(QStringLiteral("A ="), RtdAEdt);
    constForm->addRow(QStringLiteral("B ="), RtdBEdt);
    constForm->addRow(QStringLiteral("C ="), RtdCEdt);
    constForm->addRow(QStringLiteral("R0 ="), RtdR0Edt);
    auto* normBtn = Button(tr("Default Constants (IEC 751/A2)"), constants, "Rtpol_NormaBtn");
    connect(normBtn, &QPushButton::clicked, this, [this] {
        editor_.setStandardRtdConstants();  // Rtpol_NormaBtnClick
        rtdPages_->setCurrentIndex(0);
    });
    auto* constLayout = new QVBoxLayout(constants);
    constLayout->addWidget(new QLabel(tr("for -200 °C to 0 °C:") + QLatin1Char(' ') +
                                      tr("Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] ")));
    constLayout->addWidget(new QLabel(tr("for 0 °C to 850 °C:") + QLatin1Char(' ') +
                                      tr("Rt = R0 * (1 + A*t + B*t^2)")));
    constForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    constLayout->addLayout(constForm);
    constLayout->addWidget(normBtn, 0, Qt::AlignLeft);
    constLayout->addStretch();
    rtdPages_->addTab(constants, tr("Sensor-Specific Constants according to IEC 751/A2 "));

    auto* onePoint = new QWidget;
    OnePointR0RBtn = new QRadioButton(tr("Resistance at Temperature 0°C:"), onePoint);
    OnePointR0RBtn->setObjectName(QStringLiteral("OnePointR0RBtn"));
    OnePointT1RBtn = new QRadioButton(tr("Resistance at Temperature T1:"), onePoint);
    OnePointT1RBtn->setObjectName(QStringLiteral("OnePointT1RBtn"));
    OnePointR0Edt = Field(onePoint, "OnePointR0Edt");
    RT1Edt = Field(onePoint, "RT1Edt");
    T1Edt = Field(onePoint, "T1Edt");
    const auto enableOnePoint = [this] {
        const bool r0 = OnePointR0RBtn->isChecked();
        OnePointR0Edt->setEnabled(r0);
        RT1Edt->setEnabled(!r0);
        T1Edt->setEnabled(!r0);
    };
    connect(OnePointR0RBtn, &QRadioButton::toggled, this, enableOnePoint);
    auto* one = new QGridLayout(onePoint);
    // Each edit is named after its symbol and the choice it belongs to.
    const auto row = [&](int at, QRadioButton* choice, const QString& symbol, QLineEdit* edit) {
        if (choice) one->addWidget(choice, at, 0);
        auto* label = new QLabel(symbol, onePoint);
        NameAfterLabel(edit, label, (choice ? choice : OnePointT1RBtn)->text());
        one->addWidget(label, at, 1);
        one->addWidget(edit, at, 2);
    };
    row(0, OnePointR0RBtn, QStringLiteral("R0 [Ohm] ="), OnePointR0Edt);
    row(1, OnePointT1RBtn, QStringLiteral("Rt [Ohm] ="), RT1Edt);
    row(2, nullptr, QStringLiteral("T1 [°C] ="), T1Edt);
    one->setRowStretch(3, 1);
    one->setColumnStretch(3, 1);
    rtdPages_->addTab(onePoint, tr("One-Point Calibration according to IEC 751/A2 "));
    connect(rtdPages_, &QTabWidget::currentChanged, &editor_, &LinEditor::markRtdEdited);
    connect(OnePointR0RBtn, &QRadioButton::clicked, &editor_, &LinEditor::markRtdEdited);
    connect(OnePointT1RBtn, &QRadioButton::clicked, &editor_, &LinEditor::markRtdEdited);

    auto* calc = Button(tr("Calculate Linearization according to Constants"), page, "RtdCalcBtn");
    connect(calc, &QPushButton::clicked, this, &TLinearForm::RtdCalcBtnClick);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(rtdPages_, 1);
    layout->addWidget(calc, 0, Qt::AlignLeft);
    return page;
}

QWidget* TLinearForm::buildDetailPage() {
    auto* page = new QWidget;
    DetailSG = new PointGridWidget(8, 4, page);
    DetailSG->setObjectName(QStringLiteral("DetailSG"));
    DetailSG->setHorizontalHeaderLabels({QStringLiteral("u^3"), QStringLiteral("u^2"),
                                         QStringLiteral("u^1"), QStringLiteral("u^0")});
    connect(DetailSG, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (!isVisible() || it->text().trimmed().isEmpty()) return;
        if (!editor_.setSegmentCoefficient(it->row() + 1, 3 - it->column(), it->text(), *ui_))
            refreshDetailPage();
    });
    auto* poly = new QHBoxLayout;
    const char* labels[4] = {"Y [V] =", "X^3 +", "X^2 +", "X +"};
    for (int i = 0; i < 4; ++i) {
        poly->addWidget(new QLabel(tr(labels[i]), page));
        cjcCoefEdt_[i] = Field(page, "CjcCoefEdt");
        poly->addWidget(cjcCoefEdt_[i]);
        // A, B, C, D: the coefficients of X^3 .. X^0.
        connect(cjcCoefEdt_[i], &QLineEdit::editingFinished, this, [this, i] {
            if (!editor_.setCjcCoefficient(3 - i, cjcCoefEdt_[i]->text(), *ui_))
                refreshDetailPage();
        });
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(DetailSG, 1);
    layout->addLayout(poly);
    return page;
}

// --- showing the editor's state ------------------------------------------------------

void TLinearForm::refreshLinPage(bool rows) {
    const LinPom& pom = editor_.pom();
    const int range = editor_.rangeIndex();
    const InputRangeEntry* entry = RangeAt(range);
    const QString xUnit = entry ? UnitSymbol(entry->EditorUnit) : QString();
    const QString pvUnit = UnitSymbol(pom.PvUnit);
    if (rows) LnTStrGrd->setRows(editor_.linRows());
    SetHeaders(LnTStrGrd, xUnit, pvUnit);
    XStartEdt->setText(FieldText(InternalToInput(range, pom.XStart())));
    XEndEdt->setText(FieldText(InternalToInput(range, pom.XEnd())));
    YStartEdt->setText(FieldText(pom.YStart()));
    YEndEdt->setText(FieldText(pom.YEnd()));
    XUnitLbl->setText(xUnit);
    QStringList entries;
    for (int i = 0; i < JednCB->count(); ++i) entries << JednCB->itemText(i);
    JednCB->setCurrentIndex(UnitListPosition(entries, pvUnit));
    displayRG_->button(pom.DecimalPlaces())->setChecked(true);
    refreshLinPlot();
}

void TLinearForm::refreshLinPlot() {
    const LinPom& pom = editor_.pom();
    const int range = editor_.rangeIndex();
    linPlot_->setPoints(linPoints_, LinPointSeries(editor_.data()));
    linPlot_->setRange(Qt::Horizontal, InternalToInput(range, pom.XStart()),
                       InternalToInput(range, pom.XEnd()));
    linPlot_->setRange(Qt::Vertical, pom.YStart(), pom.YEnd());
}

void TLinearForm::refreshCjcPage(bool rows) {
    const LinPom& pom = editor_.pom();
    if (rows) KPStrGrd->setRows(editor_.cjcRows());
    SetHeaders(KPStrGrd, pom.CjcXUnit == 1 ? QStringLiteral("Ohm") : QStringLiteral("°C"),
               QStringLiteral("mV"));
    cjcUnitRG_->button(pom.CjcXUnit == 1 ? 1 : 0)->setChecked(true);
    refreshCjcPlot();
}

void TLinearForm::refreshCjcPlot() {
    const std::vector<QPointF> points = CjcPointSeries(editor_.data());
    cjcPlot_->setPoints(cjcPoints_, points);
    const QPointF x = CjcAxisRange(editor_.pom());
    cjcPlot_->setRange(Qt::Horizontal, x.x(), x.y());
    const DataBounds b = BoundsOf(points);
    if (b.valid)
        cjcPlot_->setRange(Qt::Vertical, b.y.low - 0.05 * b.y.span(), b.y.high + 0.05 * b.y.span());
    else
        cjcPlot_->setRange(Qt::Vertical, -1.0, 1.0);
}

void TLinearForm::refreshRtdPage() {
    showRtdFields(LinPom2RtdCoeff(editor_.pom()));
}

void TLinearForm::showRtdFields(const RtdFields& f) {
    const bool constants = f.method == kRtdConstants;
    RtdAEdt->setText(constants ? f.A : QString());
    RtdBEdt->setText(constants ? f.B : QString());
    RtdCEdt->setText(constants ? f.C : QString());
    RtdR0Edt->setText(constants ? f.R0 : QString());
    OnePointR0Edt->setText(f.OnePointR0);
    RT1Edt->setText(f.RT1);
    T1Edt->setText(f.T1);
    const QSignalBlocker block(rtdPages_);
    rtdPages_->setCurrentIndex(constants ? 0 : 1);
    (f.method == kRtdOnePointT1 ? OnePointT1RBtn : OnePointR0RBtn)->setChecked(true);
}

RtdFields TLinearForm::rtdFields() const {
    RtdFields f;
    f.method = rtdPages_->currentIndex() == 0
                   ? kRtdConstants
                   : (OnePointT1RBtn->isChecked() ? kRtdOnePointT1 : kRtdOnePointR0);
    f.A = RtdAEdt->text();
    f.B = RtdBEdt->text();
    f.C = RtdCEdt->text();
    f.R0 = RtdR0Edt->text();
    f.OnePointR0 = OnePointR0Edt->text();
    f.RT1 = RT1Edt->text();
    f.T1 = T1Edt->text();
    return f;
}

void TLinearForm::refreshDetailPage() {
    const LinPom& pom = editor_.pom();
    const QSignalBlocker block(DetailSG);
    for (int s = 1; s <= 8; ++s)
        for (int k = 0; k < 4; ++k)
            DetailSG->setCellText(s - 1, 3 - k, FieldText(pom.LinSegTable[size_t(k)][size_t(s)]));
    for (int i = 0; i < 4; ++i) cjcCoefEdt_[i]->setText(FieldText(pom.CjcPoly[size_t(3 - i)], 5));
}

}  // namespace lmk17
