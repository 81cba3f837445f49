#pragma once

#include <QWidget>

class CNewZelDoc;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "שלב שני: הגדרות הודעת ה-SMS": the account, the message with the ready ones, the carriers'
// limits and the send button.
class CSendSMSSettingsTab : public QWidget
{
    Q_OBJECT

public:
    explicit CSendSMSSettingsTab(CNewZelDoc& document, QWidget* parent = nullptr);

    static QString Title();
    // The page's values into the event settings.
    void Store();
    void ShowStatus(const QString& text);

    QString Sender() const;
    QString User() const;
    QString Password() const;
    QString Message() const;

    QLineEdit* SenderField() const { return m_sender; }
    QLineEdit* UserField() const { return m_user; }
    QLineEdit* PasswordField() const { return m_password; }
    QPlainTextEdit* MessageField() const { return m_message; }
    QListWidget* ReadyMessages() const { return m_ready; }
    QLabel* CharacterCount() const { return m_count; }
    QLabel* StatusLine() const { return m_status; }
    QPushButton* SendButton() const { return m_send; }

signals:
    void SendRequested();

private:
    void ChooseReadyMessage(int row);
    void ShowCount();

    CNewZelDoc& m_document;
    QLineEdit* m_sender;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QPlainTextEdit* m_message;
    QLabel* m_count;
    QListWidget* m_ready;
    QLabel* m_status;
    QPushButton* m_send;
};
