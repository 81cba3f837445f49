#include "app/core/CommandTable.h"

#include "controls/CommandIds.h"

namespace {

const QString kEvent = QStringLiteral("ארוע");
const QString kView = QStringLiteral("תצוגה");
const QString kShare = QStringLiteral("שיתוף");
const QString kRealTime = QStringLiteral("זמן-אמת");
const QString kTools = QStringLiteral("כלים");
const QString kReports = QStringLiteral("דוחות");
const QString kHelp = QStringLiteral("עזרה");

struct ViewCommand
{
    int command;
    int position;
};

const ViewCommand kViewCommands[] = {
    {ID_VIEW_GUESTS, 3},  {ID_VIEW_GROUPS, 4},  {ID_VIEW_GIFTS, 5},     {ID_VIEW_EXPENSES, 6},
    {ID_VIEW_TABLES, 7},  {ID_VIEW_SEATING, 8}, {ID_VIEW_SKETCH, 9},    {ID_VIEW_MEETINGS, 11},
    {ID_VIEW_PRINTS, 12}, {ID_VIEW_BUDGET, 13},
};

}

const QList<MenuEntry>& CommandTable::Menu()
{
    const QString exportMenu = QStringLiteral("יצוא נתונים");
    const QString mailMenu = QStringLiteral("דואר אלקטרוני");
    const QString guestList = QStringLiteral("רשימת מוזמנים");
    const QString tablesReport = QStringLiteral("דו\"ח שולחנות");
    static const QList<MenuEntry> menu = {
        {kEvent, {}, QStringLiteral("&שמירה"), QStringLiteral("Ctrl+S"), ID_FILE_SAVE},
        {kEvent, {}, QStringLiteral("פרטי הארוע ..."), {}, ID_EVENT_DETAILS, true},
        {kEvent, exportMenu, QStringLiteral("יצוא נתונים לספריה ..."), {}, ID_EXPORT_TO_FOLDER, true},
        {kEvent, exportMenu, QStringLiteral("שליחת הנתונים כדואר אלקטרוני  ..."), {}, ID_EXPORT_BY_MAIL},
        {kEvent, {}, QStringLiteral("יבוא נתונים ..."), {}, ID_IMPORT},
        {kEvent, {}, QStringLiteral("שיחזור נתונים ..."), {}, ID_RESTORE},
        {kEvent, {}, QStringLiteral("הוספת ארוע ..."), {}, ID_ADD_EVENT, true},
        {kEvent, {}, QStringLiteral("החלפת ארוע ..."), {}, ID_SWITCH_EVENT},
        {kEvent, {}, QStringLiteral("יציאה"), {}, ID_APP_EXIT, true},
        {kView, {}, QStringLiteral("מוזמנים"), QStringLiteral("Ctrl + 1"), ID_VIEW_GUESTS},
        {kView, {}, QStringLiteral("קבוצות"), QStringLiteral("Ctrl + 2"), ID_VIEW_GROUPS},
        {kView, {}, QStringLiteral("מתנות"), QStringLiteral("Ctrl + 3"), ID_VIEW_GIFTS},
        {kView, {}, QStringLiteral("הוצאות"), QStringLiteral("Ctrl + 4"), ID_VIEW_EXPENSES},
        {kView, {}, QStringLiteral("שולחנות"), QStringLiteral("Ctrl + 5"), ID_VIEW_TABLES},
        {kView, {}, QStringLiteral("סידור ישיבה"), QStringLiteral("Ctrl + 6"), ID_VIEW_SEATING},
        {kView, {}, QStringLiteral("סקיצה"), QStringLiteral("Ctrl + 7"), ID_VIEW_SKETCH},
        {kView, {}, QStringLiteral("פגישות"), QStringLiteral("Ctrl + 8"), ID_VIEW_MEETINGS},
        {kView, {}, QStringLiteral("דו\"חות והדפסות"), QStringLiteral("Ctrl + 9"), ID_VIEW_PRINTS},
        {kView, {}, QStringLiteral("תקציב"), QStringLiteral("Ctrl + 0"), ID_VIEW_BUDGET},
        {kView, {}, QStringLiteral("המסך הבא"), QStringLiteral("Ctrl +Tab"), ID_NEXT_PAGE, true},
        {kView, {}, QStringLiteral("המסך הקודם"), QStringLiteral("Ctrl + Shift +Tab"), ID_PREVIOUS_PAGE},
        {kShare, {}, QStringLiteral("הגדר נתוני שרת FTP ..."), {}, ID_FTP_SETTINGS},
        {kShare, {}, QStringLiteral("הורד נתונים מהשרת"), {}, ID_FTP_DOWNLOAD, true},
        {kShare, {}, QStringLiteral("שמור נתונים לשרת"), {}, ID_FTP_UPLOAD},
        {kRealTime, {}, QStringLiteral("מצב זמן אמת"), {}, ID_REAL_TIME},
        {kTools, {}, QStringLiteral("שליחת SMS ..."), {}, ID_SEND_SMS},
        {kTools, mailMenu, QStringLiteral("שלח דואר לכל המוזמנים"), {}, ID_MAIL_ALL_GUESTS},
        {kTools, mailMenu, QStringLiteral("שלח דואר למוזמנים שטרם אישרו"), {}, ID_MAIL_UNCONFIRMED},
        {kTools, mailMenu, QStringLiteral("שלח פרטי אישור למוזמנים שטרם אישרו"), {}, ID_MAIL_APPROVAL_DETAILS},
        {kTools, {}, QStringLiteral("קבע שער הדולר..."), {}, ID_DOLLAR_RATE, true},
        {kTools, {}, QStringLiteral("מחשבון ..."), {}, ID_CALCULATOR},
        {kTools, {}, QStringLiteral("הגדרות ..."), {}, ID_SETTINGS, true},
        {kReports, guestList, QStringLiteral("לפי שם משפחה..."), {}, ID_REPORT_GUESTS_BY_FAMILY},
        {kReports, guestList, QStringLiteral("לפי שם פרטי..."), {}, ID_REPORT_GUESTS_BY_NAME},
        {kReports, tablesReport, QStringLiteral("לפי מספר סידורי..."), {}, ID_REPORT_TABLES_BY_SERIAL},
        {kReports, tablesReport, QStringLiteral("לפי מספר באולם..."), {}, ID_REPORT_TABLES_BY_HALL},
        {kReports, {}, QStringLiteral("העבר רשימת מוזמנים לפורמט EXCEL..."), {}, ID_GUESTS_TO_EXCEL, true},
        {kReports, {}, QStringLiteral("העבר רשימת שולחנות לפורמט EXCEL..."), {}, ID_TABLES_TO_EXCEL},
        {kHelp, {}, QStringLiteral("אודות..."), {}, ID_APP_ABOUT},
        {kHelp, {}, QStringLiteral("אתר האינטרנט ..."), {}, ID_WEB_SITE, true},
        {kHelp, {}, QStringLiteral("תגובות והצעות ..."), {}, ID_FEEDBACK},
        {kHelp, {}, QStringLiteral("פורום התוכנה ..."), {}, ID_FORUM},
        {kHelp, {}, QStringLiteral("בדוק עידכונים ..."), {}, ID_CHECK_UPDATES, true},
    };
    return menu;
}

const QList<Accelerator>& CommandTable::Accelerators()
{
    // Shift+Tab arrives as Backtab: both spellings of the previous-page key are bound.
    static const QList<Accelerator> keys = {
        {QStringLiteral("Ctrl+1"), ID_VIEW_GUESTS},
        {QStringLiteral("Ctrl+2"), ID_VIEW_GROUPS},
        {QStringLiteral("Ctrl+3"), ID_VIEW_GIFTS},
        {QStringLiteral("Ctrl+4"), ID_VIEW_EXPENSES},
        {QStringLiteral("Ctrl+5"), ID_VIEW_TABLES},
        {QStringLiteral("Ctrl+6"), ID_VIEW_SEATING},
        {QStringLiteral("Ctrl+7"), ID_VIEW_SKETCH},
        {QStringLiteral("Ctrl+8"), ID_VIEW_MEETINGS},
        {QStringLiteral("Ctrl+9"), ID_VIEW_PRINTS},
        {QStringLiteral("Ctrl+0"), ID_VIEW_BUDGET},
        {QStringLiteral("Ctrl+S"), ID_FILE_SAVE},
        {QStringLiteral("Ctrl+N"), ID_OBJECT_ADD},
        {QStringLiteral("Ctrl+D"), ID_OBJECT_DELETE},
        {QStringLiteral("Ctrl+E"), ID_OBJECT_EDIT},
        {QStringLiteral("Ctrl+F"), ID_OBJECT_FIND},
        {QStringLiteral("Ctrl+B"), ID_RESTORE},
        {QStringLiteral("Ctrl+Tab"), ID_NEXT_PAGE},
        {QStringLiteral("Ctrl+Shift+Tab"), ID_PREVIOUS_PAGE},
        {QStringLiteral("Ctrl+Shift+Backtab"), ID_PREVIOUS_PAGE},
        {QStringLiteral("Ctrl+Shift+N"), ID_BUDGET_NEW},
        {QStringLiteral("Ctrl+Shift+E"), ID_BUDGET_EDIT},
        {QStringLiteral("Ctrl+Shift+D"), ID_BUDGET_DELETE},
        {QStringLiteral("Ctrl+T"), ID_MEETING_TODAY},
        {QStringLiteral("Ctrl+C"), ID_EDIT_COPY},
        {QStringLiteral("Ctrl+Ins"), ID_EDIT_COPY},
        {QStringLiteral("Ctrl+V"), ID_EDIT_PASTE},
        {QStringLiteral("Shift+Ins"), ID_EDIT_PASTE},
        {QStringLiteral("Ctrl+X"), ID_EDIT_CUT},
        {QStringLiteral("Shift+Del"), ID_EDIT_CUT},
        {QStringLiteral("Ctrl+Z"), ID_EDIT_UNDO},
        {QStringLiteral("Alt+Backspace"), ID_EDIT_UNDO},
        {QStringLiteral("F6"), ID_NEXT_PANE},
        {QStringLiteral("Shift+F6"), ID_PREV_PANE},
    };
    return keys;
}

const QList<ToolButton>& CommandTable::ToolBar()
{
    static const QList<ToolButton> buttons = {
        {ID_ADD_EVENT, 59778, "document-new"},
        {ID_SWITCH_EVENT, 59853, "system-switch-user"},
        {ID_FILE_SAVE, 59727, "document-save"},
        {0, 0, nullptr},
        {ID_IMPORT, 59851, "document-import"},
        {ID_EXPORT_TO_FOLDER, 59852, "document-export"},
        {0, 0, nullptr},
        {ID_OBJECT_ADD, 59728, "list-add"},
        {ID_OBJECT_DELETE, 59730, "edit-delete"},
        {0, 0, nullptr},
        {ID_OBJECT_EDIT, 59729, "document-edit"},
        {ID_OBJECT_FIND, 59731, "edit-find"},
        {ID_AUTO_SEAT_UNSEATED, 59900, "insert-table"},
        {0, 0, nullptr},
        {ID_SEND_SMS, 59893, "mail-send"},
        {ID_APP_ABOUT, 0, "help-about"},
    };
    return buttons;
}

bool CommandTable::Quick(int command, QuickAction& action)
{
    static const QuickAction actions[] = {
        {7, ID_OBJECT_ADD},    {7, ID_OBJECT_EDIT}, {7, ID_OBJECT_DELETE}, {4, ID_OBJECT_ADD},
        {4, ID_OBJECT_EDIT},   {4, ID_OBJECT_DELETE}, {6, ID_OBJECT_DELETE}, {6, ID_OBJECT_EDIT},
        {6, ID_OBJECT_ADD},    {5, ID_OBJECT_DELETE}, {5, ID_OBJECT_EDIT},
    };
    if (command < ID_QUICK_FIRST || command > ID_QUICK_LAST)
        return false;
    action = actions[command - ID_QUICK_FIRST];
    return true;
}

int CommandTable::PositionOfViewCommand(int command)
{
    for (const ViewCommand& entry : kViewCommands)
        if (entry.command == command)
            return entry.position;
    return 0;
}
