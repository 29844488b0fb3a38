#include "app/ui/color_scheme_menu.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QStyle>
#include <QStyleFactory>

#include "app/app_texts.h"
#include "app/settings_store.h"
#include "common/user_interaction.h"

namespace lmk17 {

namespace {

// The desktop's look, taken before the first change so System can return to it.
struct StartLook {
    QString style;
    QPalette palette;
};

const StartLook& startLook() {
    static const StartLook look{QApplication::style()->name(), QApplication::palette()};
    return look;
}

}  // namespace

void ApplyColorScheme(ColorScheme scheme) {
    const StartLook& start = startLook();
    const SchemeLook look = LookOf(scheme);
    const QString style = look.styleName.isEmpty() ? start.style : look.styleName;
    if (QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(style));
    QApplication::setPalette(look.ownPalette ? look.palette : start.palette);
}

TColorSchemeMenu::TColorSchemeMenu(SettingsStore& store, UserInteraction& ui, QWidget* parent)
    : QMenu(tr("&Colours"), parent), store_(store), ui_(ui) {
    setObjectName(QStringLiteral("ColorSchemeMnu"));
    auto* group = new QActionGroup(this);
    const QString names[3] = {tr("&Light"), tr("&Dark"), tr("&System")};
    for (int i = 0; i < 3; ++i) {
        SchemeMnu[i] = addAction(names[i]);
        SchemeMnu[i]->setObjectName(QStringLiteral("Scheme%1Mnu").arg(i));
        SchemeMnu[i]->setCheckable(true);
        group->addAction(SchemeMnu[i]);
        connect(SchemeMnu[i], &QAction::triggered, this,
                [this, i] { SchemeMnuClick(ColorScheme(i)); });
    }
    SchemeMnu[int(store_.settings().colorScheme)]->setChecked(true);
}

void TColorSchemeMenu::SchemeMnuClick(ColorScheme scheme) {
    ApplyColorScheme(scheme);
    QString error;
    if (!store_.saveColorScheme(scheme, &error))
        ui_.message(MessageKind::Warning,
                    QCoreApplication::translate("App", texts::kSettingsSaveFailed)
                        .arg(store_.path(), error));
}

}  // namespace lmk17
