#pragma once

#include <QByteArray>
#include <QString>

// Reading numbers out of stored texts the way the C library does: the leading number counts and
// whatever follows it is ignored; no number at all gives 0.
namespace NumberText {
double LeadingDouble(const QString& text);
int LeadingInt(const QString& text);
// The value as printf("%.*f") writes it in the C locale: the exact binary value rounded half to
// even (12.25 gives "12.2" with one decimal), and -0.0 keeps its sign.
QByteArray Fixed(double value, int decimals);
}
