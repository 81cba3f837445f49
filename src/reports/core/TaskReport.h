#pragma once

#include <QString>

class CNewZelDoc;

// The task list: the task tree, a row per task from the root down.
namespace TaskReport {

QString Html(CNewZelDoc& document);

}
