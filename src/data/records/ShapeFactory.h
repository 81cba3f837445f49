#pragma once

#include <QList>

class CIniFile;
class CRecordCounters;
class CShape;

// Makes the decorative shapes of the hall sketch by their stored kind, one by one or from an older
// sketch file.
class CShapeFactory
{
public:
    // A new decorative shape of the kind, or null for any other kind.
    static CShape* Create(int kind, CRecordCounters* counters = nullptr);
    // Every decorative shape of an older GanArrangement.ini, in the order of the section numbers;
    // sections of an unknown kind or without content are skipped.
    static QList<CShape*> LoadAllIni(const CIniFile& file, CRecordCounters* counters);
};
