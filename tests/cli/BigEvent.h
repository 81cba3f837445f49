#pragma once

#include <QString>
#include <QStringList>

// A large event of a wedding planned over months, for the tests that stress the writers.
namespace BigEvent {

constexpr int kGuests = 5000;
constexpr int kTables = 300;

// The older INI files of such an event: guests "Guest0000"... and tables 0 to kTables - 1.
bool WriteOlderFiles(const QString& eventFolder);
// Copies the files of one event folder into a new one.
bool CopyFolder(const QString& from, const QString& to);

struct Counts
{
    int guests = -1;
    int tables = -1;
    bool damaged = true;
};
// Loads an event folder as the program does, writing nothing.
Counts Load(const QString& eventFolder);

// The files of a folder that are neither of the event's file set nor the temporary file of an
// atomic write that never reached its rename ("WeddingData.xml.Ab12Cd"): such a file no run reads.
QStringList Strangers(const QString& eventFolder);

}
