#pragma once

#include "guests/core/GuestListFilter.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

// The filter controls above the guest list: group, relation and status combos ("*" filters
// nothing), the beginnings of the first and family names, and a reset button.
class CGuestFilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit CGuestFilterBar(QWidget* parent = nullptr);

    CGuestListFilter Filter() const;
    // Clears every control without announcing each one; Changed follows once.
    void Reset();
    // The groups of the event; the chosen one stays when it still exists.
    void SetGroups(const QStringList& groups);

    QComboBox* GroupCombo() const { return m_group; }
    QComboBox* RelationCombo() const { return m_relation; }
    QComboBox* StatusCombo() const { return m_status; }
    QLineEdit* FirstNamesEdit() const { return m_firstNames; }
    QLineEdit* FamilyNameEdit() const { return m_familyName; }
    QPushButton* ResetButton() const { return m_reset; }

signals:
    void Changed();

private:
    QComboBox* m_group;
    QComboBox* m_relation;
    QComboBox* m_status;
    QLineEdit* m_firstNames;
    QLineEdit* m_familyName;
    QPushButton* m_reset;
    bool m_quiet = false;
};
