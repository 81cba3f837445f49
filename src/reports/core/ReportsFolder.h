#pragma once

#include <QString>

class IUserMessages;

// The folder "Reports" in the user's data folder, where saved reports and exports are proposed.
class CReportsFolder
{
public:
    explicit CReportsFolder(const QString& dataFolder);

    const QString& Path() const { return m_path; }
    // Creates the folder when missing; when it cannot, the user is told which path failed.
    bool Ensure(IUserMessages* messages) const;
    // "<folder>/<base><n>.<extension>" with the smallest n from 1 whose file does not exist.
    QString ProposedName(const QString& baseName, const QString& extension) const;

private:
    QString m_path;
};
