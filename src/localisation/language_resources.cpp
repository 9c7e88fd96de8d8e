// The language file. Until it is read, nothing is translated.
#include "localisation/language_resources.h"

#include "foundation/bounded_text.h"

void LanguageResources::Init(const char*) {}
bool LanguageResources::IsLoaded() const { return false; }
bool LanguageResources::RightToLeft() const { return false; }

void LanguageResources::Translate(char* dest, const char* source, const char*, int, size_t destSize) {
    if (dest != source) CopyText(dest, destSize, source);
}

LanguageResources& TheLanguageResources() {
    static LanguageResources object;
    return object;
}
