#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

// "הגדרות יבוא מוזמנים": whether imported guests keep their own groups (made when missing) or all
// join one group named here.
class CImportGuestsOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    CImportGuestsOptionsDlg(bool autoGroups, const QString& targetGroup, QWidget* parent = nullptr);

    bool AutoGroups() const;
    QString TargetGroup() const;

    QRadioButton* AutoGroupsRadio() const { return m_auto; }
    QRadioButton* TargetGroupRadio() const { return m_target; }
    QLineEdit* GroupField() const { return m_group; }

private:
    QRadioButton* m_auto;
    QRadioButton* m_target;
    QLineEdit* m_group;
};
