#pragma once

#include "data/storage/DataLocation.h"
#include "data/records/FieldValue.h"
#include "data/records/HintObject.h"
#include "data/records/IdCounter.h"
#include "data/records/RecordCounters.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class CIniFile;

// The base of every record kept in the event data file (guest, group, table, expense, offer,
// category, meeting): the modified and new flags, name, notes, the per-kind id, the program-wide
// serial and the section name of the kind's older INI file.
class CBaseElement : public CHintObject
{
public:
    // A record of the set whose counters are given takes its serial there; without counters it is
    // a loose record (a temporary copy, a test) with serial 0 and id -1.
    explicit CBaseElement(CRecordCounters* counters = nullptr);
    ~CBaseElement() override;
    CBaseElement(const CBaseElement&) = delete;
    CBaseElement& operator=(const CBaseElement&) = delete;

    virtual void SetId(int id);
    virtual int GetId() const { return m_id; }
    // Formats the section name from the kind's prefix and the id.
    virtual void MakeSection() = 0;
    // The file code (EventFileCode) of the kind's older INI file.
    virtual int FileCode() const = 0;
    // Reads the record from a section of the kind's older INI file (loaded once by the caller);
    // false when the section holds no record.
    virtual bool LoadIni(const CIniFile& file, const QString& section) = 0;
    // Appends the record's element to the event data file being written (UTF-8).
    virtual bool WriteXml(QByteArray& buffer) const;
    virtual void ClearFlags();
    // Gives back the id taken from the kind's counter, for a record that could not be read.
    void ReleaseId();
    virtual bool SetName(const QString& name);
    virtual bool IsModified() const { return m_modified; }

    const QString& GetName() const { return m_name; }
    bool SetNotes(const QString& notes);
    const QString& GetNotes() const { return m_notes; }
    // "&nbsp;" for empty notes, else the notes with each "\r\n" as "<br>".
    QString GetNotesHtml() const;
    int GetSerial() const { return m_serial; }
    bool IsNew() const { return m_isNew; }
    const QString& GetSection() const { return m_section; }
    void SetModified() { m_modified = true; }
    // Gives another record this one's name and notes.
    void CopyNameAndNotesTo(CBaseElement& other) const;
    // Removes the record's section from the kind's older INI file of the current event folder.
    bool DeleteSection(const CDataLocation& location);

protected:
    // The section name prefix + id; the record is then modified.
    void FormatSection(const QString& prefix);
    // Takes the record's id from its kind's counter in the record set.
    void TakeId(CIdCounter CRecordCounters::*kind);

    // Reads the sections prefix0, prefix1, ... of an older per-record file up to the first one that
    // holds no record, which gives its id back. make(index) constructs a record; read(index) runs
    // after each record read.
    template <typename T, typename Make, typename Read = void (*)(int)>
    static QList<T*> LoadSections(const CIniFile& file, const QString& prefix, Make make, Read read = [](int) {})
    {
        QList<T*> records;
        for (int index = 0;; ++index) {
            std::unique_ptr<T> record(make(index));
            if (!record->LoadIni(file, prefix + QString::number(index))) {
                record->ReleaseId();
                return records;
            }
            records.append(record.release());
            read(index);
        }
    }

    // Stores a field value; false and no change when it equals the current one.
    template <typename T, typename U>
    bool SetField(T& field, const U& value)
    {
        return AssignField(field, value, m_modified);
    }

    bool m_modified = false;
    bool m_isNew = true;
    QString m_name;
    QString m_notes;
    int m_id = -1;
    int m_serial = 0;
    QString m_section;
    CRecordCounters* m_counters;
    CIdCounter CRecordCounters::*m_kind = nullptr;
};
