#pragma once

#include <QObject>

class CListCtrlEx;
class CSettings;
class QMenu;

// The columns of the guest list: their widths, kept under the GV_ keys of the event settings (a
// width of 0 hides the column), and the menu that shows and hides them.
class CGuestColumns : public QObject
{
    Q_OBJECT

public:
    CGuestColumns(CListCtrlEx& list, CSettings& settings, QObject* parent = nullptr);

    // Applies the stored widths; the first names are at least 20 pixels wide, the serial number 10.
    void Load();
    // Puts every column's current width back under its key.
    void Save();
    bool IsVisible(int column) const;
    // A hidden column comes back at twice the width of its caption.
    void Toggle(int column);
    // Nine entries, checked for the columns shown; the serial number and the names stay.
    QMenu* BuildMenu(QWidget* parent);

    static QString Key(int column);
    static QString MenuText(int column);

private:
    void StoreWidth(int column, int width);

    CListCtrlEx& m_list;
    CSettings& m_settings;
    bool m_loading = false;
};
