#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class CNewZelDoc;

// A copy of the event's unsaved records beside its data file, so that a crash costs at most a few
// seconds of typing. It is written with the data file's own writer a short while after an edit,
// never through the save path, and goes away with a save or a normal exit.
class CRecoveryCopy : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultDelayMs = 3000;

    explicit CRecoveryCopy(CNewZelDoc& document, int delayMs = kDefaultDelayMs, QObject* parent = nullptr);

    // "WeddingData-recovery.xml": no file of the event's file set, so backups and sharing leave it.
    static QString FileName();
    // The copy of an event folder.
    static QString PathIn(const QString& eventFolder);

    // At start: a copy newer than the event's data file means the last run ended without saving.
    // The user chooses: Yes restores it (the event is then modified), No removes it. True when
    // the copy was restored.
    bool OfferRestore();
    // Writes the copy of the active event now, when it has unsaved changes.
    bool WriteNow();
    // The normal end: the copy goes, and so does a write still waiting.
    void Discard();
    bool IsWritePending() const { return m_timer.isActive(); }

private:
    void OnEdited();
    void OnModifiedChanged(bool modified);

    CNewZelDoc& m_document;
    QTimer m_timer;
    // The copy this run wrote, removed once its changes are saved or given up.
    QString m_written;
};
