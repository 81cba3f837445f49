#include "cli/EventsCommand.h"

#include "cli/CliOptions.h"
#include "data/storage/DataLocation.h"
#include "data/storage/EventRegistry.h"
#include "data/settings/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int RunEvents(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    for (const QString& word : options.Arguments()) {
        if (word != QLatin1String("--json")) {
            err << "ravivaz-cli events: unknown option \"" << word << "\"\n";
            return 2;
        }
    }
    CDataLocation location = options.MakeLocation();
    CEventRegistry registry(location);
    CSettings settings;
    registry.Discover(settings);

    if (options.HasFlag(QStringLiteral("--json"))) {
        QJsonArray events;
        for (int i = 0; i < registry.Count(); ++i) {
            const CZelEvent* event = registry.At(i);
            events.append(QJsonObject{{QStringLiteral("id"), event->GetId()},
                                      {QStringLiteral("name"), event->GetName()},
                                      {QStringLiteral("folder"), event->GetFolder()},
                                      {QStringLiteral("active"), event == registry.Active()}});
        }
        out << QJsonDocument(events).toJson(QJsonDocument::Indented);
        return 0;
    }
    for (int i = 0; i < registry.Count(); ++i) {
        const CZelEvent* event = registry.At(i);
        out << (event == registry.Active() ? "*" : "") << event->GetId() << '\t' << event->GetName() << '\t'
            << event->GetFolder() << '\n';
    }
    return 0;
}
