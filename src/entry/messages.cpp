// Message texts by number, in a ring of eight slots.
#include "entry/messages.h"

#include <windows.h>

#include "entry/format_check.h"
#include "foundation/bounded_text.h"
#include "localisation/ext_resource.h"
#include "localisation/language_resources.h"

namespace {
char ring[kMessageSlots][kMessageSlotSize];
int cursor = 0;

char* NextSlot() {
    cursor = (cursor + 1) % kMessageSlots;
    char* slot = ring[cursor];
    slot[0] = '\0';
    return slot;
}
}  // namespace

const char* MessageText(int number) {
    char* slot = NextSlot();
    LanguageResources& language = TheLanguageResources();
    if (language.IsLoaded()) {
        // A language file translates the program's own texts, never a library's.
        LoadStringA(ProgramModule(), number, slot, kMessageSlotSize);
    } else if (LoadStringA(ResourceModule(), number, slot, kMessageSlotSize) <= 0) {
        slot[0] = '\0';
        LoadStringA(ProgramModule(), number, slot, kMessageSlotSize);
    }
    language.Translate(slot, slot, nullptr, 0, kMessageSlotSize);
    return slot;
}

const char* FormatMessageText(int number) {
    const char* text = MessageText(number);
    if (HasSingleStringConversion(text)) return text;
    // A replacement from a language library or language file that is not a
    // safe format: the program's own text, untranslated.
    char* slot = NextSlot();
    LoadStringA(ProgramModule(), number, slot, kMessageSlotSize);
    if (!HasSingleStringConversion(slot)) CopyText(slot, kMessageSlotSize, "%s");
    return slot;
}
