#pragma once

class QPlainTextEdit;
class QWidget;

namespace NotesEdit {
// A multi-line field whose Tab moves on and whose lines start at the right in the Hebrew interface
// (a plain text field otherwise sets its lines to the left whatever the layout).
QPlainTextEdit* Create(QWidget* parent);
}
