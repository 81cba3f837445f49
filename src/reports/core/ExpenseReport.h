#pragma once

#include <QString>

class CNewZelDoc;

// The expenses report: one numbered row per expense, in the event's order.
namespace ExpenseReport {

QString Html(CNewZelDoc& document);

}
