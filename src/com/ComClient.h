#pragma once

#include "com/Unknown.h"

#include <cstdint>

// What a client calls to reach a registered in-process server.

// The class registered under a ProgID; CO_E_CLASSSTRING when there is none.
HRESULT CLSIDFromProgID(const char16_t* progId, CLSID* clsid);

// Loads the class's library (it stays loaded for the rest of the process), asks its class
// factory for a new object and that object for the interface iid.
HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, std::uint32_t context, const IID& iid,
                         void** object);

// The signatures of a server library's entry points, for whoever looks them up with dlsym.
using DllGetClassObjectFunction = HRESULT (*)(const CLSID& clsid, const IID& iid, void** object);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
