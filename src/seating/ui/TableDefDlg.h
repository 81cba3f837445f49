#pragma once

#include <QDialog>

class CNewZelDoc;
class QCheckBox;
class QSpinBox;

// "הגדרות שולחן": the seats of every new table and the three display flags of the seating pages.
class CTableDefDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CTableDefDlg(CNewZelDoc& document, QWidget* parent = nullptr);

    QSpinBox* SeatsField() const { return m_seats; }
    QCheckBox* ByHallNumberBox() const { return m_byHallNumber; }
    QCheckBox* HideNotComingBox() const { return m_hideNotComing; }
    QCheckBox* ShowSerialBox() const { return m_showSerial; }

public slots:
    // Stores what changed; every flag that changed makes the seating pages refresh.
    void accept() override;

private:
    CNewZelDoc& m_document;
    QSpinBox* m_seats;
    QCheckBox* m_byHallNumber;
    QCheckBox* m_hideNotComing;
    QCheckBox* m_showSerial;
};
