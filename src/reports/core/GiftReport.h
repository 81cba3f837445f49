#pragma once

#include <QString>

class CNewZelDoc;

// The gift reports: one table per group or per relation side with every guest's gift, and a last
// table "אחרים" for the guests outside all of them.
namespace GiftReport {

enum class By { Group, Relation };

QString Html(CNewZelDoc& document, By by);

}
