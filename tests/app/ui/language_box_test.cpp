#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include "app/ui/language_box.h"

using namespace lmk17;

namespace {

// Picks an item as the user does and answers the warning, if one comes.
bool pickAndCountWarnings(LanguageBox& box, int index) {
    bool warned = false;
    QTimer::singleShot(0, [&] {
        if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warned = true;
            message->accept();
        }
    });
    box.setCurrentIndex(index);
    emit box.activated(index);
    QApplication::processEvents();
    return warned;
}

}  // namespace

// Picking German while English runs stores it and warns; picking English
// again takes the pick back without a warning.
TEST(LanguageBox, StoresPicksAndWarnsOnlyForAnotherLanguage) {
    LanguageBox box;
    const QStringList items{QStringLiteral(" Deutsch"), QStringLiteral(" English")};
    box.setLanguages(items, LanguageSwitch{kEnglish, -1}, QString());
    EXPECT_EQ(box.currentIndex(), -1);
    QSignalSpy stored(&box, &LanguageBox::langIdChosen);

    EXPECT_TRUE(pickAndCountWarnings(box, 0));
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.takeFirst().at(0).toString(), QStringLiteral("Deutsch"));

    EXPECT_FALSE(pickAndCountWarnings(box, 1));
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.takeFirst().at(0).toString(), QStringLiteral("English"));
}
