#include "planner/ui/NotesEdit.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

QPlainTextEdit* NotesEdit::Create(QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    if (edit->isRightToLeft()) {
        QTextOption option = edit->document()->defaultTextOption();
        option.setTextDirection(Qt::RightToLeft);
        option.setAlignment(Qt::AlignAbsolute | Qt::AlignRight);
        edit->document()->setDefaultTextOption(option);
    }
    return edit;
}
