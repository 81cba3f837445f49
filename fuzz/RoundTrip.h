#pragma once

class CEventRecords;

// Writes the records as the event data file, reads that back and writes it again; aborts when the
// read fails or when anything read did not survive. Texts compare as the reader stores them:
// trimmed at both ends.
void CheckRoundTrip(const CEventRecords& records);
