// Constructs the process-wide language library and language file objects
// during static initialisation, after LeadByteTable has been filled (priority
// 101) and before any other static object, in this order. Both are function
// statics, so at process exit the language file object is destroyed first,
// then the language library object (which frees a still-loaded library).
#include "localisation/ext_resource.h"
#include "localisation/language_resources.h"

namespace {
struct ProcessObjects {
    ProcessObjects() {
        TheExtResource();
        TheLanguageResources();
    }
};
ProcessObjects processObjects __attribute__((init_priority(102)));
}  // namespace
