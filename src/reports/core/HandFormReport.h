#pragma once

#include <QString>

// The empty guest list to fill in by hand, for someone without a computer.
namespace HandFormReport {

// rows empty rows under the captions.
QString Html(int rows);

}
