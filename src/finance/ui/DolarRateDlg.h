#pragma once

#include <QDialog>

class CNewZelDoc;
class IUserMessages;
class QObject;
class QLineEdit;

// "קבע את שער הדולר": the shekels of one dollar, 0 to 100.
class CDolarRateDlg : public QDialog
{
    Q_OBJECT

public:
    CDolarRateDlg(double rate, IUserMessages* messages, QWidget* parent = nullptr);
    // Shows the dialog with the event's rate; OK sets it and tells the views.
    static bool Run(CNewZelDoc& document, QObject* sender, QWidget* parent);

    QLineEdit* RateField() const { return m_rate; }
    // The typed rate; false when it is not a number from 0 to 100.
    bool ReadRate(double& rate) const;

    void accept() override;

private:
    IUserMessages* m_messages;
    QLineEdit* m_rate;
};
