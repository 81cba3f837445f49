#include "controls/InPlaceEdit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

CInPlaceEdit::CInPlaceEdit(CellEditKind kind, const QString& text, const QStringList& choices, int current,
                           QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (kind == CellEditKind::DropDown) {
        m_combo = new QComboBox(this);
        m_combo->addItems(choices);
        m_combo->setCurrentIndex(current >= 0 && current < choices.size() ? current : int(choices.indexOf(text)));
        layout->addWidget(m_combo);
        // The list is a window of its own: its closing ends the edit with the item picked.
        m_popup = m_combo->view()->window();
        m_popup->installEventFilter(this);
        m_combo->installEventFilter(this);
    } else {
        m_line = new QLineEdit(text, this);
        m_line->setFrame(false);
        if (kind == CellEditKind::Number)
            m_line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_line));
        layout->addWidget(m_line);
        m_line->installEventFilter(this);
        if (kind == CellEditKind::Custom) {
            m_button = new QToolButton(this);
            m_button->setText(QStringLiteral("."));
            // The button must not take the focus, or pressing it would end the edit first.
            m_button->setFocusPolicy(Qt::NoFocus);
            layout->addWidget(m_button);
            connect(m_button, &QToolButton::clicked, this, &CInPlaceEdit::CustomEditorRequested);
        }
    }
    setFocusProxy(Editor());
    setAutoFillBackground(true);
}

QWidget* CInPlaceEdit::Editor() const
{
    return m_combo ? static_cast<QWidget*>(m_combo) : m_line;
}

QString CInPlaceEdit::Text() const
{
    return m_combo ? m_combo->currentText() : m_line->text();
}

void CInPlaceEdit::SetText(const QString& text)
{
    if (m_combo)
        m_combo->setCurrentIndex(m_combo->findText(text));
    else
        m_line->setText(text);
}

void CInPlaceEdit::FocusEditor()
{
    Editor()->setFocus(Qt::OtherFocusReason);
    if (m_line)
        m_line->selectAll();
}

void CInPlaceEdit::OpenPopup()
{
    if (m_combo)
        m_combo->showPopup();
}

void CInPlaceEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The custom button covers the last fifth of the cell (the first in a right-to-left list).
    if (m_button)
        m_button->setFixedWidth(qMax(8, width() / 5));
}

bool CInPlaceEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popup) {
        if (event->type() == QEvent::Show)
            m_popupShown = true;
        else if (event->type() == QEvent::Hide && m_popupShown) {
            m_popupShown = false;
            // The combo sets the picked item after hiding its list: finish once it has.
            QMetaObject::invokeMethod(this, [this] { emit Finished(Finish::Commit); }, Qt::QueuedConnection);
        }
        return false;
    }
    if (watched != Editor())
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit Finished(Finish::Commit);
            return true;
        case Qt::Key_Escape:
            emit Finished(Finish::Cancel);
            return true;
        case Qt::Key_Tab:
            emit Finished(key->modifiers() & Qt::ShiftModifier ? Finish::Previous : Finish::Next);
            return true;
        case Qt::Key_Backtab:
            emit Finished(Finish::Previous);
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // The drop-down list, a message box or another window taking the focus leave the edit open.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !m_popupShown)
            emit Finished(Finish::Commit);
    }
    return false;
}
