#include "data/Language.h"

#include <atomic>

namespace {
std::atomic<UiLanguage> g_language{UiLanguage::Hebrew};
}

namespace Language {

UiLanguage Current()
{
    return g_language.load();
}

void Set(UiLanguage language)
{
    g_language.store(language);
}

}
