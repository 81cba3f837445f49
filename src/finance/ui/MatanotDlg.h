#pragma once

#include <QDialog>

class CGuest;
class CNewZelDoc;
class CNumberSpinEdit;
class IUserMessages;
class QLineEdit;
class QObject;

// "הוספת/עריכת מתנה": the gift of one guest, in words and in money.
class CMatanotDlg : public QDialog
{
    Q_OBJECT

public:
    CMatanotDlg(const CGuest& guest, IUserMessages* messages, QWidget* parent = nullptr);
    // Shows the dialog for the guest; OK writes the gift and tells the views.
    static bool Run(CNewZelDoc& document, CGuest& guest, QObject* sender, QWidget* parent);

    QLineEdit* DescriptionField() const { return m_description; }
    QLineEdit* CommentField() const { return m_comment; }
    CNumberSpinEdit* ShekelsField() const { return m_shekels; }
    CNumberSpinEdit* DollarsField() const { return m_dollars; }

    void accept() override;

private:
    IUserMessages* m_messages;
    QLineEdit* m_description;
    QLineEdit* m_comment;
    CNumberSpinEdit* m_shekels;
    CNumberSpinEdit* m_dollars;
};
