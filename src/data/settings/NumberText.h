#pragma once

#include <QString>

// Reading numbers out of stored texts the way the C library does: the leading number counts and
// whatever follows it is ignored; no number at all gives 0.
namespace NumberText {
double LeadingDouble(const QString& text);
int LeadingInt(const QString& text);
}
