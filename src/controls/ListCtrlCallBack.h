#pragma once

#include <QString>
#include <QStringList>

// How a list with in-place editing asks its owner about a cell. Columns and rows are those of the
// list's model.
class IListCtrlCallBack
{
public:
    // What the owner did with a committed text.
    enum CommitResult { CommitRejected = 0, CommitAccepted = 1, CommitIgnored = 2 };

    virtual ~IListCtrlCallBack() = default;

    // The user finished a cell with a text (trimmed) that differs from the cell's. Accepted: the cell
    // shows the new text; rejected: the editor gets the old text back and the user hears of a typing
    // error; ignored: the list leaves the cell to the owner.
    virtual int OnCommitCell(int column, int row, const QString& oldText, const QString& newText) = 0;
    // Whether the cell may be edited now; a refusal with a message shows the message.
    virtual bool MayEditCell(int column, int row, QString& message) = 0;
    // The texts of a drop-down cell and the index of the current one (-1 for none).
    virtual void GetCellChoices(int column, int row, QStringList& choices, int& current) = 0;
    // The owner's own editor of a custom cell (a date picker, ...): true with the text chosen, which
    // is then committed like a typed one.
    virtual bool EditCustomCell(int column, int row, QString& text) { return false; }
};
