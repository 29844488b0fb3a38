#include "config/ui/info_page.h"

#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "config/ui/housing_drawing.h"
#include "config/ui/page_support.h"

// The housing drawings live in this library's resources.
static void initConfigResources() {
    Q_INIT_RESOURCE(config_ui);
}

namespace lmk17 {

namespace {

// Paints the renderer's drawing over the whole widget, in the colours of the
// widget's palette and the running language's words.
class SvgView : public QWidget {
public:
    SvgView(QSvgRenderer* renderer, QWidget* parent) : QWidget(parent), renderer_(renderer) {}

    // Loads a drawing of the resources (none: empty); false when it cannot be shown.
    bool show(const QString& resource) {
        resource_ = resource;
        reload();
        return !resource_.isEmpty() && renderer_->isValid();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        renderer_->render(&p, QRectF(rect()));
    }
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) reload();
        QWidget::changeEvent(event);
    }

private:
    void reload() {
        QFile file(resource_);
        const QByteArray svg = !resource_.isEmpty() && file.open(QIODevice::ReadOnly)
                                   ? ThemedHousingDrawing(file.readAll(), palette())
                                   : QByteArray();
        renderer_->load(svg);
        update();
    }

    QSvgRenderer* renderer_;
    QString resource_;
};

}  // namespace

TInfoPage::TInfoPage(ConfigControls& controls, QWidget* parent)
    : QWidget(parent), controls_(controls) {
    initConfigResources();
    auto* columns = new QHBoxLayout(this);
    auto* group = new QGroupBox(tr("Transmitter"), this);
    auto* grid = new QGridLayout(group);
    const std::pair<QLabel**, QString> rows[] = {
        {&Info11Lbl, tr("Manufacturer:")},
        {&Info12Lbl, tr("Transmitter Type:")},
        {&Info13Lbl, tr("Date of Manufacturing:")},
        {&VyrCislo11Lbl, tr("Serial Number:")},
        {&HodDatZmenLbl, tr("Date of Last Change:")},
        {&ProCas2Lbl, tr("Working Time:")},
    };
    int row = 0;
    for (const auto& [label, caption] : rows) {
        *label = new QLabel(group);
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        (*label)->setMinimumWidth(260);
        grid->addWidget(FieldLabel(caption, group), row, 0);
        grid->addWidget(*label, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);
    columns->addWidget(group, 1);

    auto* pictureBox = new QGroupBox(tr("Housing"), this);
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    renderer_ = new QSvgRenderer(this);
    TypePicture = new SvgView(renderer_, pictureBox);
    TypePicture->setMinimumSize(240, 220);
    NoPictureLbl = new QLabel(pictureBox);
    NoPictureLbl->setAlignment(Qt::AlignCenter);
    pictureLayout->addWidget(TypePicture, 1, Qt::AlignCenter);
    pictureLayout->addWidget(NoPictureLbl);
    columns->addWidget(pictureBox);

    connect(&controls_, &ConfigControls::controlsChanged, this, &TInfoPage::ShowIdentification);
    ShowIdentification();
}

void TInfoPage::ShowIdentification() {
    const IdentificationView& v = controls_.view().identification;
    const bool blank = controls_.view().blank;
    Info11Lbl->setText(blank ? QString() : v.manufacturer);
    Info12Lbl->setText(blank ? QString() : v.transmitterType);
    Info13Lbl->setText(blank ? QString() : v.manufactureDate);
    VyrCislo11Lbl->setText(blank ? QString() : v.serialNumber);
    HodDatZmenLbl->setText(blank ? QString() : v.changeDate);
    ProCas2Lbl->setText(blank ? QString() : v.workingTime);

    const QString picture = v.picture && !blank ? QString::fromLatin1(v.picture) : QString();
    if (picture != picture_) {
        picture_ = picture;
        if (static_cast<SvgView*>(TypePicture)->show(picture)) {
            // Keep the drawing's proportions at a readable size.
            const QSize size = renderer_->defaultSize();
            TypePicture->setFixedSize(size.scaled(QSize(300, 280), Qt::KeepAspectRatio));
        }
    }
    const bool shown = !picture_.isEmpty() && renderer_->isValid();
    TypePicture->setVisible(shown);
    TypePicture->update();
    NoPictureLbl->setText(shown || blank ? QString() : v.pictureText);
    if (!shown && !blank && NoPictureLbl->text().isEmpty())
        NoPictureLbl->setText(tr("Picture not Available"));
}

}  // namespace lmk17
