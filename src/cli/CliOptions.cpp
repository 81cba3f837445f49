#include "cli/CliOptions.h"

#include "data/storage/DataLocation.h"
#include "data/settings/Language.h"

bool CCliOptions::Parse(const QStringList& arguments, QTextStream& err)
{
    UiLanguage language = Language::FromSystem();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (m_command.isEmpty() && (word == QLatin1String("--data") || word == QLatin1String("--lang"))) {
            if (i + 1 >= arguments.size()) {
                err << "ravivaz-cli: " << word << " needs a value\n";
                return false;
            }
            const QString& value = arguments[++i];
            if (word == QLatin1String("--data")) {
                m_dataFolder = value;
            } else if (!Language::FromOption(value, language)) {
                err << "ravivaz-cli: --lang takes \"he\" or \"en\", not \"" << value << "\"\n";
                return false;
            }
        } else if (m_command.isEmpty()) {
            m_command = word;
        } else {
            m_arguments << word;
        }
    }
    if (m_command.isEmpty()) {
        err << Usage();
        return false;
    }
    Language::Set(language);
    return true;
}

CDataLocation CCliOptions::MakeLocation() const
{
    return m_dataFolder.isEmpty() ? CDataLocation() : CDataLocation(m_dataFolder);
}

QString CCliOptions::Usage()
{
    return QStringLiteral(
        "usage: ravivaz-cli [--data DIR] [--lang he|en] COMMAND [ARGS]\n"
        "commands:\n"
        "  events [--json]        list the events of the data folder (* marks the active one)\n"
        "  info FOLDER [--json]   count the records of an event folder without writing anything\n"
        "  meetings FOLDER [--ics OUT]\n"
        "                         list the meetings by date (date, subject, contact); --ics writes\n"
        "                         them into one calendar file\n"
        "  finance FOLDER [--json] print the sums of the gifts, expenses and budget options of an\n"
        "                         event folder\n"
        "  resave FOLDER          load an event folder and write it back as WeddingData.xml\n"
        "                         (exits 2 while Ravivaz or another writer holds the data folder)\n"
        "  seat FOLDER --unseated|--all|--group NAME [--json]\n"
        "                         seat the unseated guests, all guests or one table for a group\n"
        "                         by their groups, save, and list every table with its guests\n"
        "  new-event --type N --name1 TEXT [--name2 TEXT] [--date YYYY-MM-DD] [--copy-from FOLDER] [--groups]\n"
        "                         create an event (type 0 wedding, 1-6 the other kinds), make it the\n"
        "                         active one and print its id and folder\n"
        "  checkpoint FOLDER      take a backup checkpoint of an event folder; prints its name\n"
        "  checkpoints            list the checkpoints, newest first (guests, name, event name)\n"
        "  restore FOLDER NAME    put a checkpoint in place of an event folder, all or nothing\n"
        "  ftp upload|download FOLDER [--answer yes|no]\n"
        "                         share an event folder through the FTP server of its settings\n"
        "  export-event FOLDER TARGET [--replace]\n"
        "                         write an event's files into a folder for the import command\n"
        "  import FOLDER SOURCE [--group NAME | --auto-groups] [--relation-answer yes|no]\n"
        "                         add the guests of a spreadsheet (.xls, .xlsx, .csv) or of another\n"
        "                         event's folder, save, and list the guests added and skipped\n"
        "  export-csv FOLDER OUT  write the guests who have not answered into a comma-separated file\n"
        "  arrive FOLDER --code N --count C\n"
        "                         record that C people of the guest with code N came, and save\n"
        "  approvals FOLDER [--site URL] [--apply]\n"
        "                         list the guests whose answer on the approvals site differs\n"
        "                         (confirmed or cancelled, code, name, count); --apply takes the\n"
        "                         answers in, saves and prints how many guests changed\n"
        "  report FOLDER KIND OUT [--per-page N] [--text] [--pdf]\n"
        "                         write one report of an event folder (kinds: guests-first-name,\n"
        "                         guests-family-name, guests-group, guests-group-abc, guests-view,\n"
        "                         tables-id, tables-hall, gifts-group, gifts-relation, hand-form,\n"
        "                         expenses, transport, tasks, approval-notes, table-cards,\n"
        "                         address-labels, budget-1, budget-2, budget-3)\n"
        "  export FOLDER guests|tables OUT\n"
        "                         the spreadsheet export, tab-separated or .xlsx by OUT's ending\n"
        "  sketch-export FOLDER OUT.xml\n"
        "                         write the decorative shapes of the hall sketch into a sketch file\n"
        "  sketch-import FOLDER IN.xml\n"
        "                         replace the decorative shapes from a sketch file and save (exits 2\n"
        "                         when the file is not valid, changing nothing)\n"
        "  sms-send --user U --password P --to NUMBER --from SIGNATURE --message TEXT\n"
        "                         send one SMS through the registered TextoraCom component\n");
}
