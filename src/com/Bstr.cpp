#include "com/Bstr.h"

#include <cstdlib>
#include <cstring>

namespace {

// The byte length is stored in the 32 bits just before the first character.
std::uint32_t* Prefix(BSTR text)
{
    return reinterpret_cast<std::uint32_t*>(text) - 1;
}

}

BSTR SysAllocString(const char16_t* text)
{
    if (!text)
        return nullptr;
    std::uint32_t length = 0;
    while (text[length])
        ++length;
    return SysAllocStringLen(text, length);
}

BSTR SysAllocStringLen(const char16_t* text, std::uint32_t length)
{
    const std::size_t bytes = std::size_t(length) * sizeof(char16_t);
    if (bytes > 0x7FFFFFF0u)
        return nullptr;
    auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + bytes + sizeof(char16_t)));
    if (!block)
        return nullptr;
    block[0] = std::uint32_t(bytes);
    BSTR result = reinterpret_cast<BSTR>(block + 1);
    if (text)
        std::memcpy(result, text, bytes);
    else
        std::memset(result, 0, bytes);
    result[length] = 0;
    return result;
}

void SysFreeString(BSTR text)
{
    if (text)
        std::free(Prefix(text));
}

std::uint32_t SysStringLen(BSTR text)
{
    return text ? *Prefix(text) / sizeof(char16_t) : 0;
}

BSTR BstrFromQString(const QString& text)
{
    return SysAllocStringLen(reinterpret_cast<const char16_t*>(text.constData()), std::uint32_t(text.size()));
}

QString QStringFromBstr(BSTR text)
{
    return QString::fromUtf16(text, SysStringLen(text));
}
