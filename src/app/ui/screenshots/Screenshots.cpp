// Renders the main window on every page, its menus and its dialogs into PNG files, for one
// interface language, on the data folder it is given.
#include "app/ui/AppDefinesDlg.h"
#include "approvals/ui/ApprovalFromSiteDlg.h"
#include "sms/core/SmsText.h"
#include "sms/ui/SendSMSDlg.h"
#include "sms/ui/SendSMSSettingsTab.h"
#include "app/ui/AppLook.h"
#include "data/settings/GeneralIni.h"
#include "app/ui/HebrewMsg.h"
#include "app/ui/MainFrame.h"
#include "app/ui/NewEventWizard.h"
#include "app/ui/SelectEvent.h"
#include "app/ui/WeddingInfoDlg.h"
#include "backup/core/CheckpointStore.h"
#include "backup/ui/BackUpDlg.h"
#include "backup/ui/FtpServerDataDlg.h"
#include "app/ui/NewZelApp.h"
#include "data/settings/ProgramFiles.h"
#include "app/ui/SplashWnd.h"
#include "app/ui/TipOfTheDayDlg.h"
#include "controls/MarkupTooltip.h"
#include "controls/ProgressWnd.h"
#include "controls/SearchTableDlg.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Table.h"
#include "data/records/Task.h"
#include "guests/core/GuestFilter.h"
#include "guests/ui/GuestFilterDialog.h"
#include "guests/ui/GuestGeneralInfoDlg.h"
#include "guests/ui/ImportGuestDlg.h"
#include "guests/ui/ImportGuestsOptionsDlg.h"
#include "guests/ui/KidsDlg.h"
#include "guests/ui/MultiGuestOperationDlg.h"
#include "guests/ui/RenameDlg.h"
#include "guests/ui/SelectGuestsDlg.h"
#include "planner/core/TaskEdits.h"
#include "planner/ui/CreateTaskDlg.h"
#include "planner/ui/DateDialog.h"
#include "planner/ui/TasksTreeDlg.h"
#include "seating/ui/SeatingChartView.h"
#include "seating/core/ArrivalEdits.h"
#include "seating/ui/AproveGuestComming.h"
#include "seating/ui/SelectTableDlg.h"
#include "reports/ui/DesignAddressDlg.h"
#include "reports/ui/DesignTableCardsDlg.h"
#include "reports/ui/PrintsView.h"
#include "seating/ui/TableDefDlg.h"
#include "seating/ui/WalkInGuestDlg.h"
#include "seating/ui/TableDlg.h"
#include "data/records/Category.h"
#include "seating/core/SketchEdits.h"
#include "seating/ui/GanDesignView.h"
#include "seating/ui/NewShapeDlg.h"
#include "seating/ui/SketchCanvas.h"
#include "seating/ui/TableLayoutSettingsDlg.h"
#include "data/records/Expence.h"
#include "data/records/Offer.h"
#include "finance/core/BudgetEdits.h"
#include "finance/core/BudgetTotals.h"
#include "finance/core/ExpenseEdits.h"
#include "finance/core/GiftEdits.h"
#include "finance/core/PaymentPlan.h"
#include "finance/ui/AddCategory.h"
#include "finance/ui/AddOffer.h"
#include "finance/ui/BudgetView.h"
#include "finance/ui/DatePickerDlg.h"
#include "finance/ui/DolarRateDlg.h"
#include "finance/ui/ExpencesDlg.h"
#include "finance/ui/ExpencesView.h"
#include "finance/ui/GiftsView.h"
#include "finance/ui/MatanotDlg.h"
#include "finance/ui/PaymentDlg.h"
#include "data/storage/DataLocation.h"
#include "data/storage/IniFile.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/document/Platform.h"
#include "data/document/RecoveryCopy.h"
#include "data/document/UserMessages.h"
#include "data/storage/DataFolderLock.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QDialog>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// Every question is answered Yes (or OK): nothing may wait for a user here.
class CYesMessages : public IUserMessages
{
public:
    int MessageByText(const QString&, const QString&, int buttons, const QRect&) override
    {
        return buttons == MSG_OK ? MSG_RESULT_OK : MSG_RESULT_YES;
    }
};

class CQuietPlatform : public IPlatform
{
public:
    bool OpenUrl(const QString&) override { return true; }
    bool OpenFile(const QString&) override { return true; }
    bool StartProgram(const QString&, const QStringList&) override { return true; }
    bool ComposeMail(const QString&, const QString&, const QStringList&) override { return true; }
    QString ChooseFile(const QString&, const QString&) override { return QString(); }
    QString ChooseFolder(const QString&, const QString&) override { return QString(); }
};

class CShooter
{
public:
    CShooter(const QString& folder, const QString& language) : m_folder(folder), m_language(language) {}

    void Shoot(QWidget& widget, const QString& name)
    {
        widget.show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        Save(widget.grab(), name);
        // On a real display the window manager places and frames the window: the screen shows what
        // a user sees, frame and all.
        if (QGuiApplication::platformName() == QLatin1String("offscreen") || !widget.isWindow())
            return;
        QEventLoop settle;
        QTimer::singleShot(500, &settle, &QEventLoop::quit);
        settle.exec();
        const QRect frame = widget.frameGeometry();
        Save(widget.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()),
             name + QStringLiteral("-framed"));
        // The next window is shot alone.
        widget.hide();
    }

private:
    void Save(const QPixmap& picture, const QString& name)
    {
        const QString path = QDir(m_folder).filePath(name + QLatin1Char('-') + m_language + QStringLiteral(".png"));
        if (picture.save(path))
            QTextStream(stdout) << path << '\n';
        else
            QTextStream(stderr) << "cannot write " << path << '\n';
    }

    QString m_folder;
    QString m_language;
};

// Shows a message as the program's box and takes its picture; answers No (or OK).
class CShootingMessages : public IUserMessages
{
public:
    CShootingMessages(CShooter& shooter, const QString& name) : m_shooter(shooter), m_name(name) {}

    int MessageByText(const QString& text, const QString& caption, int buttons, const QRect&) override
    {
        CHebrewMsg box(text, caption, buttons);
        m_shooter.Shoot(box, m_name);
        return buttons == MSG_OK ? MSG_RESULT_OK : MSG_RESULT_NO;
    }

private:
    CShooter& m_shooter;
    QString m_name;
};

// The two questions that keep changes from being lost, raised by their real steps, and the title
// of a window with unsaved changes.
void ShootNothingLost(CShooter& shooter, CNewZelApp& app, IUserMessages& messages, IPlatform& platform)
{
    QTemporaryDir folder;
    const QString data = folder.filePath(QStringLiteral("Data"));
    CDataFolderLock open(data);
    open.TryTake();
    CDataFolderLock second(data);
    CShootingMessages inUse(shooter, QStringLiteral("dialog-folder-in-use"));
    CNewZelApp::ClaimDataFolder(second, inUse);

    CDataLocation location(data);
    {
        CNewZelDoc crashed(location, &messages);
        crashed.DiscardOnClose();
        crashed.LoadEvent();
        CRecoveryCopy copy(crashed);
        crashed.AddGuest(QStringLiteral("דנה"), QStringLiteral("לוי"), nullptr);
        copy.WriteNow();
    }
    CShootingMessages restore(shooter, QStringLiteral("dialog-restore"));
    CNewZelDoc document(location, &restore);
    document.DiscardOnClose();
    document.LoadEvent();
    CRecoveryCopy copy(document);
    copy.OfferRestore();

    CMainFrame frame(document, app, messages, platform, 1280);
    frame.resize(1280, 800);
    shooter.Shoot(frame, QStringLiteral("unsaved"));
    QTextStream(stdout) << "window title: " << frame.windowHandle()->title() << '\n';
}

void ShootLayout(CShooter& shooter, CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages,
                 IPlatform& platform, const QString& variant, QSize size)
{
    CMainFrame frame(document, app, messages, platform, size.width());
    frame.resize(size);
    frame.show();
    frame.activateWindow();
    QApplication::processEvents();
    for (int position : frame.Layout().Positions()) {
        if (position == CPageLayout::kTablesGroup)
            continue;
        frame.ShowPage(position);
        const int parent = frame.Layout().Parent(position);
        const QString name = parent ? QStringLiteral("%1-%2-%3").arg(variant).arg(parent).arg(position, 2, 10, QLatin1Char('0'))
                                    : QStringLiteral("%1-%2").arg(variant).arg(position, 2, 10, QLatin1Char('0'));
        shooter.Shoot(frame, name);
    }
    if (variant == QLatin1String("normal")) {
        const QList<QAction*> menus = frame.menuBar()->actions();
        for (int i = 0; i < menus.size(); ++i) {
            QMenu* menu = menus[i]->menu();
            frame.UpdateCommandStates();
            menu->adjustSize();
            shooter.Shoot(*menu, QStringLiteral("menu-%1").arg(i + 1));
            menu->hide();
        }
    }
    frame.hide();
}

// The money pages once an event is filled in: a rate, payments paid and unpaid, and their dialogs.
void ShootFilledFinance(CShooter& shooter, CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages,
                        IPlatform& platform)
{
    CExpenseEdits edits(document);
    edits.SetDollarRate(3.75);
    const QList<CExpence*> expenses = document.Expenses();
    CPaymentPlan hall;
    hall.Add({20000, 0, true, ShortDate{2026, 3, 5}, QStringLiteral("מקדמה")});
    hall.Add({45000, 0, false, ShortDate{2026, 8, 20}, QString()});
    hall.Add({0, 1500, false, ShortDate{2026, 8, 21}, QStringLiteral("בדולרים")});
    edits.Edit(*expenses[1], hall, CPaymentDlg::PayerChoices()[5], expenses[1]->GetName(),
               QStringLiteral("לסגור מחיר\r\nלשאול על חניה"));
    edits.SetAmount(*expenses[0], CExpenseEdits::Currency::Shekels, QStringLiteral("52000"));
    edits.SetDate(*expenses[0], ShortDate{2026, 7, 1});
    edits.SetAmount(*expenses[2], CExpenseEdits::Currency::Dollars, QStringLiteral("2400"));
    edits.SetFullyPaid(*expenses[2]);
    edits.SetComments(*expenses[2], QStringLiteral("כולל אלבום"));

    const bool hebrew = Language::IsHebrew();
    const struct
    {
        QString name, family, gift, comment;
        int shekels, dollars;
    } gifts[] = {
        {hebrew ? QStringLiteral("דנה") : QStringLiteral("Dana"), hebrew ? QStringLiteral("לוי") : QStringLiteral("Levi"),
         hebrew ? QStringLiteral("סט כוסות") : QStringLiteral("Glasses"), QString(), 500, 100},
        {hebrew ? QStringLiteral("רון ומיכל") : QStringLiteral("Ron and Michal"),
         hebrew ? QStringLiteral("כהן") : QStringLiteral("Cohen"), QString(),
         hebrew ? QStringLiteral("צ'ק דחוי") : QStringLiteral("Post-dated cheque"), 1200, 0},
        {hebrew ? QStringLiteral("אבי") : QStringLiteral("Avi"), hebrew ? QStringLiteral("מור") : QStringLiteral("Mor"),
         QString(), QString(), 0, 250},
    };
    CGiftEdits giftEdits(document);
    for (const auto& gift : gifts)
        giftEdits.Set(*document.AddGuest(gift.name, gift.family, nullptr), gift.gift, gift.comment, gift.shekels,
                      gift.dollars);

    CMainFrame frame(document, app, messages, platform, 1280);
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    frame.ShowPage(CGiftsView::kPosition);
    shooter.Shoot(frame, QStringLiteral("filled-05"));
    frame.ShowPage(CExpencesView::kPosition);
    if (auto* view = frame.findChild<CExpencesView*>())
        view->SelectExpense(expenses[1]);
    shooter.Shoot(frame, QStringLiteral("filled-06"));
    frame.hide();

    CPaymentDlg expense(expenses[1], &messages);
    shooter.Shoot(expense, QStringLiteral("dialog-expense"));
    CPaymentDlg newExpense(nullptr, &messages);
    shooter.Shoot(newExpense, QStringLiteral("dialog-expense-new"));
    CExpencesDlg payment(*hall.At(0), &messages);
    shooter.Shoot(payment, QStringLiteral("dialog-payment"));
    CDolarRateDlg rate(3.75, &messages);
    shooter.Shoot(rate, QStringLiteral("dialog-dollar-rate"));
    CDatePickerDlg picker(QStringLiteral("תאריך התשלום"), ShortDate{2026, 8, 20});
    shooter.Shoot(picker, QStringLiteral("dialog-date"));
    CMatanotDlg gift(*document.Guests().front(), &messages);
    shooter.Shoot(gift, QStringLiteral("dialog-gift"));
}

// The budget page with offers in two options, one priced per guest and one whose category is gone,
// and its dialogs.
void ShootFilledBudget(CShooter& shooter, CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages,
                       IPlatform& platform)
{
    const bool hebrew = Language::IsHebrew();
    CBudgetEdits edits(document);
    edits.SetCeiling(QStringLiteral("90000"));
    const QList<COffer*> examples = document.Offers();
    COffer* hall = edits.AddOffer({hebrew ? QStringLiteral("גן האירועים בכפר") : QStringLiteral("Village Garden Hall"),
                                   document.Categories()[2]->GetName(),
                                   hebrew ? QStringLiteral("כולל חניה ומפיק\r\nמחיר למנה") : QStringLiteral("Parking included"),
                                   180, true, 250});
    COffer* drone = edits.AddOffer({hebrew ? QStringLiteral("רחפן צילום") : QStringLiteral("Drone video"),
                                    hebrew ? QStringLiteral("צילומי אוויר") : QStringLiteral("Aerial video"), QString(),
                                    2500, false, 0});
    for (COffer* offer : {examples[0], examples[2], examples[3], hall})
        edits.MoveIntoOption(*offer, 0);
    for (COffer* offer : {examples[1], examples[4], drone})
        edits.MoveIntoOption(*offer, 1);

    CMainFrame frame(document, app, messages, platform, 1280);
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    frame.ShowPage(CBudgetView::kPosition);
    auto* view = frame.findChild<CBudgetView*>();
    if (view)
        view->SelectOffer(hall);
    shooter.Shoot(frame, QStringLiteral("filled-13"));
    if (view)
        view->ShowOption(1);
    shooter.Shoot(frame, QStringLiteral("filled-13-option2"));
    frame.hide();

    QStringList categories;
    for (const CCategory* category : document.Categories())
        categories.append(category->GetName());
    const int guests = CBudgetTotals::GuestCount(document);
    CAddOffer offer(hall, categories, hall->GetCategory(), guests, &messages);
    shooter.Shoot(offer, QStringLiteral("dialog-offer"));
    CAddOffer newOffer(nullptr, categories, categories.value(0), guests, &messages);
    shooter.Shoot(newOffer, QStringLiteral("dialog-offer-new"));
    CAddCategory category(categories.value(0));
    shooter.Shoot(category, QStringLiteral("dialog-category"));
}

// The seating chart of a seated 300-guest event: 30 tables, one over its seats, a few guests still
// unseated, a guest highlighted, and then a guest dragged over another table.
void ShootSeatingChart(CShooter& shooter, CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages,
                       IPlatform& platform)
{
    const bool hebrew = Language::IsHebrew();
    const QStringList first = hebrew ? QStringList{"דנה", "רון", "מיכל", "אבי", "נועה", "יוסי", "שירה", "עומר"}
                                     : QStringList{"Dana", "Ron", "Michal", "Avi", "Noa", "Yossi", "Shira", "Omer"};
    const QStringList family = hebrew ? QStringList{"לוי", "כהן", "מזרחי", "פרץ", "ביטון", "אברהם", "פרידמן"}
                                      : QStringList{"Levi", "Cohen", "Mizrahi", "Peretz", "Biton", "Avraham", "Friedman"};
    while (document.Tables().size() <= 30)
        document.CreateTable((hebrew ? QStringLiteral("שולחן משפחה %1") : QStringLiteral("Family table %1"))
                                 .arg(document.Tables().size()), -1, 12);
    for (int i = 0; i < 300; ++i) {
        CGuest* guest = document.AddGuest(first[i % first.size()], family[(i / 3) % family.size()], nullptr);
        guest->SetComing(1 + i % 2);
        guest->SetTableIndex(i % 25 == 0 ? 0 : 1 + i % 30);
    }
    CMainFrame frame(document, app, messages, platform, 1280);
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    frame.ShowPage(CSeatingChartView::kPosition);
    auto* chart = frame.findChild<CSeatingChartView*>();
    if (!chart)
        return;
    chart->SelectBox(2, chart->Chart().Boxes()[2].guests.value(1));
    shooter.Shoot(frame, QStringLiteral("filled-08"));
    const QPoint from = chart->LineRect(3, 0).center();
    const QPoint to = chart->BoxRect(6).center();
    QMouseEvent press(QEvent::MouseButtonPress, from, chart->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(chart, &press);
    QMouseEvent move(QEvent::MouseMove, to, chart->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(chart, &move);
    shooter.Shoot(frame, QStringLiteral("filled-08-drag"));
    QMouseEvent release(QEvent::MouseButtonRelease, from, chart->mapToGlobal(from), Qt::LeftButton, {}, {});
    QApplication::sendEvent(chart, &release);
    frame.hide();
}

// The reports page over the filled event, a guest list and a table report, and the designers.
void ShootReports(CShooter& shooter, CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages, IPlatform& platform)
{
    CMainFrame frame(document, app, messages, platform, 1280);
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    frame.ShowPage(CPrintsView::kPosition);
    auto* view = frame.findChild<CPrintsView*>();
    if (!view)
        return;
    view->ShowReport(ReportCatalogue::Kind::GuestsByFamilyName);
    shooter.Shoot(frame, QStringLiteral("filled-12-guests"));
    view->ShowReport(ReportCatalogue::Kind::TablesByHallNumber);
    shooter.Shoot(frame, QStringLiteral("filled-12-tables"));
    view->ShowReport(ReportCatalogue::Kind::TableCards);
    shooter.Shoot(frame, QStringLiteral("filled-12-cards"));
    frame.hide();
    CDesignTableCardsDlg cards(document);
    shooter.Shoot(cards, QStringLiteral("dialog-design-cards"));
    CDesignAddressDlg labels(document);
    shooter.Shoot(labels, QStringLiteral("dialog-design-labels"));
}

// The dialogs of the guest and table pages, over the example event.
void ShootRecordDialogs(CShooter& shooter, CNewZelDoc& document, IUserMessages& messages)
{
    QStringList groups;
    for (const CGroup* group : document.Groups())
        groups.append(group->GetName());
    CTableDlg newTable(groups, {CTableDlg::DefaultName(), 10, 3}, -1, &messages);
    shooter.Shoot(newTable, QStringLiteral("dialog-table"));
    CTableDlg editTable(groups, {QStringLiteral("חברים מהצבא"), 12, 4}, 4, &messages);
    shooter.Shoot(editTable, QStringLiteral("dialog-table-edit"));
    CTableDefDlg tableSettings(document);
    shooter.Shoot(tableSettings, QStringLiteral("dialog-table-settings"));
    CSearchTableDlg search(false, QStringLiteral("דנה"), QStringLiteral("3"), true, false);
    shooter.Shoot(search, QStringLiteral("dialog-search"));
    CMultiGuestOperationDlg multi(document);
    shooter.Shoot(multi, QStringLiteral("dialog-multi-guest"));
    CGuestFilter filter;
    filter.useRelation = true;
    filter.relation = QStringLiteral("הכלה");
    CGuestFilterDialog guestFilter(document, filter);
    shooter.Shoot(guestFilter, QStringLiteral("dialog-guest-filter"));
    const QList<CGuest*>& guests = document.Guests();
    if (guests.isEmpty())
        return;
    CKidsDlg kids(*guests.first(), &messages);
    shooter.Shoot(kids, QStringLiteral("dialog-kids"));
    CGuestGeneralInfoDlg restrictions(document, *guests.first());
    shooter.Shoot(restrictions, QStringLiteral("dialog-restrictions"));
    QStringList names;
    for (const CGuest* guest : guests)
        names.append(guest->GetFullName());
    CSelectGuestsDlg select(names);
    shooter.Shoot(select, QStringLiteral("dialog-select-guests"));
}

// The task tree with a few tasks (the event is not saved) and the dialogs of the meetings page.
void ShootPlannerDialogs(CShooter& shooter, CNewZelDoc& document, IUserMessages& messages)
{
    CTaskEdits tasks(document);
    CTask* music = tasks.Add(document.RootTask(), QStringLiteral("מוזיקה"), QStringLiteral("להקה או תקליטן"), false);
    tasks.SetDone(*tasks.Add(*music, QStringLiteral("לשמוע את הלהקה"), QString(), true), true);
    tasks.Add(*music, QStringLiteral("לבחור שיר לחופה"), QString(), true);
    tasks.Add(document.RootTask(), QStringLiteral("הזמנות"), QString(), false);
    CTasksTreeDlg tree(&document);
    shooter.Shoot(tree, QStringLiteral("dialog-task-tree"));
    CCreateTaskDlg task(QStringLiteral("הזמנות"), QStringLiteral("לבחור עיצוב\r\nלהדפיס"), true);
    shooter.Shoot(task, QStringLiteral("dialog-task"));
    CDateDialog date(ShortDate::Today(), &messages);
    shooter.Shoot(date, QStringLiteral("dialog-date"));
}

// The four pages of the new-event wizard (the names page for a wedding and for a bar mitzvah), the
// switch and details dialogs, and the restore dialog over a few checkpoints.
void ShootEventDialogs(CShooter& shooter, CNewZelDoc& document)
{
    CNewEventWizard wizard(document, true);
    for (int page = CNewEventWizard::TypePage; page <= CNewEventWizard::GroupsPage; ++page) {
        wizard.ShowPage(page);
        shooter.Shoot(wizard, QStringLiteral("dialog-wizard-%1").arg(page + 1));
    }
    wizard.ShowPage(CNewEventWizard::NamesPage);
    wizard.BrideName()->setText(QStringLiteral("דנה"));
    wizard.GroomName()->setText(QStringLiteral("אבי"));
    wizard.GroomName()->textEdited(wizard.GroomName()->text());
    shooter.Shoot(wizard, QStringLiteral("dialog-wizard-3-wedding"));
    wizard.Types()->setCurrentRow(3);
    shooter.Shoot(wizard, QStringLiteral("dialog-wizard-3-bar-mitzvah"));
    wizard.hide();
    document.Events().Active()->SetName(QStringLiteral("החתונה של דנה ואבי"));
    CSelectEvent select(document);
    shooter.Shoot(select, QStringLiteral("dialog-switch-event"));
    CWeddingInfoDlg details(document);
    shooter.Shoot(details, QStringLiteral("dialog-event-details"));
    const CCheckpointStore store(document.Location().GetBackupFolder());
    for (int day = 1; day <= 3; ++day)
        store.Take(document.Location().GetEventFolder(), QDateTime(QDate(2026, 11, day), QTime(9 + day, 4, 0)));
    CBackUpDlg restore(document);
    shooter.Shoot(restore, QStringLiteral("dialog-backup-restore"));
}

// The import dialog listing the candidates of a small sheet, and its options; nothing is added.
void ShootImportDialogs(CShooter& shooter, CNewZelDoc& document, IPlatform& platform)
{
    QTemporaryDir folder;
    const QString sheet = folder.filePath(QStringLiteral("guests.csv"));
    QFile file(sheet);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QStringLiteral("שם,שם משפחה,שיכות,קבוצה,מספר מוזמנים\n"
                              "דנה,לוי,כלה,חברים,3\nרון,כהן,חתן,עבודה,2\nMichael,Anderson-Whitfield,משותף,,4\n")
                   .toUtf8());
    file.close();
    CImportGuestDlg import(document, platform);
    import.ReadSheet(sheet);
    shooter.Shoot(import, QStringLiteral("dialog-import"));
    CImportGuestsOptionsDlg options(false, QStringLiteral("מוזמנים מיובאים"));
    shooter.Shoot(options, QStringLiteral("dialog-import-options"));
}

// The groups page and the real-time page once guests are sorted into groups and seated, and the
// dialogs of both.
void ShootGroupsAndArrivals(CShooter& shooter, CNewZelDoc& document, CNewZelApp& app, CNewZelApp& realTimeApp,
                            IUserMessages& messages, IPlatform& platform)
{
    const QStringList groups = {QStringLiteral("חברים מהצבא"), QStringLiteral("משפחה"), QStringLiteral("עבודה")};
    const QStringList names = {QStringLiteral("דנה"), QStringLiteral("רון"), QStringLiteral("מיכל"), QStringLiteral("יוסי"),
                               QStringLiteral("נועה"), QStringLiteral("איתי"), QStringLiteral("שירה")};
    const QStringList relations = {QStringLiteral("הכלה"), QStringLiteral("החתן"), QStringLiteral("משותף")};
    for (const QString& group : groups)
        document.AddGroup(group, nullptr);
    const CTable* first = document.CreateTable(QStringLiteral("משפחה קרובה"), -1, 10);
    document.CreateTable(QStringLiteral("חברים"), -1, 12);
    for (int i = 0; i < 14; ++i) {
        document.AddGuest(names[i % names.size()], i % 2 ? QStringLiteral("כהן") : QStringLiteral("לוי"), nullptr,
                          [&](CGuest& guest) {
                              guest.SetGroupName(groups[i % groups.size()]);
                              guest.SetRelation(relations[i % relations.size()]);
                              guest.SetInvited(2 + i % 3);
                              guest.SetComing(2 + i % 3);
                              guest.SetStatus(i % 3 == 0 ? 1 : 0);
                              guest.SetTableIndex(i % 3 ? first->GetId() : 0);
                          });
    }
    {
        CMainFrame frame(document, app, messages, platform, 1280);
        frame.resize(1280, 800);
        frame.show();
        frame.ShowPage(4);
        shooter.Shoot(frame, QStringLiteral("filled-04"));
        frame.hide();
    }
    {
        CMainFrame frame(document, realTimeApp, messages, platform, 1280);
        frame.resize(1280, 800);
        frame.show();
        frame.ShowPage(14);
        shooter.Shoot(frame, QStringLiteral("filled-realtime-14"));
        frame.hide();
    }
    CRenameDlg add(QStringLiteral("הוספת קבוצה"), QStringLiteral("קבוצה חדשה"), true, &messages);
    shooter.Shoot(add, QStringLiteral("dialog-group-add"));
    CArrivalEdits rules(document);
    CAproveGuestComming arrival(rules, 3);
    shooter.Shoot(arrival, QStringLiteral("dialog-arrival"));
    CSelectTableDlg select(rules.TableChoices(*document.Guests().front(), 4), true, &messages);
    shooter.Shoot(select, QStringLiteral("dialog-select-table"));
    CWalkInGuestDlg walkIn;
    shooter.Shoot(walkIn, QStringLiteral("dialog-walk-in"));
}

void ShootSharingDialog(CShooter& shooter, CNewZelDoc& document, IPlatform& platform)
{
    CFtpServerDataDlg sharing(document, platform);
    sharing.Server()->setText(QStringLiteral("ftp.example.com:2121"));
    sharing.User()->setText(QStringLiteral("dana-avi"));
    sharing.Password()->setText(QStringLiteral("password"));
    sharing.SavePassword()->setChecked(true);
    sharing.AutoUpload()->setChecked(true);
    shooter.Shoot(sharing, QStringLiteral("dialog-ftp-settings"));
}

void ShootDialogs(CShooter& shooter, CNewZelDoc& document, IUserMessages& messages)
{
    ShootEventDialogs(shooter, document);
    CAppDefinesDlg settings(document, &messages);
    shooter.Shoot(settings, QStringLiteral("dialog-settings"));
    CTipOfTheDayDlg tip(CTipOfTheDayDlg::TipsFolder(), 1);
    shooter.Shoot(tip, QStringLiteral("dialog-tip"));
    CHebrewMsg box(QStringLiteral("ישנם שינוים בילתי שמורים. האם לשמור ?"), QStringLiteral("שמירת שינוים?"),
                   MSG_YES_NO_CANCEL);
    shooter.Shoot(box, QStringLiteral("dialog-message"));
    CHebrewMsg longBox(StringTable::Get(59710), StringTable::Get(59711), MSG_YES_NO);
    shooter.Shoot(longBox, QStringLiteral("dialog-newversion"));
    CProgressWnd progress;
    progress.Begin(StringTable::Get(59463));
    progress.SetPercent(60);
    shooter.Shoot(progress, QStringLiteral("dialog-progress"));
    CSplashWnd splash;
    shooter.Shoot(splash, QStringLiteral("splash"));
    ShootRecordDialogs(shooter, document, messages);
    ShootPlannerDialogs(shooter, document, messages);
    QLabel tooltip(CMarkupTooltip::FromStringTable(59727));
    tooltip.setStyleSheet(QStringLiteral("background: #ffffdc; border: 1px solid #888; padding: 4px;"));
    shooter.Shoot(tooltip, QStringLiteral("tooltip-save"));
}

// The hall sketch of a seated 300-guest event with a dance floor, a stage, a bar and loudspeakers,
// the page with a table and a shape selected, and the sketch's dialogs.
void ShootSketch(CShooter& shooter, CNewZelDoc& document, CNewZelApp& app, IUserMessages& messages,
                 IPlatform& platform)
{
    while (document.Tables().size() <= 30)
        document.CreateTable(QStringLiteral("שולחן %1").arg(document.Tables().size()), -1, 10);
    for (int i = 0; i < 300; ++i) {
        CGuest* guest = document.AddGuest(QStringLiteral("אורח %1").arg(i), QStringLiteral("לוי"), nullptr);
        guest->SetInvited(1);
        guest->SetComing(1);
        guest->SetTableIndex(1 + i % 30);
    }
    CSketchEdits edits(document);
    const struct
    {
        int kind;
        const char* text;
        CShape::Area area;
        int color;
    } shapes[] = {
        {CShape::KindRectangle, "רחבת ריקודים", {180, 580, 680, 780}, 0xC8E6FF},
        {CShape::KindRectangle, "במה", {760, 580, 1060, 720}, 0x99CCFF},
        {CShape::KindCircle, "בר", {1100, 40, 1220, 160}, 0xB4F0C8},
        {CShape::KindSpeaker, "רמקול", {700, 740, 760, 830}, 0xDDDDDD},
        {CShape::KindSpeaker, "רמקול", {1080, 740, 1140, 830}, 0xDDDDDD},
    };
    for (const auto& shape : shapes) {
        CShape* added = edits.Add(shape.kind, {QString::fromUtf8(shape.text), shape.area.Width(), shape.area.Height(),
                                                shape.color, QString()});
        added->SetArea(shape.area);
    }
    CMainFrame frame(document, app, messages, platform, 1280);
    frame.resize(1280, 900);
    frame.show();
    frame.ShowPage(CGanDesignView::kPosition);
    QApplication::processEvents();
    shooter.Shoot(frame, QStringLiteral("sketch-help"));
    auto* view = frame.findChild<CGanDesignView*>();
    CSketchCanvas* canvas = view->Canvas();
    canvas->SetHelpShown(false);
    canvas->Select(canvas->Shapes()[4]);
    canvas->Select(canvas->Shapes()[30], true);
    QApplication::processEvents();
    shooter.Shoot(frame, QStringLiteral("sketch"));
    frame.hide();

    CNewShapeDlg::Values values;
    values.details = {QStringLiteral("רחבת ריקודים"), 500, 200, 0xC8E6FF, QStringLiteral("Floor")};
    CNewShapeDlg details(values, true, &messages);
    shooter.Shoot(details, QStringLiteral("dialog-shape"));
    CTableLayoutSettingsDlg display(true);
    shooter.Shoot(display, QStringLiteral("dialog-sketch-display"));
}

}

// The send-SMS dialog on both its pages and the approvals dialog with answers for the first guests.
void ShootSmsAndApprovals(CShooter& shooter, CNewZelDoc& document)
{
    const QList<CGuest*>& guests = document.Guests();
    if (guests.size() >= 2) {
        guests[0]->SetMobilePhone(QStringLiteral("054-1234567"));
        guests[1]->SetMobilePhone(QStringLiteral("0501234567"));
    }
    CSendSMSDlg sms(document, guests.value(0));
    shooter.Shoot(sms, QStringLiteral("dialog-sms-people"));
    sms.Tabs()->setCurrentWidget(sms.Settings());
    sms.Settings()->MessageField()->setPlainText(SmsText::ReadyMessages(QString()).at(1));
    shooter.Shoot(sms, QStringLiteral("dialog-sms-settings"));
    QList<CApprovalEdits::Answer> answers;
    for (int i = 0; i < qMin(3, int(guests.size())); ++i)
        answers.append({guests[i], i == 1 ? 0 : i + 2});
    CApprovalFromSiteDlg approvals(document, answers);
    shooter.Shoot(approvals, QStringLiteral("dialog-approvals"));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("he or en"), QStringLiteral("he|en"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder of the pictures"), QStringLiteral("DIR"));
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("A fresh data folder"), QStringLiteral("DIR"));
    parser.addOptions({lang, out, data});
    parser.process(app);
    UiLanguage language = UiLanguage::Hebrew;
    if (!Language::FromOption(parser.value(lang), language) || !parser.isSet(out) || !parser.isSet(data)) {
        std::fprintf(stderr, "usage: ravivaz-screenshots --lang he|en --out DIR --data DIR\n");
        return 2;
    }
    Language::Set(language);
    AppLook::Apply(app);
    QDir().mkpath(parser.value(out));

    CYesMessages messages;
    CQuietPlatform platform;
    CShooter shooter(parser.value(out), parser.value(lang));
    CDataLocation location(parser.value(data));
    CGeneralIni general;
    general.Load(ProgramFiles::Locate(QStringLiteral("General.ini")));
    CNewZelApp ravivaz(general, messages, platform);
    CNewZelDoc document(location, &messages);
    document.OnNewDocument();
    document.DiscardOnClose();

    // A page may ask a question the first time it is shown (the gifts page asks for the dollar
    // rate): the pictures are of the pages, so such a dialog is closed unanswered.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(50);

    ShootLayout(shooter, document, ravivaz, messages, platform, QStringLiteral("normal"), QSize(1280, 800));
    ShootLayout(shooter, document, ravivaz, messages, platform, QStringLiteral("narrow"), QSize(1000, 700));

    // The real-time layout comes from a General.ini that asks for it.
    QTemporaryDir realTimeFolder;
    const QString realTimeIni = realTimeFolder.filePath(QStringLiteral("General.ini"));
    QFile::copy(general.Path(), realTimeIni);
    CIniFile::WriteProfileString(realTimeIni, QStringLiteral("General"), QStringLiteral("REALTIME"), QStringLiteral("1"));
    CGeneralIni realTimeGeneral;
    realTimeGeneral.Load(realTimeIni);
    CNewZelApp realTimeApp(realTimeGeneral, messages, platform);
    ShootLayout(shooter, document, realTimeApp, messages, platform, QStringLiteral("realtime"), QSize(1280, 800));

    ShootDialogs(shooter, document, messages);
    ShootImportDialogs(shooter, document, platform);
    ShootSharingDialog(shooter, document, platform);
    ShootNothingLost(shooter, ravivaz, messages, platform);
    ShootFilledFinance(shooter, document, ravivaz, messages, platform);
    ShootFilledBudget(shooter, document, ravivaz, messages, platform);
    ShootSeatingChart(shooter, document, ravivaz, messages, platform);
    ShootGroupsAndArrivals(shooter, document, ravivaz, realTimeApp, messages, platform);
    ShootSmsAndApprovals(shooter, document);
    ShootReports(shooter, document, ravivaz, messages, platform);
    ShootSketch(shooter, document, ravivaz, messages, platform);
    return 0;
}
