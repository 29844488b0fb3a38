// The About window's licences and View › Colours: a pick repaints the
// program at once, survives a restart, and System gives the desktop's look back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTemporaryDir>

#include "app/settings_store.h"
#include "app/ui/color_scheme_menu.h"
#include "app/ui/spl_form.h"
#include "support/scripted_interaction.h"

using namespace lmk17;

namespace {

TEST(AboutWindow, ShowsTheLicencesWithTheRunningQt) {
    QWidget main;
    TSplForm about(&main);
    auto* licence = about.findChild<QLabel*>(QStringLiteral("LicenceLbl"));
    ASSERT_TRUE(licence);
    EXPECT_TRUE(licence->text().contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(licence->text().contains(QStringLiteral("Qt %1").arg(qVersion())));
    EXPECT_TRUE(licence->text().contains(QStringLiteral("LGPL-3.0")));
}

TEST(ColourSchemeMenu, PickAppliesAtOnceAndIsKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lmk17.ini"));
    const AppFolders folders{dir.path() + "/", dir.path() + "/"};
    SettingsStore store(path, folders);
    ASSERT_TRUE(store.load());
    test::ScriptedInteraction ui;
    const QPalette start = QApplication::palette();
    const QString startStyle = QApplication::style()->name();
    TColorSchemeMenu menu(store, ui);
    EXPECT_TRUE(menu.SchemeMnu[int(ColorScheme::System)]->isChecked());

    menu.SchemeMnu[int(ColorScheme::Dark)]->trigger();
    // (Open windows hear of it from the running event loop, which a test has not.)
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              DarkPalette().color(QPalette::Window));
    EXPECT_EQ(QWidget().palette().color(QPalette::Text), DarkPalette().color(QPalette::Text));
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    SettingsStore next(path, folders);
    ASSERT_TRUE(next.load());
    EXPECT_EQ(next.settings().colorScheme, ColorScheme::Dark);
    EXPECT_TRUE(TColorSchemeMenu(next, ui).SchemeMnu[int(ColorScheme::Dark)]->isChecked());

    menu.SchemeMnu[int(ColorScheme::System)]->trigger();
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), start.color(QPalette::Window));
    EXPECT_EQ(QApplication::style()->name(), startStyle);
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
