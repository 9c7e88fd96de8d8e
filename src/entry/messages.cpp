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

void LoadMessage(char* slot, int number) {
    LanguageResources& language = TheLanguageResources();
    if (language.IsLoaded()) {
        // A language file translates the program's own texts, never a library's.
        LoadStringA(ProgramModule(), number, slot, kMessageSlotSize);
    } else if (LoadStringA(ResourceModule(), number, slot, kMessageSlotSize) <= 0) {
        // A library may leave a message out: the built-in text stands.
        slot[0] = '\0';
        LoadStringA(ProgramModule(), number, slot, kMessageSlotSize);
    }
    language.Translate(slot, slot, nullptr, 0, kMessageSlotSize);
}
}  // namespace

const char* MessageText(int number) {
    char* slot = NextSlot();
    LoadMessage(slot, number);
    return slot;
}

const char* FormatMessageText(int number) {
    // One slot, like MessageText: the ring keeps its eight-call promise.
    char* slot = NextSlot();
    LoadMessage(slot, number);
    if (HasSingleStringConversion(slot)) return slot;
    // A replacement from a language library or language file that is not a
    // safe format: the program's own text, untranslated.
    slot[0] = '\0';
    LoadStringA(ProgramModule(), number, slot, kMessageSlotSize);
    if (!HasSingleStringConversion(slot)) CopyText(slot, kMessageSlotSize, "%s");
    return slot;
}
