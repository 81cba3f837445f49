#include "controls/DialogHelpers.h"

#include "controls/UserQuestion.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSpinBox>

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
