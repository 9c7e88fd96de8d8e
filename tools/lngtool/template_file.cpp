// Writes the template language file.
#include "template_file.h"

#include <map>

bool KeyGroup::Shared() const {
    for (const ProgramText* t : texts) {
        if (t->wide != texts[0]->wide || t->kind != texts[0]->kind) return true;
    }
    return false;
}

std::vector<KeyGroup> GroupByKey(const std::vector<ProgramText>& texts) {
    std::vector<KeyGroup> groups;
    std::map<std::string, size_t> where;
    for (const ProgramText& t : texts) {
        auto found = where.find(t.key);
        if (found == where.end()) {
            where[t.key] = groups.size();
            groups.push_back({t.key, {&t}});
        } else {
            groups[found->second].texts.push_back(&t);
        }
    }
    return groups;
}

std::string EscapeEntryText(const std::string& bytes) {
    std::string out;
    for (char c : bytes) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: out += c; break;
        }
    }
    return out;
}

namespace {
const char kEol[] = "\r\n";

// The original text beside an entry: no double quote (the entry's text ends
// at the line's last one) and no line break.
std::string Remark(const std::string& bytes) {
    std::string out;
    for (char c : bytes) {
        if (c == '"') out += '\'';
        else if (c == '\n' || c == '\r' || c == '\t' || c == '\f') out += ' ';
        else out += c;
    }
    return out;
}

const ProgramText* Counterpart(const ProgramText& t, const std::vector<ProgramText>* fill) {
    if (fill == nullptr) return nullptr;
    for (const ProgramText& f : *fill) {
        if (f.kind != t.kind || f.dialog != t.dialog) continue;
        if (t.kind == TextKind::Message && f.number == t.number) return &f;
        if (t.kind == TextKind::Caption) return &f;
        if (t.kind == TextKind::Control && f.index == t.index && f.number == t.number) return &f;
    }
    return nullptr;
}

std::string Pad(std::string line, size_t column) {
    if (line.size() < column) line.append(column - line.size(), ' ');
    else line += ' ';
    return line;
}
}  // namespace

std::string CodePageWarnings(const std::vector<ProgramText>& texts, UINT codePage, const char* prefix) {
    std::string out;
    int lossy = 0;
    for (const ProgramText& t : texts) lossy += t.lossy ? 1 : 0;
    if (lossy > 0) {
        out += std::string(prefix) + "WARNING: code page " + std::to_string(codePage) + " cannot represent " +
               std::to_string(lossy) + " of the program's texts." + kEol;
        out += std::string(prefix) + "The program receives them with question marks in place of those characters," +
               kEol;
        out += std::string(prefix) + "so their keys are made from the question marks, and texts that differ only" +
               kEol;
        out += std::string(prefix) + "in those characters (for example texts of equal length) share one key: one" +
               kEol;
        out += std::string(prefix) + "entry then translates all of them. The texts concerned:" + kEol;
        for (const ProgramText& t : texts) {
            if (t.lossy) out += std::string(prefix) + "  " + t.key + "  " + t.Where() + ": " + t.bytes + kEol;
        }
    }
    for (const KeyGroup& g : GroupByKey(texts)) {
        if (!g.Shared()) continue;
        out += std::string(prefix) + "Key " + g.key + " stands for " + std::to_string(g.texts.size()) +
               " different texts:";
        for (const ProgramText* t : g.texts) out += " " + t->Where() + ";";
        out += kEol;
    }
    return out;
}

std::string MakeTemplate(const std::vector<ProgramText>& texts, const std::vector<ProgramText>* fill,
                         UINT codePage, const std::string& programName) {
    std::string cp = std::to_string(codePage);
    std::string out;
    out += "Language file for " + programName + ", code page " + cp + kEol;
    out += kEol;
    out += "How this file works" + std::string(kEol);
    out += "- Save it as uninstall.lng beside uninstall.exe, in the ANSI code page " + cp + " (not in UTF-8" + kEol;
    out += "  or UTF-16). The program uses it only on a system with that code page." + std::string(kEol);
    out += "- Everything before the marker line (three asterisks, the word messages, three" + std::string(kEol);
    out += "  asterisks) is ignored: write your notes here." + std::string(kEol);
    out += "- After it, an entry is a line  key=\"text\"  starting at the very first column: the key is" +
           std::string(kEol);
    out += "  8 lower-case hexadecimal digits, followed directly by = and a double quote. Replace only" +
           std::string(kEol);
    out += "  the text between the quotes. Anything after the last double quote of the line is a" +
           std::string(kEol);
    out += "  remark; each entry has the original text there." + std::string(kEol);
    out += "- A key is the checksum of the original text as the program sees it in code page " + cp + "." + kEol;
    out += "  If the original changes, its entry is no longer found: make a new template." + std::string(kEol);
    out += "- Escapes inside a text: \\n line feed, \\r carriage return, \\t tab, \\\" double quote," +
           std::string(kEol);
    out += "  \\\\ backslash. A double-byte character whose second byte is a backslash is written" +
           std::string(kEol);
    out += "  with a second backslash after it." + std::string(kEol);
    out += "- Messages 5106 and 5108 are formats: keep exactly one %s and no other % conversion" +
           std::string(kEol);
    out += "  (write %% for a percent sign), or the program uses its own text." + std::string(kEol);
    out += "- Each dialog has a scale entry, commented out with ; below: \"width*height\" in percent," +
           std::string(kEol);
    out += "  for example \"120*110\". Remove the ; to use it." + std::string(kEol);
    out += "- The direction entry \"RTL\" lays every dialog out right to left. Remove the ; to use it." +
           std::string(kEol);
    out += "- Only the first 65,536 bytes from the marker on are read." + std::string(kEol);
    out += "- Check a finished file with: lngtool check uninstall.exe " + cp + " uninstall.lng" + kEol;
    std::string warnings = CodePageWarnings(texts, codePage, "");
    if (!warnings.empty()) out += kEol + warnings;
    out += kEol;
    out += "***messages***" + std::string(kEol);

    std::string section;
    for (const KeyGroup& g : GroupByKey(texts)) {
        const ProgramText& t = *g.texts[0];
        std::string heading = t.kind == TextKind::Message ? "Messages"
                              : t.kind == TextKind::Direction ? "Direction"
                                                              : "Dialog " + t.dialog;
        if (heading != section) {
            out += kEol + std::string("; ") + heading + kEol;
            section = heading;
        }
        std::string where;
        for (const ProgramText* each : g.texts) where += (where.empty() ? "" : ", ") + each->Where();
        std::string line;
        if (t.kind == TextKind::Scale) {
            line = Pad(";" + g.key + "=\"100*100\"", 40) + "; " + where + ": width*height in percent";
        } else if (t.kind == TextKind::Direction) {
            line = Pad(";" + g.key + "=\"RTL\"", 40) + "; " + where + ": RTL lays the dialogs out right to left";
        } else {
            const ProgramText* other = Counterpart(t, fill);
            std::string text = other != nullptr ? other->bytes : t.bytes;
            line = Pad(g.key + "=\"" + EscapeEntryText(text) + "\"", 40) + "; " + where + ": " + Remark(t.bytes);
        }
        out += line + kEol;
    }
    return out;
}
