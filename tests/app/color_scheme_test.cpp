#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/settings_store.h"
#include "common/ini_file.h"

namespace lmk17 {
namespace {

// The stored scheme as the file holds it; anything unknown leaves the
// desktop's colours, and a pick is in the file at once, for the next start.
TEST(ColorSchemeSetting, StoredValuesAndAPickSurviveARestart) {
    const struct {
        const char* file;
        ColorScheme scheme;
    } cases[] = {
        {"", ColorScheme::System},
        {"[Window]\nColorScheme=Dark\n", ColorScheme::Dark},
        {"[Window]\nColorScheme= light \n", ColorScheme::Light},
        {"[window]\ncolorscheme=SYSTEM\n", ColorScheme::System},
        {"[Window]\nColorScheme=Dunkel\n", ColorScheme::System},
        {"[Window]\nColorScheme=1\n", ColorScheme::System},
    };
    for (const auto& c : cases) {
        const AppSettings s = ReadAppSettings(IniFile::fromBytes(c.file), {"/", "/"});
        EXPECT_EQ(s.colorScheme, c.scheme) << c.file;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lmk17.ini"));
    const AppFolders folders{dir.path() + "/", dir.path() + "/"};
    for (ColorScheme pick : {ColorScheme::Dark, ColorScheme::Light, ColorScheme::System}) {
        SettingsStore store(path, folders);
        ASSERT_TRUE(store.load());
        ASSERT_TRUE(store.saveColorScheme(pick));
        SettingsStore next(path, folders);
        ASSERT_TRUE(next.load());
        EXPECT_EQ(next.settings().colorScheme, pick);
    }
}

}  // namespace
}  // namespace lmk17
