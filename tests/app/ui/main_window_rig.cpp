#include "main_window_rig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>

namespace lmk17::test {

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer) : m_answer(answer) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        texts << box->text();
        if (also) also();
        QAbstractButton* b = box->button(m_answer);
        if (!b) b = box->button(QMessageBox::Ok);
        b->click();
    });
    m_timer.start(10);
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

}  // namespace lmk17::test
