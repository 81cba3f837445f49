// textoracom-regsvr [-u] LIBRARY: calls the library's DllRegisterServer, or with -u its
// DllUnregisterServer, and says how it went.
#include "com/ComClient.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>

int main(int argc, char** argv)
{
    const bool unregister = argc == 3 && std::strcmp(argv[1], "-u") == 0;
    if (argc != 2 + int(unregister)) {
        std::fprintf(stderr, "usage: textoracom-regsvr [-u] LIBRARY\n");
        return 2;
    }
    const char* library = argv[argc - 1];
    // An absolute path, so that the library registers where it lies whatever the current folder.
    char* path = realpath(library, nullptr);
    if (!path) {
        std::fprintf(stderr, "textoracom-regsvr: cannot find %s: %s\n", library, std::strerror(errno));
        return 1;
    }
    void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    std::free(path);
    if (!handle) {
        std::fprintf(stderr, "textoracom-regsvr: cannot load %s: %s\n", library, dlerror());
        return 1;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto function = reinterpret_cast<DllRegisterServerFunction>(dlsym(handle, entry));
    if (!function) {
        std::fprintf(stderr, "textoracom-regsvr: %s has no entry point %s\n", library, entry);
        return 1;
    }
    const HRESULT hr = function();
    if (FAILED(hr)) {
        std::fprintf(stderr, "textoracom-regsvr: %s in %s failed: 0x%08X\n", entry, library, unsigned(hr));
        return 1;
    }
    std::printf("%s in %s succeeded.\n", entry, library);
    return 0;
}
