#include "data/records/EventRecords.h"

#include "data/records/Category.h"
#include "data/records/Expence.h"
#include "data/records/Group.h"
#include "data/records/Guest.h"
#include "data/records/Meeting.h"
#include "data/records/Offer.h"
#include "data/records/Shape.h"
#include "data/records/Table.h"

#include <utility>

namespace {

template <typename T>
void DeleteAll(QList<T*>& records)
{
    // Emptied first, so that nothing can reach a record that is being deleted.
    const QList<T*> doomed = std::exchange(records, QList<T*>());
    qDeleteAll(doomed);
}

}

CEventRecords::~CEventRecords()
{
    Clear();
}

void CEventRecords::Clear()
{
    DeleteAll(guests);
    DeleteAll(expenses);
    DeleteAll(tables);
    DeleteAll(groups);
    DeleteAll(meetings);
    DeleteAll(categories);
    DeleteAll(offers);
    DeleteAll(shapes);
}
