#include "main_window_rig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "app/language_modules.h"
#include "config/config_model.h"
#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"

namespace lmk17::test {

void ChooseFile(QFileDialog* dialog, const QString& file) {
    dialog->selectFile(file);
    // Qt's own dialog leaves its name field alone in selectFile() while that
    // field has the focus, and it has it as soon as the dialog is activated:
    // the whole path is typed into it, as a user may.
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(QFileInfo(file).absoluteFilePath());
    // After the caller's slot: a box the dialog opens itself is answered too.
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !file.isEmpty()) {
            ChooseFile(dialog, file);
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        texts << box->text();
        if (also) also();
        QMessageBox::StandardButton answer = answer_;
        for (const auto& [part, button] : std::as_const(answers))
            if (box->text().contains(part)) answer = button;
        QAbstractButton* b = box->button(answer);
        if (!b) b = box->button(QMessageBox::Ok);
        b->click();
    });
    timer_.start(10);
}

Shell::Shell(const QByteArray& ini) {
    if (!ini.isEmpty()) {
        QFile f(store.path());
        f.open(QIODevice::WriteOnly);
        f.write(ini);
    }
    store.load();
    form = std::make_unique<TMainForm>(store);
    form->placeWindow();
    form->show();
}

bool Shell::readWithTheReadButton() {
    form->PrevodnikLoadBtn->click();
    return SpinUntil([&] { return stack().idle() && stack().model().hasConfiguration(); }, 20000);
}

TickWatch::TickWatch(PlotView& plot, int limit) : limit_(limit) {
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        QValueAxis* a = plot.axis(o);
        const auto look = [this, a] { check(a); };
        QObject::connect(a, &QValueAxis::rangeChanged, &plot, look);
        QObject::connect(a, &QValueAxis::tickIntervalChanged, &plot, look);
        QObject::connect(a, &QValueAxis::tickTypeChanged, &plot, look);
        QObject::connect(a, &QValueAxis::tickCountChanged, &plot, look);
        check(a);
    }
}

void TickWatch::check(QValueAxis* axis) {
    double ticks = axis->tickCount();
    if (axis->tickType() == QValueAxis::TicksDynamic && axis->tickInterval() > 0)
        ticks = (axis->max() - axis->min()) / axis->tickInterval() + 1;
    if (!std::isfinite(ticks) || ticks > limit_) {
        most_ = std::max(most_, limit_ + 1);
        axis->setTickInterval((axis->max() - axis->min()) / 4);
        return;
    }
    most_ = std::max(most_, int(ticks));
}

LanguageModule::LanguageModule(int language) {
    if (language == kEnglish) return;
    const QString file =
        FindLanguageModule(language, QStringLiteral("lmk17"), {QStringLiteral(LMK17_PROGRAM_DIR)});
    loaded_ = !file.isEmpty() && module_.load(file);
    if (loaded_) QCoreApplication::installTranslator(&module_);
    if (qt_.load(QLatin1String("qt_") + QLatin1String(kLanguages[language].locale),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

LanguageModule::~LanguageModule() {
    QCoreApplication::removeTranslator(&module_);
    QCoreApplication::removeTranslator(&qt_);
}

}  // namespace lmk17::test
