#include "data/settings/Language.h"

#include <atomic>

#include <clocale>
#include <locale.h>

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

UiLanguage Language::FromSystem()
{
    for (const char* name : {"he_IL.UTF-8", "he_IL.utf8", "he_IL"}) {
        if (locale_t locale = newlocale(LC_ALL_MASK, name, locale_t(nullptr))) {
            freelocale(locale);
            return UiLanguage::Hebrew;
        }
    }
    return UiLanguage::English;
}

bool Language::FromOption(const QString& option, UiLanguage& language)
{
    if (option == QLatin1String("he"))
        language = UiLanguage::Hebrew;
    else if (option == QLatin1String("en"))
        language = UiLanguage::English;
    else
        return false;
    return true;
}
