#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

// The tip of the day: tip n is the text file "<folder>/<n>.txt". The dialog shows one tip at a
// time and keeps the number of the tip to show next, starting over after the last file.
class CTipOfTheDayDlg : public QDialog
{
    Q_OBJECT

public:
    CTipOfTheDayDlg(const QString& folder, int item, QWidget* parent = nullptr);

    // The tip the dialog would show next: the one after the last tip shown.
    int Item() const { return m_item; }
    bool ShowAtStart() const;
    const QString& TipText() const { return m_tipText; }

    // Shows the current tip and moves on to the next.
    void ShowNextTip();

    static QString TipsFolder();

private:
    QString TipPath(int item) const;

    QString m_folder;
    int m_item;
    QString m_tipText;
    QLabel* m_text;
    QCheckBox* m_showAtStart;
};
