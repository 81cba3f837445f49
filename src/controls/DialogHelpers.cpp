#include "controls/DialogHelpers.h"

#include "data/document/UserQuestion.h"
#include "data/settings/Language.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextOption>

namespace DialogHelpers {

QDialogButtonBox* OkCancel(QDialog* dialog, const QString& okText, const QString& cancelText)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    for (auto [which, text] : {std::pair{QDialogButtonBox::Ok, okText}, {QDialogButtonBox::Cancel, cancelText}}) {
        QPushButton* button = buttons->button(which);
        button->setText(text);
        button->setIcon(QIcon());
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel* WrappedText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text.toHtmlEscaped(), parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    return label;
}

QHBoxLayout* ListWithUpDown(QWidget* list, QWidget* up, QWidget* down)
{
    auto* upDown = new QVBoxLayout;
    upDown->addStretch();
    upDown->addWidget(up);
    upDown->addWidget(down);
    upDown->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list, 1);
    row->addLayout(upDown);
    return row;
}

QPlainTextEdit* CommentsField(const QString& text, QWidget* parent)
{
    auto* field = new QPlainTextEdit(parent);
    field->setTabChangesFocus(true);
    QTextOption option = field->document()->defaultTextOption();
    option.setTextDirection(Language::IsHebrew() ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment(Qt::AlignAbsolute | (Language::IsHebrew() ? Qt::AlignRight : Qt::AlignLeft));
    field->document()->setDefaultTextOption(option);
    // The editor breaks lines at "\n" alone; a "\r" left in would be a character of the line.
    field->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    field->setFixedHeight(field->fontMetrics().lineSpacing() * 4);
    return field;
}

QString CommentsText(const QPlainTextEdit* field)
{
    return field->toPlainText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
}

void FitTitle(QDialog* dialog)
{
    constexpr int kFrameButtons = 150;
    dialog->setMinimumWidth(dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + kFrameButtons);
}

bool CheckRange(IUserMessages* messages, QSpinBox* field, int min, int max)
{
    const int value = field->value();
    if (value >= min && value <= max)
        return true;
    UserQuestion::Ask(messages, QStringLiteral("יש להקליד מספר שלם בין %d ל-%d."), QStringLiteral("ערך לא חוקי"), MSG_OK,
                      {QString::number(min), QString::number(max)});
    field->setFocus();
    field->selectAll();
    return false;
}

}
