#include "integration/new_menu_templates.h"

unsigned char LvxNewTemplate[kLvxNewTemplateSize] = {
    0x00, 0x76, 0x78, 0x21, 0x1A, 0x07, 0x00,                 // signature block
    0xCF, 0x90,                                               // header checksum
    0x73,                                                     // header type
    0x00, 0x00,                                               // header flags
    0x0D, 0x00,                                               // header size 13
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                       // reserved
};

unsigned char ZipNewTemplate[kZipNewTemplateSize] = {
    0x00, 0x4B, 0x05, 0x06,
};

void PrepareNewMenuTemplates() {
    LvxNewTemplate[0] = 0x4C;   // 'L'
    ZipNewTemplate[0] = 0x50;   // 'P'
}
