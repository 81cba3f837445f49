#pragma once

#include <QString>

class CNewZelDoc;

// The table reports: every real table (not table 0, the guests not seated) with its guests, by
// table number or by hall number, as a page or as plain text.
namespace TableReport {

enum class Order { ById, ByHallNumber };

QString Html(CNewZelDoc& document, Order order);
QString Text(CNewZelDoc& document, Order order);

}
