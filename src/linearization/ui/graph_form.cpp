#include "linearization/ui/graph_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/plot_view.h"
#include "linearization/lin_graph_series.h"

namespace lmk17 {

namespace {
constexpr int kGraphHelpContext = 2800;
}  // namespace

TGraphForm::TGraphForm(const LinEditor& editor, UserInteraction& ui, QWidget* parent)
    : QDialog(parent), editor_(editor), ui_(ui) {
    setObjectName(QStringLiteral("GraphForm"));
    plot_ = new PlotView(this);
    plot_->setObjectName(QStringLiteral("GraphPlot"));
    curve_ = plot_->addSeries({Qt::blue, true, PlotView::Symbol::None, {}, 2});
    points_ = plot_->addSeries({Qt::black, false, PlotView::Symbol::Cross, {6, 6}});
    errors_ = plot_->addSeries({Qt::red, true, PlotView::Symbol::Cross, {6, 6}});
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) plot_->setRoundTicks(o);
    connect(plot_, &PlotView::rightReleased, this, &TGraphForm::popupRequested);
    // The markers follow the plot area: it is laid out after the window's
    // resize, at a time that depends on the screen's scale.
    connect(plot_->chart(), &QChart::plotAreaChanged, this, &TGraphForm::updateMarkers);

    auto* scaleLbl = new QLabel(tr("Graph Scale:"), this);
    auto* xLbl = new QLabel(tr("X Axis:"), this);
    auto* yLbl = new QLabel(tr("Y Axis:"), this);
    xCaptionLbl_ = new QLabel(this);
    yCaptionLbl_ = new QLabel(this);
    errorCaptionLbl_ = new QLabel(tr("Approximation Error:"), this);
    const QString hint =
        tr(" By clicking on value you can display coordinates of point, where this error was "
           "found. ");
    minLbl_ = new QPushButton(this);
    maxLbl_ = new QPushButton(this);
    for (QPushButton* b : {minLbl_, maxLbl_}) {
        b->setFlat(true);
        b->setToolTip(hint);
        b->setCursor(Qt::PointingHandCursor);
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 0 2px;"));
    }
    minLbl_->setObjectName(QStringLiteral("MinLbl"));
    maxLbl_->setObjectName(QStringLiteral("MaxLbl"));
    errorBtn_ = new QPushButton(tr("Approximation Error Graph"), this);
    errorBtn_->setObjectName(QStringLiteral("ErrorBtn"));
    auto* closeBtn = new QPushButton(tr("&Close"), this);
    closeBtn->setObjectName(QStringLiteral("CloseBtn"));
    connect(errorBtn_, &QPushButton::clicked, this, &TGraphForm::ErrorBtnClick);
    connect(minLbl_, &QPushButton::clicked, this, &TGraphForm::MinLblClick);
    connect(maxLbl_, &QPushButton::clicked, this, &TGraphForm::MaxLblClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* scale = new QGridLayout;
    scale->addWidget(scaleLbl, 0, 0, 1, 2);
    scale->addWidget(xLbl, 1, 0);
    scale->addWidget(xCaptionLbl_, 1, 1);
    scale->addWidget(yLbl, 2, 0);
    scale->addWidget(yCaptionLbl_, 2, 1);
    auto* error = new QGridLayout;
    error->addWidget(errorCaptionLbl_, 0, 0);
    error->addWidget(minLbl_, 1, 0);
    error->addWidget(maxLbl_, 2, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(errorBtn_);
    buttons->addWidget(closeBtn);
    buttons->addStretch();
    auto* panel = new QHBoxLayout;
    panel->addLayout(scale);
    panel->addStretch();
    panel->addLayout(error);
    panel->addStretch();
    panel->addLayout(buttons);
    auto* main = new QVBoxLayout(this);
    main->addWidget(plot_, 1);
    main->addLayout(panel);
    resize(720, 540);
}

void TGraphForm::prepare(const QString& plainCaption) {
    plainCaption_ = plainCaption;
    view_ = editor_.approximationView() ? LinGraphView::Approximation : LinGraphView::Plain;
    refresh();
    fitWidestView();
}

void TGraphForm::refresh() {
    const bool cjc = editor_.graphPage() == LinEditor::GraphPage::Cjc;
    content_ = BuildLinGraph(editor_.data(), editor_.rangeIndex(), cjc, view_, editor_.errors(),
                             plainCaption_);
    const LinGraphContent& c = content_;
    setWindowTitle(c.caption);
    plot_->setPoints(curve_, c.curve);
    plot_->setPoints(points_, c.points);
    plot_->setPoints(errors_, c.errors);
    curve_->setVisible(c.showCurve);
    points_->setVisible(c.showPoints);
    errors_->setVisible(c.showErrors);
    plot_->setRange(Qt::Horizontal, c.x.low, c.x.high);
    plot_->setRange(Qt::Vertical, c.y.low, c.y.high);
    plot_->setGridVisible(Qt::Horizontal, c.xGrid);
    plot_->setGridVisible(Qt::Vertical, true);
    xCaptionLbl_->setText(c.xCaption);
    yCaptionLbl_->setText(c.yCaption);
    for (QWidget* w : {static_cast<QWidget*>(errorCaptionLbl_), static_cast<QWidget*>(minLbl_),
                       static_cast<QWidget*>(maxLbl_), static_cast<QWidget*>(errorBtn_)})
        w->setVisible(c.errorPart);
    minLbl_->setText(c.minLabel);
    maxLbl_->setText(c.maxLabel);
    errorBtn_->setText(c.errorButton);
    updateMarkers();
}

void TGraphForm::ErrorBtnClick() {
    view_ = view_ == LinGraphView::Error ? LinGraphView::Approximation : LinGraphView::Error;
    refresh();
}

void TGraphForm::MinLblClick() {
    const XYPoint& p = editor_.errors().minPoint;
    ui_.message(MessageKind::Information, ErrorPointText(false, p.x, p.y));
}

void TGraphForm::MaxLblClick() {
    const XYPoint& p = editor_.errors().maxPoint;
    ui_.message(MessageKind::Information, ErrorPointText(true, p.x, p.y));
}

void TGraphForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    updateMarkers();
}

void TGraphForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(kGraphHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TGraphForm::updateMarkers() {
    QSizeF area = plot_->plotAreaSize();
    if (area.isEmpty()) area = plot_->size();
    const QSize marker = PointMarkerSize(area);
    plot_->setSymbolSize(points_, marker);
    plot_->setSymbolSize(errors_, marker);
}

int TGraphForm::neededWidth(const LinGraphContent& c) const {
    const QFontMetrics fm(font());
    const int captions = std::max(fm.horizontalAdvance(tr("X Axis:") + c.xCaption),
                                  fm.horizontalAdvance(tr("Y Axis:") + c.yCaption));
    const int labels =
        c.errorPart ? std::max(fm.horizontalAdvance(c.minLabel), fm.horizontalAdvance(c.maxLabel))
                    : 0;
    const int together = fm.horizontalAdvance(tr("Graph Scale:") + tr("Approximation Error:"));
    const int button = c.errorPart ? fm.horizontalAdvance(c.errorButton) : 0;
    const int closeButton = fm.horizontalAdvance(tr("&Close"));
    // Button margins, the gaps between the columns and the window's margins.
    return std::max(captions + labels, together) + std::max(button, closeButton) + 150;
}

void TGraphForm::fitWidestView() {
    const bool cjc = editor_.graphPage() == LinEditor::GraphPage::Cjc;
    int width = neededWidth(content_);
    if (view_ != LinGraphView::Plain)
        for (LinGraphView v : {LinGraphView::Approximation, LinGraphView::Error})
            width =
                std::max(width, neededWidth(BuildLinGraph(editor_.data(), editor_.rangeIndex(), cjc,
                                                          v, editor_.errors(), plainCaption_)));
    setMinimumSize(width, 150);
    if (this->width() < width) resize(width, height());
}

}  // namespace lmk17
