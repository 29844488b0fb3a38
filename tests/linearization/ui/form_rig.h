#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "config/catalogue.h"
#include "config/transmitter_config.h"
#include "linearization/ui/graph_form.h"
#include "linearization/ui/linear_form.h"
#include "linearization/ui/point_grid_widget.h"
#include "support/builders.h"
#include "support/scripted_interaction.h"

namespace lmk17::test {

// Twelve ohm-to-degree points of a platinum-like sensor as a spreadsheet
// copies them: a heading, tab-separated cells, decimal commas.
QString PastedPoints();

template <typename T>
T* Find(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The editor window with a scripted user; the graph window is not run
// modally, each opening records what it showed.
struct Form : ::testing::Test {
    ScriptedInteraction ui;
    LinEditor editor;
    TLinearForm form{editor, nullptr, &ui};
    std::vector<LinGraphContent> graphs;
    QTemporaryDir dir;

    Form() {
        form.setGraphRunner([this](TGraphForm& g) { graphs.push_back(g.content()); });
    }
    // Opens the window on a record without running it modally.
    void Open(int code, const TransmitterConfig& config) {
        form.editor().open(config, FindRange(code));
        form.prepareForOpen();
        form.show();
        QApplication::setActiveWindow(&form);
        QApplication::processEvents();
    }
    void Open(int code) { Open(code, CustomerConfig(code)); }
    PointGridWidget* grid() { return Find<PointGridWidget>(form, "LnTStrGrd"); }
    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        grid()->setFocus();
        grid()->setCurrentCell(0, 0);
        QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    }
    void Click(const char* button) {
        QTest::mouseClick(Find<QPushButton>(form, button), Qt::LeftButton);
    }
    void ChooseUnit(const QString& symbol) {
        auto* cb = Find<QComboBox>(form, "JednCB");
        const int i = cb->findText(QLatin1Char(' ') + symbol);
        cb->setCurrentIndex(i);
        emit cb->activated(i);
    }
};

}  // namespace lmk17::test
