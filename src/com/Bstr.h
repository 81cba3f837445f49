#pragma once

#include <QString>

#include <cstdint>

// A length-prefixed UTF-16 string owned by whoever allocated it until passed on. A null BSTR is
// an empty string. Client and component each carry a copy of this code; both allocate through
// the C heap, so either side may free what the other allocated.
using BSTR = char16_t*;

BSTR SysAllocString(const char16_t* text);
// Copies length characters of text, or leaves them zero when text is null.
BSTR SysAllocStringLen(const char16_t* text, std::uint32_t length);
void SysFreeString(BSTR text);
std::uint32_t SysStringLen(BSTR text);

BSTR BstrFromQString(const QString& text);
QString QStringFromBstr(BSTR text);
