#pragma once

#include "data/storage/DataLocation.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/settings/Language.h"
#include "data/document/NewZelDoc.h"
#include "data/records/Table.h"
#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"

#include <QApplication>

#include <memory>

// A loaded event in a fresh data folder, in the interface language asked for, with helpers that
// add guests, groups and tables through the document. The questions of the document and the views
// are answered from the scripted messages.
class CViewTestEvent
{
public:
    explicit CViewTestEvent(UiLanguage language = UiLanguage::Hebrew)
    {
        Language::Set(language);
        QApplication::setLayoutDirection(language == UiLanguage::Hebrew ? Qt::RightToLeft : Qt::LeftToRight);
        m_document = std::make_unique<CNewZelDoc>(m_location, &m_messages);
        m_document->LoadEvent();
    }
    ~CViewTestEvent()
    {
        m_document.reset();
        Language::Set(UiLanguage::Hebrew);
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    CNewZelDoc& Doc() { return *m_document; }
    // Closes the event as the program does at exit (writing its settings) and opens it again.
    void Reopen()
    {
        m_document.reset();
        m_document = std::make_unique<CNewZelDoc>(m_location, &m_messages);
        m_document->LoadEvent();
    }
    CScriptedMessages& Messages() { return m_messages; }
    const TestFiles::ScopedHome& Home() const { return m_home; }

    CGuest* AddGuest(const QString& name, const QString& family = QString(), int coming = 2, int table = 0,
                     const QString& group = QString(), const QString& relation = QString(), int status = 0)
    {
        CGuest* guest = m_document->AddGuest(name, family, nullptr);
        guest->SetInvited(qMax(2, coming));
        guest->SetComing(coming);
        guest->SetGroupName(group);
        guest->SetRelation(relation);
        guest->SetStatus(status);
        guest->SetTableIndex(table);
        return guest;
    }

    // Tables 0 .. count, each real table named "T<n>" with the seats given.
    void SetRealTables(int count, int seats = 10)
    {
        const QList<CTable*>& tables = m_document->Tables();
        while (tables.size() > 1)
            m_document->DeleteTable(*tables.back());
        for (int n = 1; n <= count; ++n)
            m_document->CreateTable(QStringLiteral("T%1").arg(n), n, seats);
    }

    void AddGroups(const QStringList& names)
    {
        for (const QString& name : names)
            m_document->AddGroup(name, nullptr);
    }

private:
    TestFiles::ScopedHome m_home;
    CDataLocation m_location;
    CScriptedMessages m_messages;
    std::unique_ptr<CNewZelDoc> m_document;
};
