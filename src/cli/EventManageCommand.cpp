#include "cli/EventManageCommand.h"

#include "app/core/EventManager.h"
#include "app/core/EventTypes.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleMessages.h"
#include "data/document/NewZelDoc.h"
#include "data/storage/DataFolderLock.h"
#include "data/storage/DataLocation.h"
#include "cli/FolderSession.h"

#include <QFileInfo>
#include <QHash>

namespace {

const QStringList kValueOptions = {QStringLiteral("--type"), QStringLiteral("--name1"), QStringLiteral("--name2"),
                                   QStringLiteral("--date"), QStringLiteral("--copy-from")};

bool ReadWords(const QStringList& words, QHash<QString, QString>& values, bool& groups, QTextStream& err)
{
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--groups")) {
            groups = true;
        } else if (kValueOptions.contains(word) && i + 1 < words.size()) {
            values.insert(word, words[++i]);
        } else {
            err << "ravivaz-cli new-event: " << (kValueOptions.contains(word) ? "missing value for " : "unknown word ")
                << "\"" << word << "\"\n";
            return false;
        }
    }
    return true;
}

}

int RunNewEvent(const CCliOptions& options, QTextStream& out, QTextStream& err)
{
    QHash<QString, QString> values;
    CEventDescription description;
    description.createGroups = false;
    if (!ReadWords(options.Arguments(), values, description.createGroups, err))
        return 2;
    bool typeRead = false;
    description.type = values.value(QStringLiteral("--type")).toInt(&typeRead);
    if (!typeRead || description.type < 0 || description.type >= EventTypes::Count()) {
        err << "ravivaz-cli new-event: --type takes a number from 0 to " << EventTypes::Count() - 1 << '\n';
        return 2;
    }
    description.brideName = values.value(QStringLiteral("--name1")).trimmed();
    description.groomName = values.value(QStringLiteral("--name2")).trimmed();
    if (description.brideName.isEmpty() || (EventTypes::IsWedding(description.type) && description.groomName.isEmpty())) {
        err << "ravivaz-cli new-event: give --name1" << (EventTypes::IsWedding(description.type) ? " and --name2" : "")
            << '\n';
        return 2;
    }
    if (!EventTypes::IsWedding(description.type))
        description.groomName.clear();
    description.date = values.contains(QStringLiteral("--date"))
                           ? QDate::fromString(values.value(QStringLiteral("--date")), Qt::ISODate)
                           : QDate::currentDate();
    if (!description.date.isValid()) {
        err << "ravivaz-cli new-event: --date takes YYYY-MM-DD\n";
        return 2;
    }
    description.copyFrom = values.value(QStringLiteral("--copy-from"));
    if (!description.copyFrom.isEmpty() && !QFileInfo(description.copyFrom + QStringLiteral("/WeddingData.xml")).isFile()) {
        err << "ravivaz-cli new-event: \"" << description.copyFrom << "\" holds no WeddingData.xml to copy\n";
        return 2;
    }
    description.eventName = EventTypes::EventName(description.type, description.brideName, description.groomName);

    CDataLocation location = options.MakeLocation();
    CDataFolderLock lock(location.GetDataFolder());
    if (!CFolderSession::TakeLock(lock, "new-event", err))
        return 2;
    CConsoleMessages messages(err);
    CNewZelDoc document(location, &messages);
    if (!CEventManager(document).AddEvent(description)) {
        err << "ravivaz-cli new-event: no event was created\n";
        return 2;
    }
    const CZelEvent* event = document.Events().Active();
    out << event->GetId() << '\t' << event->GetFolder() << '\n';
    return 0;
}
