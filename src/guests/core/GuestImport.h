#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class CEventRecords;
class CGuest;
class CNewZelDoc;
class CSheetReader;
class QObject;

// Bringing guests into the active event from another event's folder or from a spreadsheet. The
// source is read into candidates of a record set of its own, which no view hears of; the selected
// candidates then join the event. Every question and report goes through the document's messages.
class CGuestImport
{
public:
    struct Skipped
    {
        QString fullName;
        QString reason;
    };
    struct Outcome
    {
        QStringList added;
        QList<Skipped> skipped;
    };

    explicit CGuestImport(CNewZelDoc& document, QObject* sender = nullptr);
    ~CGuestImport();
    CGuestImport(const CGuestImport&) = delete;
    CGuestImport& operator=(const CGuestImport&) = delete;

    static QString DefaultTargetGroup() { return QStringLiteral("מוזמנים מיובאים"); }

    // With automatic groups a candidate keeps its own group, made when missing; otherwise, and for
    // a candidate without a group, it joins the target group.
    bool AutoGroups() const { return m_autoGroups; }
    void SetAutoGroups(bool autoGroups) { m_autoGroups = autoGroups; }
    const QString& TargetGroup() const { return m_targetGroup; }
    // An empty name keeps the default group, so no guest is left without one.
    void SetTargetGroup(const QString& group) { m_targetGroup = group.isEmpty() ? DefaultTargetGroup() : group; }

    // The guests of another event's data file (or of its older Guests.ini) become the candidates.
    // A folder that holds no readable event is refused with a message; the candidates stay.
    bool ReadEventFolder(const QString& folder);
    // The rows of a spreadsheet's guests' sheet become the candidates; false, with the candidates
    // as they were, when the file breaks a rule or no row was read.
    bool ReadSheet(const QString& path);
    const QList<CGuest*>& Candidates() const;

    // Adds the candidates at the given rows, skipping those whose full name the event holds, and
    // reports the skipped ones; the added ones leave the candidates. The views hear once at the end.
    Outcome Add(const QList<int>& rows);
    Outcome AddAll();

    // Replaces the whole event with the event in the folder after asking, once the current event is
    // saved and a checkpoint of it taken. The active event's own folder is refused.
    bool ReplaceAll(const QString& folder);

    // Whether a folder holds an event this program can read.
    static bool IsEventFolder(const QString& folder);

private:
    int Tell(const QString& text, const QString& caption, int buttons, const QStringList& args = {}) const;
    // Takes one row of the sheet; false when the user stops the reading.
    bool ReadSheetRow(const CSheetReader& sheet, int row, const QList<int>& columns, CEventRecords& into) const;
    void ReportSkipped(const QStringList& names) const;

    CNewZelDoc& m_document;
    QObject* m_sender;
    std::unique_ptr<CEventRecords> m_source;
    bool m_autoGroups = true;
    QString m_targetGroup = DefaultTargetGroup();
};
