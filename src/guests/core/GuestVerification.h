#pragma once

// The verification number that proves a guest's answer on the approval site comes from the
// invitation: the guest's code times a fixed factor, truncated. The approval notes, the SMS texts,
// the approval mail and the site must all agree on it, so it is computed here only.
namespace GuestVerification {

// The factor 1.723 as a fraction: integer arithmetic gives the same number on every computer.
constexpr long long kFactorNumerator = 1723;
constexpr long long kFactorDenominator = 1000;

// The verification number of a guest code; 0 for a code of 0 or less.
long long Number(int guestCode);

}
