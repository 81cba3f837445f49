#include "data/storage/EventFile.h"

#include "data/storage/AtomicFile.h"
#include "data/records/Category.h"
#include "data/records/EventRecords.h"
#include "data/records/Expence.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/records/Shape.h"
#include "data/records/Table.h"
#include "data/storage/XmlText.h"

namespace {

template <typename T>
void AppendCollection(QByteArray& buffer, const char* tag, const QList<T*>& records)
{
    XmlText::AppendStart(buffer, tag);
    for (const T* record : records)
        record->WriteXml(buffer);
    XmlText::AppendEnd(buffer, tag);
}

// Generous per-record sizes, so that the buffer is allocated once for a typical event.
qsizetype EstimatedSize(const CEventRecords& records)
{
    qsizetype payments = 0;
    for (const CExpence* expense : records.expenses)
        payments += expense->GetPaymentCount();
    return 1024 + records.guests.size() * 1024 + records.expenses.size() * 512 + payments * 192
        + (records.tables.size() + records.groups.size() + records.meetings.size() + records.categories.size()
           + records.offers.size() + records.shapes.size())
        * 512;
}

}

QByteArray CEventFile::Build(const CEventRecords& records)
{
    QByteArray buffer;
    buffer.reserve(EstimatedSize(records));
    buffer += "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";
    XmlText::AppendStart(buffer, "WeddingData");
    AppendCollection(buffer, "Guests", records.guests);
    AppendCollection(buffer, "Expences", records.expenses);
    AppendCollection(buffer, "Tables", records.tables);
    AppendCollection(buffer, "Groups", records.groups);
    AppendCollection(buffer, "Meetings", records.meetings);
    AppendCollection(buffer, "Categories", records.categories);
    AppendCollection(buffer, "Offers", records.offers);
    CShape::AppendShapes(buffer, records.shapes);
    XmlText::AppendEnd(buffer, "WeddingData");
    return buffer;
}

bool CEventFile::Write(const QString& path, const CEventRecords& records)
{
    return AtomicFile::Write(path, Build(records));
}
