// Message texts by number: every user-visible text of the program.
#pragma once

enum MessageNumber {
    MSG_PRODUCT_TITLE = 5101,
    MSG_HELP_LINK = 5102,
    MSG_CONSOLE_MANUAL_LINK = 5103,
    MSG_UNINSTALL_CAPTION = 5104,
    MSG_UNINSTALL_DONE = 5105,
    MSG_DELETE_MANUALLY = 5106,      // format with exactly one %s
    MSG_CONFIRM_UNINSTALL = 5107,
    MSG_CANNOT_OPEN_LIST = 5108,     // format with exactly one %s
    MSG_ARCHIVE_TYPE = 5109,
    MSG_ZIP_ARCHIVE_TYPE = 5110,
    MSG_RECOVERY_VOLUME_TYPE = 5111,
    MSG_HOME_PAGE = 5112,
    MSG_SHORTCUT_COMMENT = 5113,
    MSG_RESTART_NEEDED = 5114,
};

constexpr int kMessageSlotSize = 512;
constexpr int kMessageSlots = 8;

// The text of a message, in one slot of a ring of eight 512-byte slots: it
// stays valid until eight further calls have been made. Never fails: a number
// found nowhere gives an empty text.
const char* MessageText(int number);

// The text of a format message (5106, 5108) that is safe to use as a format
// with one string argument: MessageText(number) when that holds exactly one
// %s and no other conversion (%% allowed), else the program's built-in text
// (untranslated; "%s" should even that be unfit). Takes one slot of the ring.
const char* FormatMessageText(int number);
