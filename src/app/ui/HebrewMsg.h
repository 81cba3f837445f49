#pragma once

#include <QDialog>
#include <QRect>

class QLabel;
class QPushButton;

// The program's one message box: a caption, a multi-line right-aligned text and the buttons of a
// buttons value (1 OK, 2 Yes/No, 4 OK/Cancel, 8 Yes/No/Cancel, 16 none). Its result is the button
// pressed: 1 OK, 2 Cancel, 6 Yes, 7 No; closing the box counts as Cancel.
class CHebrewMsg : public QDialog
{
    Q_OBJECT

public:
    // An empty placement centres the box on its parent; otherwise the box takes that rectangle.
    CHebrewMsg(const QString& text, const QString& caption, int buttons, const QRect& placement = QRect(),
               QWidget* parent = nullptr);

    // Shows the box modally and returns the button pressed.
    int Run();
    int Result() const { return m_result; }

    QPushButton* Button(int result) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Press(int result);
    void PlaceControls();

    QRect m_placement;
    int m_result = 1;
    QLabel* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_yes;
    QPushButton* m_no;
};
