// The text of the self-removal script.
#include "uninstall/removal_script.h"

#include <cstdarg>
#include <cstring>

#include "foundation/bounded_text.h"

namespace {

constexpr size_t kEscapedSize = 2 * kScriptPathSize;

// Formats onto the end of the text already in out.
bool AppendFormat(char* out, size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
bool AppendFormat(char* out, size_t size, const char* format, ...) {
    size_t used = std::strlen(out);
    if (used + 1 >= size) return false;
    va_list args;
    va_start(args, format);
    bool fits = FormatTextV(out + used, size - used, format, args);
    va_end(args);
    return fits;
}

bool Escape(char* dst, const char* src) {
    return std::strlen(src) < kScriptPathSize && DoublePercent(dst, kEscapedSize, src);
}

}  // namespace

bool DoublePercent(char* dst, size_t size, const char* src) {
    if (size == 0) return false;
    size_t used = 0;
    // '%' is never the trail byte of a double-byte character, so bytes can
    // be copied one by one; a cut is made only between whole characters.
    for (const char* p = src; *p != '\0'; ++p) {
        size_t need = (*p == '%') ? 2 : 1;
        if (used + need + 1 > size) {
            dst[used] = '\0';
            CutText(dst, used);
            return false;
        }
        dst[used++] = *p;
        if (*p == '%') dst[used++] = '%';
    }
    dst[used] = '\0';
    return true;
}

size_t BuildRemovalScript(char* out, size_t size, bool ntFamily, const char* program,
                          const char* folder, const char* script) {
    if (size == 0) return 0;
    out[0] = '\0';
    char programText[kEscapedSize];
    char folderText[kEscapedSize];
    char scriptText[kEscapedSize];
    if (!Escape(programText, program) || !Escape(folderText, folder) ||
        !Escape(scriptText, script)) {
        return 0;
    }
    bool fits = ntFamily ? AppendFormat(out, size, "\"%s\" /wait\r\n", programText)
                         : AppendFormat(out, size, "start /wait \"%s\" /wait\r\n", programText);
    for (int attempt = 0; attempt < 5 && fits; ++attempt) {
        fits = AppendFormat(out, size, "del \"%s\"\r\nrd \"%s\"\r\nif not exist \"%s\" goto done\r\n",
                            programText, folderText, programText);
    }
    fits = fits && AppendFormat(out, size, ":done\r\nif exist \"%s\" \"%s\" /warning\r\ndel \"%s\"",
                                programText, programText, scriptText);
    if (!fits) {
        out[0] = '\0';
        return 0;
    }
    return std::strlen(out);
}

bool BuildInterpreterCommand(char* out, size_t size, const char* interpreter,
                             const char* script) {
    bool quote = std::strchr(interpreter, ' ') != nullptr && interpreter[0] != '"';
    bool fits = quote ? FormatText(out, size, "\"%s\" /c \"%s\"", interpreter, script)
                      : FormatText(out, size, "%s /c \"%s\"", interpreter, script);
    if (!fits && size > 0) out[0] = '\0';
    return fits;
}
