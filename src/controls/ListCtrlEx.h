#pragma once

#include "controls/InPlaceEdit.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <QTimer>

class IListCtrlCallBack;
class IUserMessages;

// A report list whose cells are edited in place. Each column has an edit kind; the owner answers
// through IListCtrlCallBack. F2 or Enter edits the current cell, a long press edits the pressed
// one, Tab and Shift+Tab commit and go on to the next or previous editable cell, row after row.
// A commit trims the text and does nothing when it equals the cell's; an empty number is 0.
// The rows come from a model the owner keeps; an accepted text is handed to the model's setData
// (edit role), so a model that shows records re-reads the row there.
class CListCtrlEx : public QTableView
{
    Q_OBJECT

public:
    explicit CListCtrlEx(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    void SetCallBack(IListCtrlCallBack* callBack) { m_callBack = callBack; }
    // Where the typing-error message and the may-edit refusals are shown.
    void SetMessages(IUserMessages* messages) { m_messages = messages; }
    void SetColumnEditKind(int column, CellEditKind kind);
    CellEditKind ColumnEditKind(int column) const;
    // A column that is shown and has an edit kind.
    bool IsColumnEditable(int column) const;

    // Opens the editor over a cell; false when the cell cannot be edited now.
    bool EditCell(int row, int column, bool openPopup = false);
    bool IsEditing() const { return m_editor != nullptr; }
    CInPlaceEdit* Editor() const { return m_editor; }
    int EditRow() const { return m_editIndex.row(); }
    int EditColumn() const { return m_editIndex.column(); }
    // Hands the editor's text to the owner; false when the owner rejected it (the editor stays).
    bool CommitEdit();
    void CancelEdit();

    // The first selected row, or -1; all selected rows in ascending order.
    int SelectedRow() const;
    QList<int> SelectedRows() const;
    // Makes the row the current and only selected one and shows it.
    void SelectRow(int row);
    QString CellText(int row, int column) const;
    // Height of every row, fixed so that long lists lay out at once.
    void SetRowHeight(int height);

signals:
    // A right click; row is -1 below the last row.
    void ContextMenuRequested(int row, const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnEditorFinished(CInPlaceEdit::Finish how);
    void OnCustomEditor();
    void OnLongPress();
    void CloseEditor();
    void PlaceEditor();
    // The next or previous editable cell after (row, column) in display order; false at the end.
    bool StepToEditable(int& row, int& column, bool forward) const;
    bool HasEditableColumn() const;
    void Tell(const QString& text, const QString& caption);

    IListCtrlCallBack* m_callBack = nullptr;
    IUserMessages* m_messages = nullptr;
    QList<CellEditKind> m_kinds;
    QPointer<CInPlaceEdit> m_editor;
    QPersistentModelIndex m_editIndex;
    bool m_committing = false;
    QTimer m_longPress;
    QPoint m_pressPos;
    QPersistentModelIndex m_pressIndex;
    bool m_popupOnRelease = false;
};
