#pragma once

#include <QDialog>

class IUserMessages;
class QCheckBox;
class QLineEdit;

// Asks for a group's name: the name field starts with a proposal, selected, and a new group may
// ask for a table of its own.
class CRenameDlg : public QDialog
{
    Q_OBJECT

public:
    // caption titles the window and the refusal of an empty name; the table box is offered only
    // for a new group.
    CRenameDlg(const QString& caption, const QString& name, bool offerTable, IUserMessages* messages,
               QWidget* parent = nullptr);

    // The name as typed, trimmed.
    QString Name() const;
    bool WithTable() const;

    QLineEdit* NameField() const { return m_name; }
    QCheckBox* TableBox() const { return m_table; }

    void accept() override;

private:
    QString m_caption;
    IUserMessages* m_messages;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_table = nullptr;
};
