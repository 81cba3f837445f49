#include "guests/core/GuestVerification.h"

long long GuestVerification::Number(int guestCode)
{
    if (guestCode <= 0)
        return 0;
    return guestCode * kFactorNumerator / kFactorDenominator;
}
