#pragma once

#include <QStringList>
#include <QTextStream>

class CDataLocation;

// The options every command shares (--data, --lang) and the command with its own words.
class CCliOptions
{
public:
    // Sets the interface language as a side effect; false (with a message) on bad options.
    bool Parse(const QStringList& arguments, QTextStream& err);

    const QString& Command() const { return m_command; }
    const QStringList& Arguments() const { return m_arguments; }
    bool HasFlag(const QString& flag) const { return m_arguments.contains(flag); }
    // The data folder of --data, or the per-user one.
    CDataLocation MakeLocation() const;

    static QString Usage();

private:
    QString m_dataFolder;
    QString m_command;
    QStringList m_arguments;
};
