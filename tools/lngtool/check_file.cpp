// Checks a translated language file.
#include "check_file.h"

#include <map>

#include "localisation/language_store.h"

namespace {
bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsUpperHex(char c) { return c >= 'A' && c <= 'F'; }

std::string Decode(const std::string& raw) {
    std::string copy = raw;
    copy.push_back('\0');
    int n = LanguageStore::Decode(&copy[0], static_cast<int>(raw.size()));
    return copy.substr(0, n);
}

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) out += (out.empty() ? "" : " ") + s;
    return out.empty() ? "none" : out;
}
}  // namespace

std::vector<std::string> Conversions(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < text.size() && std::string("-+ #0123456789.*hlLqjzt").find(text[j]) != std::string::npos) ++j;
        out.push_back(text.substr(i, j < text.size() ? j - i + 1 : j - i));
        i = j;
    }
    return out;
}

CheckResult CheckLanguageFile(const std::string& file, const std::vector<ProgramText>& texts) {
    CheckResult result;
    MemoryByteSource source(file.data(), file.size());
    long long marker = LanguageStore::FindMarker(source);
    if (marker < 0) {
        result.problems.push_back(
            "no marker line found (it must start within the first 523,264 bytes and at least 16 bytes "
            "before the end of the file, in the file's code page): the program ignores this file");
        return result;
    }
    std::map<std::string, const ProgramText*> known;
    for (const ProgramText& t : texts) known.emplace(t.key, &t);

    int lineNumber = 1;
    for (long long i = 0; i < marker; ++i) {
        if (file[i] == '\n' || (file[i] == '\r' && (i + 1 >= marker || file[i + 1] != '\n'))) ++lineNumber;
    }
    size_t end = std::min(file.size(), static_cast<size_t>(marker) + kMessagePartSize);
    size_t zero = file.find('\0', marker);
    if (zero != std::string::npos && zero < end) end = zero;
    std::map<std::string, int> seen;
    size_t pos = static_cast<size_t>(marker);
    while (pos < end) {
        size_t lineEnd = pos;
        while (lineEnd < end && file[lineEnd] != '\r' && file[lineEnd] != '\n' && file[lineEnd] != '\f') ++lineEnd;
        std::string line = file.substr(pos, lineEnd - pos);
        std::string at = "line " + std::to_string(lineNumber) + ": ";
        bool hexKey = line.size() >= 8;
        for (size_t k = 0; hexKey && k < 8; ++k) hexKey = IsHex(line[k]);
        if (hexKey) {
            std::string key = line.substr(0, 8);
            bool upper = false;
            for (char c : key) upper = upper || IsUpperHex(c);
            size_t afterBlanks = 8;
            while (afterBlanks < line.size() && (line[afterBlanks] == ' ' || line[afterBlanks] == '\t')) ++afterBlanks;
            bool looksLikeEntry = afterBlanks < line.size() && line[afterBlanks] == '=';
            if (upper && looksLikeEntry) {
                result.problems.push_back(at + "key " + key + " has upper-case digits: it is never found");
            } else if (looksLikeEntry && (afterBlanks != 8 || line.size() < 10 || line[9] != '"')) {
                result.problems.push_back(at + "key " + key +
                                          ": blanks around = or no double quote right after it; the text "
                                          "is then taken from the 10th byte of the line on");
            } else if (looksLikeEntry) {
                ++result.entries;
                size_t close = line.rfind('"');
                std::string text;
                if (close == std::string::npos || close < 10) {
                    result.problems.push_back(at + "key " + key +
                                              ": no closing double quote; the text runs to the end of the line "
                                              "and keeps the line break");
                    text = Decode(line.substr(10));
                } else {
                    text = Decode(line.substr(10, close - 10));
                }
                auto previous = seen.find(key);
                if (previous != seen.end()) {
                    result.problems.push_back(at + "key " + key + " is already used on line " +
                                              std::to_string(previous->second) + ": only one of them is found");
                } else {
                    seen[key] = lineNumber;
                }
                auto found = known.find(key);
                if (found == known.end()) {
                    result.problems.push_back(at + "key " + key + " matches no text of the program");
                } else {
                    const ProgramText& original = *found->second;
                    if (original.kind == TextKind::Message && (original.number == 5106 || original.number == 5108)) {
                        std::vector<std::string> want = Conversions(original.bytes);
                        std::vector<std::string> got = Conversions(text);
                        if (want != got) {
                            result.problems.push_back(at + "message " + std::to_string(original.number) +
                                                      " has the conversions " + Join(got) + " where the original has " +
                                                      Join(want) + ": the program will use its own text");
                        }
                    }
                    if (original.kind == TextKind::Scale && text.find('*') == std::string::npos) {
                        result.problems.push_back(at + "scale entry of " + original.dialog +
                                                  " without an asterisk: it scales nothing");
                    }
                    if (original.kind == TextKind::Direction && text != "RTL") {
                        result.notes.push_back(at + "the direction entry is not exactly RTL: left to right");
                    }
                }
            }
        }
        // Line breaks: CR LF counts as one, as editors show it.
        pos = lineEnd;
        if (pos < end) {
            if (file[pos] == '\r' && pos + 1 < end && file[pos + 1] == '\n') ++pos;
            ++pos;
            ++lineNumber;
        }
    }
    if (zero != std::string::npos && zero < static_cast<size_t>(marker) + kMessagePartSize) {
        result.problems.push_back("line " + std::to_string(lineNumber) +
                                  ": a zero byte; everything after it is ignored");
    } else if (file.size() > static_cast<size_t>(marker) + kMessagePartSize) {
        result.problems.push_back("line " + std::to_string(lineNumber) +
                                  ": the file goes on beyond the 65,536 bytes read from the marker on; "
                                  "what follows is ignored");
    }
    for (const ProgramText& t : texts) {
        if (seen.count(t.key)) ++result.translatedTexts;
    }
    return result;
}
