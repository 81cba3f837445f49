#pragma once

#include <QDialog>

class QLineEdit;

// "קטגוריה חדשה": the name of a category of the budget, new or renamed.
class CAddCategory : public QDialog
{
    Q_OBJECT

public:
    explicit CAddCategory(const QString& name = QString(), QWidget* parent = nullptr);

    // Trimmed.
    QString GetName() const;
    QLineEdit* NameField() const { return m_name; }

private:
    QLineEdit* m_name;
};
