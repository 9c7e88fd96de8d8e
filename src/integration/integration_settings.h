// The user's integration choices: 26 one-byte flags.
#pragma once

constexpr int kSettingsFlags = 26;
constexpr int kArchiveTypeCount = 14;

enum SettingsFlag {
    FLAG_DESKTOP_LINK = 20,
    FLAG_START_MENU_LINK = 21,
    FLAG_PROGRAM_GROUP = 22,
    FLAG_SHELL_INTEGRATION = 23,
    FLAG_CASCADED_MENU = 24,
    FLAG_MENU_ICONS = 25,
};

struct IntegrationSettings {
    unsigned char flags[kSettingsFlags];   // flags 0..13: archive types of ArchiveTypes
};

struct ArchiveType {
    const char* name;          // as its check box shows it
    const char* extensions;    // one or more extensions, each with its full stop
    const char* keyExtension;  // the first one: names the stored choice
};

extern const ArchiveType ArchiveTypes[kArchiveTypeCount];

// True when the extension (with its full stop) currently belongs to the archiver.
bool IsOwnExtension(const char* extension);
// Fills flags 0..13 and 20..25 from the settings key (defaults when missing).
void LoadIntegrationSettings(IntegrationSettings& settings);
void SaveIntegrationSettings(const IntegrationSettings& settings);
