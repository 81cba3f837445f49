#include "guests/core/GuestFilter.h"
#include "guests/ui/GuestFilterDialog.h"
#include "guests/ui/GuestGeneralInfoDlg.h"
#include "guests/ui/GuestInfoTab1.h"
#include "guests/ui/GuestInfoTab2.h"
#include "guests/ui/KidsDlg.h"
#include "guests/ui/MultiGuestOperationDlg.h"
#include "guests/ui/SelectGuestsDlg.h"
#include "guests/ui/GuestListModel.h"
#include "guests/ui/GuestsView.h"

#include "controls/ListCtrlEx.h"
#include "controls/SearchTableDlg.h"
#include "seating/ui/TableDefDlg.h"
#include "seating/ui/TableDlg.h"
#include "seating/ui/TablesView.h"

#include "ViewTestEvent.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QIcon>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

// Both pages drawn with a realistic event in both languages: the columns read in the language's
// direction and no caption, name or number is cut. With RAVIVAZ_SHOTS set to a folder, the
// pictures are written there for a look.
namespace {

struct GuestSeed
{
    const char* names;
    const char* family;
    int coming;
    int table;
    int group;
    int relation;
    int status;
};

const char* const kGroups[] = {"חברים מהצבא", "משפחה של הכלה", "עבודה של החתן", "חברי ילדות"};
const char* const kRelations[] = {"הכלה", "החתן", "משותף"};
const GuestSeed kGuests[] = {
    {"דנה ורון", "לוי", 2, 1, 0, 0, 1},      {"משה", "כהן", 1, 1, 0, 1, 0},         {"רותי ואבי", "מזרחי", 4, 2, 1, 0, 1},
    {"יעל", "פרידמן", 2, 2, 1, 0, 2},        {"אורי ושירה", "ביטון", 3, 3, 2, 1, 1}, {"נועה", "אברהם", 1, 0, 3, 2, 0},
    {"גיל ומיכל", "שפירא", 2, 3, 2, 1, 1},   {"תמר", "גולדברג", 2, 0, 3, 2, 0},      {"איתי", "דוד", 1, 1, 0, 1, 2},
    {"שני וליאור", "אוחיון", 5, 2, 1, 0, 1}, {"עומר", "רוזן", 2, 4, 2, 1, 0},        {"הדר ויובל", "קליין", 2, 4, 3, 2, 1},
};
const char* const kTables[] = {"חברים מהצבא", "משפחת הכלה", "עבודה", "ילדות"};

class ViewRenderTest : public ::testing::TestWithParam<UiLanguage>
{
protected:
    ViewRenderTest()
        : m_event(GetParam())
    {
        CNewZelDoc& document = m_event.Doc();
        for (const char* group : kGroups)
            m_event.AddGroups({QString::fromUtf8(group)});
        m_event.SetRealTables(4, 10);
        for (int n = 0; n < 4; ++n)
            document.Tables()[n + 1]->SetName(QString::fromUtf8(kTables[n]));
        for (const GuestSeed& seed : kGuests)
            m_event.AddGuest(QString::fromUtf8(seed.names), QString::fromUtf8(seed.family), seed.coming, seed.table,
                             QString::fromUtf8(kGroups[seed.group]), QString::fromUtf8(kRelations[seed.relation]), seed.status);
        // Table 2 holds more people than seats: it carries the red mark.
        document.Tables()[2]->SetSeats(8);
    }

    void Save(QWidget& widget, const QString& name)
    {
        const QString folder = qEnvironmentVariable("RAVIVAZ_SHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        const QString language = GetParam() == UiLanguage::Hebrew ? QStringLiteral("he") : QStringLiteral("en");
        EXPECT_TRUE(widget.grab().save(folder + QStringLiteral("/%1-%2.png").arg(name, language)));
    }

    bool Hebrew() const { return GetParam() == UiLanguage::Hebrew; }

    // Every shown cell's text and every caption fit their column.
    static void ExpectNothingCut(CListCtrlEx& list)
    {
        QAbstractItemModel* model = list.model();
        const QFontMetrics cells(list.font());
        const QFontMetrics captions(list.horizontalHeader()->font());
        for (int column = 0; column < model->columnCount(); ++column) {
            if (list.isColumnHidden(column) || list.columnWidth(column) == 0)
                continue;
            const int width = list.columnWidth(column);
            const QString caption = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            EXPECT_LE(captions.horizontalAdvance(caption) + 12, width) << caption.toStdString();
            for (int row = 0; row < model->rowCount(); ++row) {
                const QModelIndex index = model->index(row, column);
                int room = width - 8;
                if (!index.data(Qt::DecorationRole).isNull())
                    room -= 20;
                if (index.data(Qt::CheckStateRole).isValid())
                    room -= 20;
                EXPECT_LE(cells.horizontalAdvance(index.data().toString()), room)
                    << caption.toStdString() << " row " << row << ": " << index.data().toString().toStdString();
            }
        }
    }

    // In Hebrew the first column stands at the right.
    void ExpectDirection(CListCtrlEx& list, int first, int later)
    {
        const int firstX = list.horizontalHeader()->sectionViewportPosition(first);
        const int laterX = list.horizontalHeader()->sectionViewportPosition(later);
        if (Hebrew())
            EXPECT_GT(firstX, laterX);
        else
            EXPECT_LT(firstX, laterX);
    }

    CViewTestEvent m_event;
};

}

TEST_P(ViewRenderTest, TheGuestsPage)
{
    CGuestsView view(m_event.Doc());
    view.resize(1280, 720);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.List()->SelectRow(2);
    QApplication::processEvents();
    EXPECT_EQ(view.layoutDirection(), Hebrew() ? Qt::RightToLeft : Qt::LeftToRight);
    ExpectDirection(*view.List(), CGuestListModel::ColSerial, CGuestListModel::ColNames);
    ExpectDirection(*view.StatisticsList(), CGuestStatisticsModel::ColLabel, CGuestStatisticsModel::ColComing);
    ExpectNothingCut(*view.List());
    ExpectNothingCut(*view.StatisticsList());
    // The details page fits beside the list.
    EXPECT_LE(view.Tab1()->sizeHint().height(), view.Tab1()->height() + 4);
    EXPECT_TRUE(view.Tab1()->SeatButton()->isVisible());
    Save(view, QStringLiteral("guests"));
}

TEST_P(ViewRenderTest, TheTablesPage)
{
    CTablesView view(m_event.Doc());
    view.resize(1280, 720);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.SelectTable(2);
    QApplication::processEvents();
    ExpectDirection(*view.TablesList(), CTableListModel::ColNumber, CTableListModel::ColName);
    ExpectDirection(*view.GuestsList(), CTableGuestsModel::ColName, CTableGuestsModel::ColGroup);
    ExpectNothingCut(*view.TablesList());
    ExpectNothingCut(*view.GuestsList());
    EXPECT_TRUE(view.TableModel().IsOverCapacity(2));
    Save(view, QStringLiteral("tables"));
}

TEST_P(ViewRenderTest, TheSecondDetailsPage)
{
    CGuest* guest = m_event.Doc().Guests()[2];
    guest->SetGift(QStringLiteral("שיק"));
    guest->SetGiftShekels(750);
    guest->SetGiftDollars(200);
    guest->SetTransport(1);
    CGuestsView view(m_event.Doc());
    view.resize(1280, 720);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.List()->SelectRow(2);
    view.Tabs()->setCurrentWidget(view.Tab2());
    QApplication::processEvents();
    EXPECT_TRUE(view.Tab2()->GiftAmount()->isVisible());
    EXPECT_EQ(view.Tab2()->GiftAmount()->text(), Hebrew() ? QStringLiteral("750") : QStringLiteral("200"));
    EXPECT_LE(view.Tab2()->minimumSizeHint().height(), view.Tab2()->height());
    Save(view, QStringLiteral("guest-details-2"));
}

// The program's look: its font families and the icon theme that gives dialog buttons pictures.
class CProgramLook
{
public:
    CProgramLook()
        : m_font(QApplication::font())
        , m_themePaths(QIcon::themeSearchPaths())
        , m_theme(QIcon::themeName())
    {
        QFont font = m_font;
        font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Hebrew"), QStringLiteral("DejaVu Sans")});
        QApplication::setFont(font);
        QIcon::setThemeSearchPaths(m_themePaths + QStringList{QStringLiteral("/usr/share/icons")});
        QIcon::setThemeName(QStringLiteral("breeze"));
    }
    ~CProgramLook()
    {
        QApplication::setFont(m_font);
        QIcon::setThemeSearchPaths(m_themePaths);
        QIcon::setThemeName(m_theme);
    }

private:
    QFont m_font;
    QStringList m_themePaths;
    QString m_theme;
};

// Nothing of a wrapped text is painted beside it, in the dialog's margins, at any width from the
// narrowest the dialog takes: where a line breaks depends on the width.
void ExpectTextsInside(QDialog& dialog)
{
    const QSize shown = dialog.size();
    const QRgb background = dialog.palette().color(QPalette::Window).rgb();
    for (int width = dialog.minimumSizeHint().width(); width < dialog.minimumSizeHint().width() + 120; width += 3) {
        dialog.resize(width, shown.height());
        const QImage picture = dialog.grab().toImage();
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->isVisible() || !label->wordWrap())
                continue;
            const QRect inside(label->mapTo(&dialog, QPoint(0, 0)), label->size());
            int ink = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (!inside.contains(x, y) && picture.pixel(x, y) != background)
                        ++ink;
            EXPECT_EQ(ink, 0) << "width " << width << ": " << label->text().toStdString();
        }
    }
    dialog.resize(shown);
}

TEST_P(ViewRenderTest, TheDialogs)
{
    CProgramLook look;
    CNewZelDoc& document = m_event.Doc();
    CGuestFilter filter;
    filter.useGroup = true;
    filter.group = QString::fromUtf8(kGroups[1]);
    const QStringList groups = {QString::fromUtf8(kGroups[0]), QString::fromUtf8(kGroups[1])};
    std::vector<std::pair<QString, std::unique_ptr<QDialog>>> dialogs;
    dialogs.emplace_back(QStringLiteral("table-dialog"),
                         std::make_unique<CTableDlg>(groups, CTableDlg::Values{QStringLiteral("לא משויך"), 10, 5}, 3, nullptr));
    dialogs.emplace_back(QStringLiteral("table-settings"), std::make_unique<CTableDefDlg>(document));
    dialogs.emplace_back(QStringLiteral("search"),
                         std::make_unique<CSearchTableDlg>(false, QStringLiteral("דנה"), QString(), false, true));
    dialogs.emplace_back(QStringLiteral("kids"), std::make_unique<CKidsDlg>(*document.Guests()[0], nullptr));
    dialogs.emplace_back(QStringLiteral("restrictions"), std::make_unique<CGuestGeneralInfoDlg>(document, *document.Guests()[0]));
    dialogs.emplace_back(QStringLiteral("multi-guest"), std::make_unique<CMultiGuestOperationDlg>(document));
    dialogs.emplace_back(QStringLiteral("guest-filter"), std::make_unique<CGuestFilterDialog>(document, filter));
    dialogs.emplace_back(QStringLiteral("select-guests"),
                         std::make_unique<CSelectGuestsDlg>(QStringList{QStringLiteral("דנה ורון לוי"), QStringLiteral("משה כהן")}));
    for (auto& [name, dialog] : dialogs) {
        SCOPED_TRACE(name.toStdString());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        EXPECT_EQ(dialog->layoutDirection(), Hebrew() ? Qt::RightToLeft : Qt::LeftToRight);
        EXPECT_LE(dialog->minimumSizeHint().width(), dialog->width());
        EXPECT_LE(dialog->minimumSizeHint().height(), dialog->height());
        // Sized by its layout, as the window system would size it afresh.
        const QSize shown = dialog->size();
        dialog->adjustSize();
        EXPECT_EQ(dialog->size(), shown);
        ExpectTextsInside(*dialog);
        Save(*dialog, name);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ViewRenderTest, ::testing::Values(UiLanguage::Hebrew, UiLanguage::English),
                         [](const auto& info) { return info.param == UiLanguage::Hebrew ? "Hebrew" : "English"; });
