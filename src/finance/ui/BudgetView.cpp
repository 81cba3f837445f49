#include "finance/ui/BudgetView.h"

#include "controls/HtmlPrintPreview.h"
#include "reports/core/BudgetReport.h"
#include "reports/core/TextEngineMarkup.h"

#include "finance/core/BudgetEdits.h"
#include "finance/core/BudgetTotals.h"
#include "finance/ui/AddCategory.h"
#include "finance/ui/AddOffer.h"
#include "finance/ui/BudgetTips.h"

#include "controls/CommandIds.h"
#include "controls/DialogHelpers.h"
#include "controls/ListCtrlEx.h"
#include "controls/MarkupTooltip.h"
#include "data/document/NewZelDoc.h"
#include "data/document/ViewHint.h"
#include "data/records/Category.h"
#include "data/records/Offer.h"
#include "data/records/StringHint.h"
#include "data/settings/Language.h"
#include "data/settings/StringTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

const QString kHint = QStringLiteral(
    "במסך זה תוכלו לשמור את כל הצעות המחיר שקבלתם מכל מיני גורמים הקשורים לחתונה. תוכלו לעצב לעצמכם את החתונה על פי "
    "התקציב שלכם. תוכלו גם ליצור מספר קומבינציות של ארועים ולהשוות ביניהם.");
const QString kOfferTipTitle = QStringLiteral("פרטי ההצעה");
const QString kOfferTipBody =
    QStringLiteral("%s<br><br>קטגוריה : %s<br>סכום      : %d<br>פרטים    : %s");
const QString kCategoryTip = QStringLiteral("קטגוריה : %s");
const QString kNotEntered = QStringLiteral("לא הוקלד");
const QString kLostOffers = QStringLiteral("הצעות ללא קטגוריה");
const QString kTotal = QStringLiteral("סה\"כ %d ש\"ח");
const int kCostWidth = 60;

QString OrNotEntered(const QString& text)
{
    return text.isEmpty() ? kNotEntered : text;
}

template <typename T>
T* RecordOf(const QTreeWidgetItem* item, int type)
{
    return item && item->type() == type ? reinterpret_cast<T*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

QPushButton* Button(const QString& text, const QString& tipTitle, const QString& tipBody, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setToolTip(BudgetTips::Html(tipTitle, tipBody));
    return button;
}

}

CBudgetView::CBudgetView(CNewZelDoc& document, QWidget* parent)
    : CGenericView(document, parent)
{
    BuildLayout();
    ShowCeiling();
    RebuildTree();
    RefillOption(nullptr);
}

void CBudgetView::BuildLayout()
{
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("תקציב"));
    menu->addAction(QStringLiteral("הוספת קטגוריה\tCtrl+N"), this, &CBudgetView::AddCategory);
    m_renameCategoryAction = menu->addAction(QStringLiteral("עריכת קטגוריה\tCtrl+E"), this, &CBudgetView::RenameCategory);
    m_deleteCategoryAction = menu->addAction(QStringLiteral("מחיקת קטגוריה\tCtrl+D"), this, &CBudgetView::DeleteCategory);
    menu->addSeparator();
    menu->addAction(QStringLiteral("הוספת הצעת מחיר\tCtrl+Shift+N"), this, &CBudgetView::AddOffer);
    m_editOfferAction = menu->addAction(QStringLiteral("עריכת הצעת מחיר\tCtrl+Shift+E"), this, &CBudgetView::EditOffer);
    m_deleteOfferAction = menu->addAction(QStringLiteral("מחיקת הצעת מחיר\tCtrl+Shift+D"), this, &CBudgetView::DeleteOffer);

    m_move = Button(QStringLiteral("→"), QStringLiteral("העברת הצעת מחיר"),
                    QStringLiteral("לחיצה על כפתור זה תעביר את הצעת המחיר המסומנת בצד שמאל אל צד ימין<br>"
                                   "כלומר הצעה זו תיכלל  באפשרות הנוכחית"),
                    this);
    m_return = Button(QStringLiteral("←"), QStringLiteral("החזרת הצעת מחיר"),
                      QStringLiteral("לחיצה על כפתור זה תחזיר את הצעת המחיר המסומנת בצד ימין אל צד שמאל<br>"
                                     "כלומר הצעה זו לא תיכלל באפשרות הנוכחית"),
                      this);
    m_returnAll = Button(QStringLiteral("⇇"), QStringLiteral("החזרת כל הצעות המחיר"),
                         QStringLiteral("לחיצה על כפתור זה תחזיר את כל הצעות המחיר של האפשרות הנוכחית<br>"
                                        "אל צד שמאל, והאפשרות תתרוקן"),
                         this);
    connect(m_move, &QPushButton::clicked, this, &CBudgetView::MoveIntoOption);
    connect(m_return, &QPushButton::clicked, this, &CBudgetView::ReturnOne);
    connect(m_returnAll, &QPushButton::clicked, this, &CBudgetView::ReturnAll);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    for (QPushButton* arrow : {m_move, m_return, m_returnAll}) {
        arrow->setFixedWidth(arrow->sizeHint().height() + 16);
        arrows->addWidget(arrow);
    }
    arrows->addStretch();

    // The pool is on the left and the options on the right in either language, as the arrows say.
    auto* panes = new QWidget(this);
    panes->setLayoutDirection(Qt::LeftToRight);
    auto* row = new QHBoxLayout(panes);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(BuildTreePane(), 2);
    row->addLayout(arrows);
    row->addWidget(BuildOptionPane(), 3);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(DialogHelpers::WrappedText(kHint, this));
    layout->addWidget(panes, 1);
}

QWidget* CBudgetView::BuildTreePane()
{
    auto* pane = new QWidget(this);
    pane->setLayoutDirection(Language::IsHebrew() ? Qt::RightToLeft : Qt::LeftToRight);
    m_tree = new QTreeWidget(pane);
    m_tree->setHeaderLabel(QStringLiteral("קטגוריות"));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->viewport()->installEventFilter(this);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] {
        UpdateButtons();
        UpdateTooltip();
    });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->type() == OfferNode)
            EditOffer();
    });
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, &CBudgetView::OnTreeContextMenu);

    m_addCategory = Button(QStringLiteral("הוספת קטגוריה"), QStringLiteral("הוספת קטגוריה"),
                           QStringLiteral("הוספת תחום חדש להצעות המחיר, למשל פרחים או הסעות<br>"
                                          "הקטגוריה תתווסף בסוף העץ"),
                           pane);
    m_deleteCategory = Button(QStringLiteral("מחיקת קטגוריה"), QStringLiteral("מחיקת קטגוריה"),
                              QStringLiteral("מחיקת הקטגוריה המסומנת בעץ<br>יחד עם כל הצעות המחיר שבה"), pane);
    m_renameCategory = Button(QStringLiteral("שינוי קטגוריה"), QStringLiteral("שינוי קטגוריה"),
                              QStringLiteral("שינוי השם של הקטגוריה המסומנת<br>ההצעות שבה יעברו לשם החדש"), pane);
    m_addOffer = Button(QStringLiteral("הוספת הצעה"), QStringLiteral("הוספת הצעת מחיר"),
                        QStringLiteral("הוספת הצעת מחיר חדשה לקטגוריה המסומנת"), pane);
    m_deleteOffer = Button(QStringLiteral("מחיקת הצעה"), QStringLiteral("מחיקת הצעת מחיר"),
                           QStringLiteral("מחיקת הצעת המחיר המסומנת בעץ<br>ההצעה תצא גם מכל האפשרויות"), pane);
    m_editOffer = Button(QStringLiteral("עריכת הצעה"), QStringLiteral("עריכת הצעת מחיר"),
                         QStringLiteral("שינוי הפרטים והסכום של הצעת המחיר המסומנת"), pane);
    connect(m_addCategory, &QPushButton::clicked, this, &CBudgetView::AddCategory);
    connect(m_deleteCategory, &QPushButton::clicked, this, &CBudgetView::DeleteCategory);
    connect(m_renameCategory, &QPushButton::clicked, this, &CBudgetView::RenameCategory);
    connect(m_addOffer, &QPushButton::clicked, this, &CBudgetView::AddOffer);
    connect(m_deleteOffer, &QPushButton::clicked, this, &CBudgetView::DeleteOffer);
    connect(m_editOffer, &QPushButton::clicked, this, &CBudgetView::EditOffer);

    auto* categoryButtons = new QHBoxLayout;
    for (QPushButton* button : {m_addCategory, m_deleteCategory, m_renameCategory})
        categoryButtons->addWidget(button);
    auto* offerButtons = new QHBoxLayout;
    for (QPushButton* button : {m_addOffer, m_deleteOffer, m_editOffer})
        offerButtons->addWidget(button);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree, 1);
    layout->addLayout(categoryButtons);
    layout->addLayout(offerButtons);
    return pane;
}

QWidget* CBudgetView::BuildOptionPane()
{
    auto* pane = new QWidget(this);
    pane->setLayoutDirection(Language::IsHebrew() ? Qt::RightToLeft : Qt::LeftToRight);
    m_tabs = new QTabBar(pane);
    m_tabs->addTab(QStringLiteral("אפשרות ראשונה"));
    m_tabs->addTab(QStringLiteral("אפשרות שניה"));
    m_tabs->addTab(QStringLiteral("אפשרות שלישית"));
    m_tabs->setExpanding(false);
    connect(m_tabs, &QTabBar::currentChanged, this, [this] { RefillOption(nullptr); });

    m_list = new CListCtrlEx(pane);
    m_list->setModel(&m_model);
    m_list->SetMessages(GetDocument().Messages());
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setColumnWidth(CBudgetOptionModel::ColCost,
                           qMax(kCostWidth, m_list->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12));
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CBudgetView::UpdateButtons);

    m_total = new QLabel(pane);
    m_total->setStyleSheet(QStringLiteral("color: #D00000; font-weight: bold;"));
    m_ceiling = new QLineEdit(pane);
    m_ceiling->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(CBudgetEdits::kCeilingDigits)), m_ceiling));
    m_ceiling->setMaximumWidth(m_ceiling->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
    m_ceiling->setToolTip(BudgetTips::Html(QStringLiteral("מסגרת תקציב"),
                                           QStringLiteral("הסכום שאינכם רוצים לעבור<br>העברת הצעה שתחרוג ממנו "
                                                          "תדרוש את אישורכם<br>שדה ריק או 0 הם 50000")));
    connect(m_ceiling, &QLineEdit::editingFinished, this, &CBudgetView::CommitCeiling);
    m_print = Button(QStringLiteral("הדפסה"), QStringLiteral("הדפסה"),
                     QStringLiteral("הדפסת דו\"ח של האפשרות הנוכחית"), pane);
    connect(m_print, &QPushButton::clicked, this, &CBudgetView::PrintOption);

    auto* ceilingRow = new QHBoxLayout;
    ceilingRow->addWidget(new QLabel(QStringLiteral("מסגרת תקציב:"), pane));
    ceilingRow->addWidget(m_ceiling);
    ceilingRow->addStretch();
    ceilingRow->addWidget(m_print);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_list, 1);
    layout->addSpacing(6);
    layout->addWidget(m_total);
    layout->addSpacing(6);
    layout->addLayout(ceilingRow);
    return pane;
}

void CBudgetView::OnUpdate(QObject* sender, int hint, CHintObject* object)
{
    switch (hint) {
    case HINT_EVENT_RELOADING:
        Clear();
        break;
    case HINT_EVENT_RELOADED:
        ShowCeiling();
        RebuildTree();
        RefillOption(nullptr);
        break;
    case HINT_GUEST_ADDED:
    case HINT_GUEST_CHANGED:
    case HINT_GUEST_DELETED:
    case HINT_REWRITE_ROWS:
        // Per-guest costs follow the invited counts.
        RefillOption(SelectedOptionOffer());
        break;
    case HINT_SETTING_CHANGED:
        if (const auto* setting = dynamic_cast<const CStringHint*>(object);
            sender != this && setting && setting->GetText() == CBudgetTotals::CeilingKey())
            ShowCeiling();
        break;
    default:
        break;
    }
}

void CBudgetView::BeforeSave()
{
    CommitCeiling();
}

void CBudgetView::OnActivate()
{
    GetDocument().Settings().SetLastUIMode(kPosition);
    RefillOption(SelectedOptionOffer());
}

bool CBudgetView::HandlesCommand(int commandId) const
{
    switch (commandId) {
    case ID_OBJECT_ADD:
    case ID_OBJECT_EDIT:
    case ID_OBJECT_DELETE:
    case ID_BUDGET_NEW:
    case ID_BUDGET_EDIT:
    case ID_BUDGET_DELETE:
        return true;
    default:
        return false;
    }
}

bool CBudgetView::IsCommandEnabled(int commandId) const
{
    switch (commandId) {
    case ID_OBJECT_EDIT:
    case ID_OBJECT_DELETE:
        return SelectedCategory() || SelectedOffer();
    case ID_BUDGET_EDIT:
    case ID_BUDGET_DELETE:
        return SelectedOffer() != nullptr;
    default:
        return true;
    }
}

void CBudgetView::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OBJECT_ADD:
        AddCategory();
        break;
    case ID_OBJECT_EDIT:
        if (SelectedOffer())
            EditOffer();
        else
            RenameCategory();
        break;
    case ID_OBJECT_DELETE:
        if (SelectedOffer())
            DeleteOffer();
        else
            DeleteCategory();
        break;
    case ID_BUDGET_NEW:
        AddOffer();
        break;
    case ID_BUDGET_EDIT:
        EditOffer();
        break;
    case ID_BUDGET_DELETE:
        DeleteOffer();
        break;
    default:
        break;
    }
}

void CBudgetView::PrintOption()
{
    // A ceiling typed but not yet left is part of what the user prints.
    CommitCeiling();
    HtmlPrintPreview::Run(TextEngineMarkup::Adapt(BudgetReport::Html(GetDocument(), CurrentOption() + 1)), false, this);
}

int CBudgetView::CurrentOption() const
{
    return m_tabs->currentIndex();
}

void CBudgetView::ShowOption(int option)
{
    m_tabs->setCurrentIndex(option);
}

CCategory* CBudgetView::SelectedCategory() const
{
    return RecordOf<CCategory>(m_tree->currentItem(), CategoryNode);
}

COffer* CBudgetView::SelectedOffer() const
{
    return RecordOf<COffer>(m_tree->currentItem(), OfferNode);
}

COffer* CBudgetView::SelectedOptionOffer() const
{
    return m_model.OfferAt(m_list->SelectedRow());
}

QTreeWidgetItem* CBudgetView::LostOffersItem() const
{
    for (int n = 0; n < m_tree->topLevelItemCount(); ++n)
        if (m_tree->topLevelItem(n)->type() == LostOffersNode)
            return m_tree->topLevelItem(n);
    return nullptr;
}

void CBudgetView::SelectOffer(const COffer* offer)
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        if (RecordOf<COffer>(*it, OfferNode) == offer)
            m_tree->setCurrentItem(*it);
}

void CBudgetView::SelectCategory(const CCategory* category)
{
    for (int n = 0; n < m_tree->topLevelItemCount(); ++n)
        if (RecordOf<CCategory>(m_tree->topLevelItem(n), CategoryNode) == category)
            m_tree->setCurrentItem(m_tree->topLevelItem(n));
}

void CBudgetView::Clear()
{
    const QSignalBlocker quiet(m_tree);
    m_tree->clear();
    m_model.Clear();
}

void CBudgetView::RebuildTree()
{
    // The selection stays on the same top node, an offer's category when an offer was selected.
    QTreeWidgetItem* top = m_tree->currentItem();
    while (top && top->parent())
        top = top->parent();
    const int previous = top ? m_tree->indexOfTopLevelItem(top) : -1;
    // The old nodes may name records that are gone: nothing is to read them while they go.
    QSignalBlocker quiet(m_tree);
    m_tree->clear();
    const CNewZelDoc& document = GetDocument();
    const QIcon folder = QIcon::fromTheme(QStringLiteral("folder"));
    const QIcon offerIcon = QIcon::fromTheme(QStringLiteral("view-financial-list"));
    QHash<QString, QTreeWidgetItem*> byName;
    for (CCategory* category : document.Categories()) {
        auto* item = new QTreeWidgetItem(m_tree, QStringList{category->GetName()}, CategoryNode);
        item->setData(0, Qt::UserRole, quintptr(category));
        item->setIcon(0, folder);
        if (!byName.contains(category->GetName()))
            byName.insert(category->GetName(), item);
    }
    QTreeWidgetItem* lost = nullptr;
    for (COffer* offer : document.Offers()) {
        QTreeWidgetItem* parent = byName.value(offer->GetCategory());
        if (!parent) {
            if (!lost) {
                lost = new QTreeWidgetItem(m_tree, QStringList{kLostOffers}, LostOffersNode);
                lost->setIcon(0, QIcon::fromTheme(QStringLiteral("folder-important")));
            }
            parent = lost;
        }
        auto* item = new QTreeWidgetItem(parent, QStringList{offer->GetName()}, OfferNode);
        item->setData(0, Qt::UserRole, quintptr(offer));
        item->setIcon(0, offerIcon);
    }
    m_tree->expandAll();
    quiet.unblock();
    const int count = m_tree->topLevelItemCount();
    if (count > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(qBound(0, previous, count - 1)));
    UpdateButtons();
    UpdateTooltip();
}

void CBudgetView::RefillOption(const COffer* select)
{
    const int previous = m_list->SelectedRow();
    const CNewZelDoc& document = GetDocument();
    const int option = CurrentOption();
    m_model.SetOffers(CBudgetTotals::OptionOffers(document, option), CBudgetTotals::GuestCount(document));
    const int rows = m_model.rowCount();
    const int row = m_model.RowOf(select);
    if (rows > 0)
        m_list->SelectRow(row >= 0 ? row : qBound(0, previous, rows - 1));
    m_total->setText(StringTable::Fill(kTotal, {QString::number(CBudgetTotals::OptionTotal(document, option))}));
    UpdateButtons();
}

void CBudgetView::ShowCeiling()
{
    m_ceiling->setText(QString::number(CBudgetTotals::Ceiling(GetDocument().Settings())));
}

void CBudgetView::CommitCeiling()
{
    // Only what the user typed is stored: the default shown in an empty event stays unstored.
    if (!m_ceiling->isModified())
        return;
    CBudgetEdits(GetDocument(), this).SetCeiling(m_ceiling->text());
    ShowCeiling();
}

void CBudgetView::UpdateButtons()
{
    const bool category = SelectedCategory() != nullptr;
    const COffer* offer = SelectedOffer();
    m_deleteCategory->setEnabled(category);
    m_renameCategory->setEnabled(category);
    m_renameCategoryAction->setEnabled(category);
    m_deleteCategoryAction->setEnabled(category);
    m_deleteOffer->setEnabled(offer);
    m_editOffer->setEnabled(offer);
    m_editOfferAction->setEnabled(offer);
    m_deleteOfferAction->setEnabled(offer);
    m_move->setEnabled(offer && !offer->IsInPlan(CurrentOption()));
    m_return->setEnabled(SelectedOptionOffer() != nullptr);
    m_returnAll->setEnabled(m_model.rowCount() > 0);
}

QString CBudgetView::SelectedTipMarkup() const
{
    if (const COffer* offer = SelectedOffer()) {
        const QString cost = QString::number(offer->GetPrice(CBudgetTotals::GuestCount(GetDocument())));
        return StringTable::Fill(BudgetTips::Markup(kOfferTipTitle, kOfferTipBody),
                                 {OrNotEntered(offer->GetName()), OrNotEntered(offer->GetCategory()), cost,
                                  OrNotEntered(QString(offer->GetNotes()).replace(QStringLiteral("\r\n"),
                                                                                   QStringLiteral("<br>")))});
    }
    if (const CCategory* category = SelectedCategory())
        return StringTable::Fill(kCategoryTip, {category->GetName()});
    return QString();
}

void CBudgetView::UpdateTooltip()
{
    const QString markup = SelectedTipMarkup();
    m_tree->viewport()->setToolTip(markup.isEmpty() ? QString() : CMarkupTooltip::ToHtml(markup));
}

bool CBudgetView::eventFilter(QObject* watched, QEvent* event)
{
    // The tip describes the selected node only.
    if (watched == m_tree->viewport() && event->type() == QEvent::ToolTip) {
        const QPoint pos = static_cast<QHelpEvent*>(event)->pos();
        if (m_tree->itemAt(pos) != m_tree->currentItem())
            return true;
    }
    return CGenericView::eventFilter(watched, event);
}

void CBudgetView::OnTreeContextMenu(const QPoint& pos)
{
    QTreeWidgetItem* item = m_tree->itemAt(pos);
    if (item)
        m_tree->setCurrentItem(item);
    QMenu* menu = BuildContextMenu(item, this);
    menu->exec(m_tree->viewport()->mapToGlobal(pos));
    menu->deleteLater();
}

QMenu* CBudgetView::BuildContextMenu(QTreeWidgetItem* item, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->addAction(QStringLiteral("הוספת קטגוריה"), this, &CBudgetView::AddCategory);
    const int type = item ? item->type() : 0;
    if (type == OfferNode) {
        menu->addSeparator();
        menu->addAction(QStringLiteral("מחיקת הצעה"), this, &CBudgetView::DeleteOffer);
        menu->addAction(QStringLiteral("עריכת הצעה"), this, &CBudgetView::EditOffer);
        menu->addAction(QStringLiteral("הוספת הצעה"), this, &CBudgetView::AddOffer);
    } else if (type == CategoryNode) {
        menu->addAction(QStringLiteral("מחיקת קטגוריה"), this, &CBudgetView::DeleteCategory);
        menu->addAction(QStringLiteral("שינוי קטגוריה"), this, &CBudgetView::RenameCategory);
        menu->addSeparator();
        menu->addAction(QStringLiteral("הוספת הצעה"), this, &CBudgetView::AddOffer);
    } else if (type == LostOffersNode) {
        menu->addSeparator();
        menu->addAction(QStringLiteral("הוספת הצעה"), this, &CBudgetView::AddOffer);
    }
    return menu;
}

QStringList CBudgetView::CategoryNames() const
{
    QStringList names;
    for (const CCategory* category : GetDocument().Categories())
        names.append(category->GetName());
    return names;
}

QString CBudgetView::ChosenCategoryName() const
{
    if (const CCategory* category = SelectedCategory())
        return category->GetName();
    if (const COffer* offer = SelectedOffer())
        return offer->GetCategory();
    return QString();
}

void CBudgetView::AddCategory()
{
    CAddCategory dialog(QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (CCategory* category = CBudgetEdits(GetDocument(), this).AddCategory(dialog.GetName())) {
        RebuildTree();
        SelectCategory(category);
    }
}

void CBudgetView::RenameCategory()
{
    CCategory* category = SelectedCategory();
    if (!category)
        return;
    CAddCategory dialog(category->GetName(), this);
    if (dialog.exec() != QDialog::Accepted || !CBudgetEdits(GetDocument(), this).RenameCategory(*category, dialog.GetName()))
        return;
    RebuildTree();
    SelectCategory(category);
}

void CBudgetView::DeleteCategory()
{
    CCategory* category = SelectedCategory();
    if (!category || !CBudgetEdits(GetDocument(), this).DeleteCategory(*category))
        return;
    RebuildTree();
    RefillOption(nullptr);
}

void CBudgetView::AddOffer()
{
    CNewZelDoc& document = GetDocument();
    CAddOffer dialog(nullptr, CategoryNames(), ChosenCategoryName(), CBudgetTotals::GuestCount(document),
                     document.Messages(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (COffer* offer = CBudgetEdits(document, this).AddOffer(dialog.Values())) {
        RebuildTree();
        SelectOffer(offer);
    }
}

void CBudgetView::EditOffer()
{
    COffer* offer = SelectedOffer();
    if (!offer)
        return;
    CNewZelDoc& document = GetDocument();
    CAddOffer dialog(offer, CategoryNames(), offer->GetCategory(), CBudgetTotals::GuestCount(document),
                     document.Messages(), this);
    if (dialog.exec() != QDialog::Accepted || !CBudgetEdits(document, this).EditOffer(*offer, dialog.Values()))
        return;
    RebuildTree();
    SelectOffer(offer);
    RefillOption(SelectedOptionOffer());
}

void CBudgetView::DeleteOffer()
{
    COffer* offer = SelectedOffer();
    if (!offer || !CBudgetEdits(GetDocument(), this).DeleteOffer(*offer))
        return;
    RebuildTree();
    RefillOption(nullptr);
}

void CBudgetView::MoveIntoOption()
{
    COffer* offer = SelectedOffer();
    if (!offer || !CBudgetEdits(GetDocument(), this).MoveIntoOption(*offer, CurrentOption()))
        return;
    RefillOption(offer);
    m_list->setFocus();
}

void CBudgetView::ReturnOne()
{
    const int row = m_list->SelectedRow();
    COffer* offer = m_model.OfferAt(row);
    if (!offer || !CBudgetEdits(GetDocument(), this).ReturnFromOption(*offer, CurrentOption()))
        return;
    RefillOption(nullptr);
    if (m_model.rowCount() > 0)
        m_list->SelectRow(qMax(0, row - 1));
    UpdateButtons();
}

void CBudgetView::ReturnAll()
{
    if (CBudgetEdits(GetDocument(), this).ReturnAll(CurrentOption()) > 0)
        RefillOption(nullptr);
}
