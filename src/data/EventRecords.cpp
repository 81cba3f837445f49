#include "data/EventRecords.h"

#include "data/Category.h"
#include "data/Expence.h"
#include "data/Group.h"
#include "data/Guest.h"
#include "data/Meeting.h"
#include "data/Offer.h"
#include "data/Shape.h"
#include "data/Table.h"

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
