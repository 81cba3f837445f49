#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the guest pages that several of them offer and compare.
namespace GuestTexts {

inline QString Bride() { return QStringLiteral("הכלה"); }
inline QString Groom() { return QStringLiteral("החתן"); }
inline QString Shared() { return QStringLiteral("משותף"); }
// The relations a guest can have, in the order the pages offer them.
inline QStringList Relations() { return {Bride(), Groom(), Shared()}; }
// The first entry of a filter list: no filter.
inline QString Any() { return QStringLiteral("*"); }
inline QString Yes() { return QStringLiteral("כן"); }
inline QString No() { return QStringLiteral("לא"); }
// The new guest's first names, kept until the user types real ones.
inline QString NewGuestName() { return QStringLiteral("מוזמן חדש"); }

}
