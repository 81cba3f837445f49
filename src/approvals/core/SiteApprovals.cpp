#include "approvals/core/SiteApprovals.h"

#include "data/document/NewZelDoc.h"
#include "data/storage/DataLocation.h"

bool CSiteApprovals::IsFor(CNewZelDoc& document) const
{
    return !eventFolder.isEmpty() && document.Location().CurrentEventFolder() == eventFolder &&
           document.Settings().Key(QStringLiteral("EventCode")) == eventCode;
}
