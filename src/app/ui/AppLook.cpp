#include "app/ui/AppLook.h"

#include "data/settings/Language.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStandardPaths>

void AppLook::Apply(QApplication& app)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Named outright so that a bare desktop shows the same icons; a platform without a desktop
    // theme (offscreen) knows no icon folders, so the data folders' "icons" are added.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (!paths.contains(folder + QStringLiteral("/icons")))
            paths << folder + QStringLiteral("/icons");
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("breeze"));
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Hebrew"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(font);
    app.setLayoutDirection(Language::IsHebrew() ? Qt::RightToLeft : Qt::LeftToRight);
}
