#pragma once

#include "seating/core/ArrivalEdits.h"

#include <QDialog>

class IUserMessages;
class QListWidget;

// "בחירת שולחן": the table an arriving guest sits at, when it has none or its table is full.
class CSelectTableDlg : public QDialog
{
    Q_OBJECT

public:
    CSelectTableDlg(const QList<CArrivalEdits::Choice>& choices, bool hasTable, IUserMessages* messages,
                    QWidget* parent = nullptr);

    // The chosen table's number, or -1.
    int Table() const;
    QListWidget* List() const { return m_list; }

    void accept() override;

private:
    IUserMessages* m_messages;
    QListWidget* m_list = nullptr;
};
