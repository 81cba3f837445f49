#pragma once

#include <QString>

class IUserMessages;
class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

// Small pieces every dialog of the program shares.
namespace DialogHelpers {

// "אישור" and "ביטול" buttons wired to accept and reject. They show their words only: beside a
// picture, a right-to-left button draws its word over its own left edge.
QDialogButtonBox* OkCancel(QDialog* dialog, const QString& okText = QStringLiteral("אישור"),
                           const QString& cancelText = QStringLiteral("ביטול"));
// A help text that wraps within the dialog's width. It is laid out as a document: a plain wrapped
// label breaks right-to-left lines by widths narrower than it paints them, and cuts their ends.
QLabel* WrappedText(const QString& text, QWidget* parent);
// A list with its Up and Down buttons in a column beside it, centred on its height.
QHBoxLayout* ListWithUpDown(QWidget* list, QWidget* up, QWidget* down);
// A comments field of four lines whose lines start at the side the interface reads from. The text
// goes in and comes out with the "\r\n" line breaks the records keep.
QPlainTextEdit* CommentsField(const QString& text, QWidget* parent);
QString CommentsText(const QPlainTextEdit* field);
// Makes the dialog wide enough for its title beside the frame's icon and buttons, which a window
// manager would otherwise cut short.
void FitTitle(QDialog* dialog);
// The range check of a number field on OK: outside min .. max the user is told, the field gets the
// focus and false comes back, so the dialog stays open.
bool CheckRange(IUserMessages* messages, QSpinBox* field, int min, int max);

}
