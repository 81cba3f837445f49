#pragma once

#include <QDialog>

class CNewZelDoc;
class IUserMessages;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The settings dialog of the installation ("הגדרות"), with the kids' meal share of the event.
class CAppDefinesDlg : public QDialog
{
    Q_OBJECT

public:
    CAppDefinesDlg(CNewZelDoc& document, IUserMessages* messages, QWidget* parent = nullptr);

    void accept() override;

    QCheckBox* AutoSave() const { return m_autoSave; }
    QCheckBox* CheckUpdates() const { return m_checkUpdates; }
    QCheckBox* ShowTips() const { return m_showTips; }
    QCheckBox* HideInTables() const { return m_hideInTables; }
    QCheckBox* HideInGuests() const { return m_hideInGuests; }
    QCheckBox* Backup() const { return m_backup; }
    QComboBox* Interval() const { return m_interval; }
    QLineEdit* Kids() const { return m_kids; }

signals:
    // The settings were stored: the backup timer is to restart with the new interval.
    void ReArmBackupTimer();

private:
    CNewZelDoc& m_document;
    IUserMessages* m_messages;
    QCheckBox* m_autoSave;
    QCheckBox* m_checkUpdates;
    QCheckBox* m_showTips;
    QCheckBox* m_hideInTables;
    QCheckBox* m_hideInGuests;
    QCheckBox* m_backup;
    QComboBox* m_interval;
    QLineEdit* m_kids;
};
