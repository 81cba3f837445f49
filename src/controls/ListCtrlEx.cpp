#include "controls/ListCtrlEx.h"

#include "controls/ListCtrlCallBack.h"
#include "data/document/UserMessages.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>

namespace {

const QString kTypingErrorText = QStringLiteral("הערך שהוקלד אינו מתאים לסוג שאפשרי לתא זה");
const QString kTypingErrorCaption = QStringLiteral("טעות הקלדה!");
const int kLongPressMs = 500;

}

CListCtrlEx::CListCtrlEx(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    SetRowHeight(fontMetrics().height() + 6);
    m_longPress.setSingleShot(true);
    m_longPress.setInterval(kLongPressMs);
    connect(&m_longPress, &QTimer::timeout, this, &CListCtrlEx::OnLongPress);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &CListCtrlEx::PlaceEditor);
}

void CListCtrlEx::setModel(QAbstractItemModel* model)
{
    CancelEdit();
    if (QAbstractItemModel* old = this->model())
        old->disconnect(this);
    QTableView::setModel(model);
    if (!model)
        return;
    // An editor over a row that goes away would write into the wrong record.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &CListCtrlEx::CancelEdit);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, &CListCtrlEx::CancelEdit);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &CListCtrlEx::CancelEdit);
}

void CListCtrlEx::SetRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}

void CListCtrlEx::SetColumnEditKind(int column, CellEditKind kind)
{
    if (column < 0)
        return;
    while (m_kinds.size() <= column)
        m_kinds.append(CellEditKind::None);
    m_kinds[column] = kind;
}

CellEditKind CListCtrlEx::ColumnEditKind(int column) const
{
    return column >= 0 && column < m_kinds.size() ? m_kinds[column] : CellEditKind::None;
}

bool CListCtrlEx::IsColumnEditable(int column) const
{
    return ColumnEditKind(column) != CellEditKind::None && !isColumnHidden(column) && columnWidth(column) > 0;
}

bool CListCtrlEx::HasEditableColumn() const
{
    return std::any_of(m_kinds.cbegin(), m_kinds.cend(), [](CellEditKind kind) { return kind != CellEditKind::None; });
}

QString CListCtrlEx::CellText(int row, int column) const
{
    if (!model())
        return {};
    return model()->data(model()->index(row, column), Qt::DisplayRole).toString();
}

int CListCtrlEx::SelectedRow() const
{
    const QList<int> rows = SelectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

QList<int> CListCtrlEx::SelectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CListCtrlEx::SelectRow(int row)
{
    if (!model() || !selectionModel())
        return;
    if (row < 0 || row >= model()->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const int column = qMax(0, currentIndex().column());
    const QModelIndex index = model()->index(row, column);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

bool CListCtrlEx::EditCell(int row, int column, bool openPopup)
{
    if (!model() || row < 0 || row >= model()->rowCount() || !IsColumnEditable(column))
        return false;
    if (m_editor && !CommitEdit())
        return false;
    QString message;
    if (m_callBack && !m_callBack->MayEditCell(column, row, message)) {
        if (!message.isEmpty())
            Tell(message, QString());
        return false;
    }
    const QModelIndex index = model()->index(row, column);
    if (currentIndex().row() != row)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    // Moving the selection may have been refused by the owner.
    if (currentIndex().row() != row)
        return false;
    scrollTo(index);

    const CellEditKind kind = ColumnEditKind(column);
    QStringList choices;
    int current = -1;
    if (kind == CellEditKind::DropDown && m_callBack)
        m_callBack->GetCellChoices(column, row, choices, current);
    m_editor = new CInPlaceEdit(kind, CellText(row, column), choices, current, viewport());
    m_editIndex = index;
    connect(m_editor, &CInPlaceEdit::Finished, this, &CListCtrlEx::OnEditorFinished);
    connect(m_editor, &CInPlaceEdit::CustomEditorRequested, this, &CListCtrlEx::OnCustomEditor);
    PlaceEditor();
    m_editor->show();
    m_editor->FocusEditor();
    if (openPopup)
        m_editor->OpenPopup();
    return true;
}

void CListCtrlEx::PlaceEditor()
{
    if (!m_editor)
        return;
    if (!m_editIndex.isValid()) {
        CancelEdit();
        return;
    }
    m_editor->setGeometry(visualRect(m_editIndex));
}

bool CListCtrlEx::CommitEdit()
{
    if (!m_editor || m_committing)
        return !m_editor;
    if (!m_editIndex.isValid()) {
        CloseEditor();
        return true;
    }
    const int row = m_editIndex.row();
    const int column = m_editIndex.column();
    const bool number = m_editor->Kind() == CellEditKind::Number;
    QString text = m_editor->Text().trimmed();
    QString old = CellText(row, column);
    if (number && text.isEmpty())
        text = QStringLiteral("0");
    if (text == old || (number && old.trimmed().isEmpty() && text == QLatin1String("0"))) {
        CloseEditor();
        return true;
    }
    m_committing = true;
    const QPersistentModelIndex index = m_editIndex;
    const int result = m_callBack ? m_callBack->OnCommitCell(column, row, old, text)
                                  : int(IListCtrlCallBack::CommitAccepted);
    if (result == IListCtrlCallBack::CommitRejected && m_editor) {
        m_editor->SetText(old);
        Tell(kTypingErrorText, kTypingErrorCaption);
        m_committing = false;
        if (m_editor)
            m_editor->FocusEditor();
        return false;
    }
    m_committing = false;
    CloseEditor();
    if (result == IListCtrlCallBack::CommitAccepted && index.isValid())
        model()->setData(index, text, Qt::EditRole);
    return true;
}

void CListCtrlEx::CancelEdit()
{
    if (m_editor && !m_committing)
        CloseEditor();
}

void CListCtrlEx::CloseEditor()
{
    if (!m_editor)
        return;
    CInPlaceEdit* editor = m_editor;
    m_editor = nullptr;
    m_editIndex = QPersistentModelIndex();
    editor->disconnect(this);
    // The focus comes back first: hiding the focused editor would pass it on along the tab chain.
    if (editor->isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::OtherFocusReason);
    editor->hide();
    editor->deleteLater();
}

void CListCtrlEx::OnEditorFinished(CInPlaceEdit::Finish how)
{
    if (m_committing || !m_editor)
        return;
    if (how == CInPlaceEdit::Finish::Cancel) {
        CloseEditor();
        return;
    }
    int row = m_editIndex.row();
    int column = m_editIndex.column();
    if (!CommitEdit() || how == CInPlaceEdit::Finish::Commit)
        return;
    if (StepToEditable(row, column, how == CInPlaceEdit::Finish::Next))
        EditCell(row, column);
}

void CListCtrlEx::OnCustomEditor()
{
    if (!m_editor || !m_callBack || !m_editIndex.isValid())
        return;
    QString text = m_editor->Text();
    m_committing = true;
    const bool chosen = m_callBack->EditCustomCell(m_editIndex.column(), m_editIndex.row(), text);
    m_committing = false;
    if (!m_editor)
        return;
    if (chosen) {
        m_editor->SetText(text);
        CommitEdit();
    } else {
        m_editor->FocusEditor();
    }
}

bool CListCtrlEx::StepToEditable(int& row, int& column, bool forward) const
{
    if (!model() || !HasEditableColumn())
        return false;
    const int rows = model()->rowCount();
    const int columns = model()->columnCount();
    int visual = horizontalHeader()->visualIndex(column);
    int r = row;
    for (qsizetype step = 0, cells = qsizetype(rows) * columns; step < cells; ++step) {
        visual += forward ? 1 : -1;
        if (visual >= columns) {
            visual = 0;
            ++r;
        } else if (visual < 0) {
            visual = columns - 1;
            --r;
        }
        if (r < 0 || r >= rows)
            return false;
        const int candidate = horizontalHeader()->logicalIndex(visual);
        if (IsColumnEditable(candidate)) {
            row = r;
            column = candidate;
            return true;
        }
    }
    return false;
}

void CListCtrlEx::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    switch (event->key()) {
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current.isValid() && EditCell(current.row(), current.column()))
            return;
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

bool CListCtrlEx::focusNextPrevChild(bool next)
{
    // Tab in a list with editable cells edits the next one; past the last, the focus moves on.
    const QModelIndex current = currentIndex();
    if (!m_editor && current.isValid() && HasEditableColumn()) {
        int row = current.row();
        int column = current.column();
        if (StepToEditable(row, column, next) && EditCell(row, column))
            return true;
    }
    return QTableView::focusNextPrevChild(next);
}

void CListCtrlEx::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    m_longPress.stop();
    m_popupOnRelease = false;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && IsColumnEditable(index.column())) {
        m_pressPos = event->position().toPoint();
        m_pressIndex = index;
        m_longPress.start();
    }
}

void CListCtrlEx::mouseMoveEvent(QMouseEvent* event)
{
    if (m_longPress.isActive() &&
        (event->position().toPoint() - m_pressPos).manhattanLength() > QApplication::startDragDistance())
        m_longPress.stop();
    QTableView::mouseMoveEvent(event);
}

void CListCtrlEx::mouseReleaseEvent(QMouseEvent* event)
{
    m_longPress.stop();
    QTableView::mouseReleaseEvent(event);
    // The list drops down once the button is up, so the release does not pick an item.
    if (m_popupOnRelease && m_editor) {
        m_popupOnRelease = false;
        m_editor->OpenPopup();
    }
}

void CListCtrlEx::OnLongPress()
{
    if (m_pressIndex.isValid() && EditCell(m_pressIndex.row(), m_pressIndex.column()))
        m_popupOnRelease = true;
}

void CListCtrlEx::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    emit ContextMenuRequested(index.isValid() ? index.row() : -1, event->globalPos());
}

void CListCtrlEx::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    PlaceEditor();
}

void CListCtrlEx::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    PlaceEditor();
}

void CListCtrlEx::Tell(const QString& text, const QString& caption)
{
    if (m_messages)
        m_messages->MessageByText(text, caption, MSG_OK);
    else
        QMessageBox::warning(this, caption, text);
}
