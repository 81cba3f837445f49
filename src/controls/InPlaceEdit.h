#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QToolButton;

// How a list column is edited in place.
enum class CellEditKind { None = 0, DropDown = 1, Text = 2, Custom = 3, Number = 4 };

// The editor laid over one cell of a CListCtrlEx: a drop-down list, a text line, a digits-only
// line, or a text line with a small "." button that opens the owner's own editor. It reports how
// the user left it; the list decides what happens to the text.
class CInPlaceEdit : public QWidget
{
    Q_OBJECT

public:
    enum class Finish { Commit, Next, Previous, Cancel };

    CInPlaceEdit(CellEditKind kind, const QString& text, const QStringList& choices, int current,
                 QWidget* parent);

    CellEditKind Kind() const { return m_kind; }
    QString Text() const;
    void SetText(const QString& text);
    void FocusEditor();
    // Drops the list of a drop-down editor down.
    void OpenPopup();

    QLineEdit* LineEdit() const { return m_line; }
    QComboBox* ComboBox() const { return m_combo; }
    QToolButton* CustomButton() const { return m_button; }

signals:
    void Finished(CInPlaceEdit::Finish how);
    void CustomEditorRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* Editor() const;

    CellEditKind m_kind;
    QLineEdit* m_line = nullptr;
    QComboBox* m_combo = nullptr;
    QToolButton* m_button = nullptr;
    QWidget* m_popup = nullptr;
    bool m_popupShown = false;
};
