#include "app/ui/HebrewMsg.h"

#include "data/document/UserMessages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CHebrewMsg::CHebrewMsg(const QString& text, const QString& caption, int buttons, const QRect& placement,
                       QWidget* parent)
    : QDialog(parent)
    , m_placement(placement)
{
    setWindowTitle(caption);
    setModal(true);
    m_text = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    m_text->setWordWrap(false);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Created in their order on the box, which is also the order of the focus.
    m_ok = new QPushButton(QStringLiteral("אישור"), this);
    m_yes = new QPushButton(QStringLiteral("כן"), this);
    m_no = new QPushButton(QStringLiteral("לא"), this);
    m_cancel = new QPushButton(QStringLiteral("ביטול"), this);
    connect(m_ok, &QPushButton::clicked, this, [this]() { Press(MSG_RESULT_OK); });
    connect(m_cancel, &QPushButton::clicked, this, [this]() { Press(MSG_RESULT_CANCEL); });
    connect(m_yes, &QPushButton::clicked, this, [this]() { Press(MSG_RESULT_YES); });
    connect(m_no, &QPushButton::clicked, this, [this]() { Press(MSG_RESULT_NO); });

    m_ok->setVisible(buttons == MSG_OK || buttons == MSG_OK_CANCEL);
    m_cancel->setVisible(buttons == MSG_OK_CANCEL || buttons == MSG_YES_NO_CANCEL);
    m_yes->setVisible(buttons == MSG_YES_NO || buttons == MSG_YES_NO_CANCEL);
    m_no->setVisible(buttons == MSG_YES_NO || buttons == MSG_YES_NO_CANCEL);
    QPushButton* first = m_ok->isHidden() ? m_yes : m_ok;
    first->setDefault(true);
    first->setFocus();

    if (m_placement.isEmpty()) {
        auto* row = new QHBoxLayout;
        row->addStretch();
        for (QPushButton* button : {m_ok, m_yes, m_no, m_cancel})
            row->addWidget(button);
        row->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(20, 16, 20, 12);
        layout->setSpacing(16);
        layout->addWidget(m_text);
        layout->addLayout(row);
        setMinimumWidth(280);
    }
}

QPushButton* CHebrewMsg::Button(int result) const
{
    switch (result) {
    case MSG_RESULT_OK:
        return m_ok;
    case MSG_RESULT_CANCEL:
        return m_cancel;
    case MSG_RESULT_YES:
        return m_yes;
    case MSG_RESULT_NO:
        return m_no;
    default:
        return nullptr;
    }
}

int CHebrewMsg::Run()
{
    // Closing the box, by its close button or Escape, is Cancel.
    m_result = exec() == QDialog::Accepted ? m_result : MSG_RESULT_CANCEL;
    return m_result;
}

void CHebrewMsg::Press(int result)
{
    m_result = result;
    if (result == MSG_RESULT_CANCEL)
        reject();
    else
        accept();
}

void CHebrewMsg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_placement.isEmpty()) {
        setGeometry(m_placement);
        PlaceControls();
    } else if (parentWidget()) {
        move(parentWidget()->window()->geometry().center() - rect().center());
    }
}

void CHebrewMsg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_placement.isEmpty())
        PlaceControls();
}

void CHebrewMsg::PlaceControls()
{
    // The text takes the placement shrunk by 20 at the sides, 10 at the top and 80 at the bottom;
    // the buttons stand 10 pixels above the bottom of the box.
    m_text->setGeometry(QRect(20, 10, width() - 40, height() - 90));
    QList<QPushButton*> shown;
    for (QPushButton* button : {m_ok, m_yes, m_no, m_cancel})
        if (!button->isHidden())
            shown.append(button);
    const int buttonWidth = 90;
    const int gap = 10;
    const int total = int(shown.size()) * buttonWidth + (int(shown.size()) - 1) * gap;
    int x = (width() - total) / 2;
    for (QPushButton* button : shown) {
        const int h = button->sizeHint().height();
        button->setGeometry(x, height() - 10 - h, buttonWidth, h);
        x += buttonWidth + gap;
    }
}
