// Any bytes as settings.ini. Reading must never fail or stray outside the file. Writing one
// key must give exactly the bytes worked out below from the rules of the format, leave every
// other line as it was, and read back as written.
//
// The input is the whole file. Its last four bytes also choose the edit: the section and the
// key from names the file itself holds (or the game's names, or new ones), and the value from
// the file's bytes, up to 2,599 of them so that values past the read limit come up even from
// short files.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "settings/ProfileDocument.h"
#include "settings/SettingsFile.h"
#include "settings/StoredSettings.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t ReadLimit = 2047;
constexpr std::size_t MaxNames = 64;

// The file's lines as this target reads them, apart from the code under test: CR LF, a lone
// CR or a lone LF ends a line, and a UTF-8 byte-order mark at the start is part of no line.
struct TextLine {
    std::size_t begin = 0;  // offsets into the file
    std::size_t contentEnd = 0;
    std::size_t next = 0;
    std::string_view content;
    std::string_view end;  // "", "\r", "\n" or "\r\n"
};

std::size_t BodyStart(std::string_view file) {
    return file.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
}

std::vector<TextLine> LinesOf(std::string_view file) {
    std::vector<TextLine> lines;
    std::size_t at = BodyStart(file);
    while (at < file.size()) {
        TextLine line;
        line.begin = at;
        const std::size_t stop = std::min(file.find('\r', at), file.find('\n', at));
        line.contentEnd = stop == std::string_view::npos ? file.size() : stop;
        std::size_t endLength = 0;
        if (stop != std::string_view::npos) {
            endLength = file.substr(stop, 2) == "\r\n" ? 2 : 1;
        }
        line.next = line.contentEnd + endLength;
        line.content = file.substr(line.begin, line.contentEnd - line.begin);
        line.end = file.substr(line.contentEnd, endLength);
        lines.push_back(line);
        at = line.next;
    }
    return lines;
}

// What an added line ends with: the file's first line end, or LF in a file without one.
std::string_view NewLineEnd(const std::vector<TextLine>& lines) {
    for (const TextLine& line : lines) {
        if (!line.end.empty()) {
            return line.end;
        }
    }
    return "\n";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view WithoutBlanks(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string_view(&*first, static_cast<std::size_t>(last - first))
                        : std::string_view();
}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
    };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool IsHeader(const TextLine& line) {
    return WithoutBlanks(line.content).starts_with('[');
}

bool IsKey(const TextLine& line) {
    const std::string_view text = WithoutBlanks(line.content);
    return !text.starts_with('[') && !text.starts_with(';') &&
           text.find('=') != std::string_view::npos;
}

std::string_view HeaderName(const TextLine& line) {
    const std::string_view inside = WithoutBlanks(line.content).substr(1);
    return WithoutBlanks(inside.substr(0, inside.find(']')));
}

std::string_view KeyName(const TextLine& line) {
    return WithoutBlanks(line.content.substr(0, line.content.find('=')));
}

// A value can never break its line.
std::string OnOneLine(std::string_view value) {
    std::string out(value);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

// What a read gives for a written value: its line as written, less the blanks at both ends
// and one pair of enclosing quotes (double or single), cut at the read limit.
std::string ValueAsRead(std::string_view written) {
    const std::string line = OnOneLine(written);
    std::string_view value = WithoutBlanks(line);
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, ReadLimit));
}

// Section and key names are the program's own, never the user's: one line each, no '=' or
// ']', no blanks at either end, and a key does not start like a comment or a header.
std::string OurName(std::string_view raw, bool isKey) {
    std::string name;
    for (const char c : raw) {
        if (c != '\r' && c != '\n' && c != '=' && c != ']') {
            name += c;
        }
    }
    std::string_view kept = name;
    for (;;) {
        kept = WithoutBlanks(kept);
        if (!isKey || !(kept.starts_with(';') || kept.starts_with('['))) {
            break;
        }
        kept.remove_prefix(1);
    }
    return std::string(kept);
}

// The exact file that writing the key must give, worked out from the lines.
std::string ExpectedAfterSet(std::string_view file, const std::vector<TextLine>& lines,
                             std::string_view section, std::string_view key,
                             const std::string& value) {
    const std::string eol(NewLineEnd(lines));
    std::optional<std::size_t> header;
    for (std::size_t i = 0; i < lines.size() && !header; ++i) {
        if (IsHeader(lines[i]) && SameName(HeaderName(lines[i]), section)) {
            header = i;
        }
    }
    if (!header) {
        // A new section at the very end, after a line end for a last line that lacks one.
        std::string out(file);
        if (!lines.empty() && lines.back().end.empty()) {
            out += eol;
        }
        return out + "[" + std::string(section) + "]" + eol + std::string(key) + "=" + value + eol;
    }
    std::size_t lastKey = *header;
    for (std::size_t i = *header + 1; i < lines.size() && !IsHeader(lines[i]); ++i) {
        if (!IsKey(lines[i])) {
            continue;
        }
        if (SameName(KeyName(lines[i]), key)) {
            // The first key of that name keeps its spelling and loses its indentation.
            return std::string(file.substr(0, lines[i].begin)) + std::string(KeyName(lines[i])) +
                   "=" + value + std::string(file.substr(lines[i].contentEnd));
        }
        lastKey = i;
    }
    // A new key right after the last key of the section, or after its header, ending the way
    // that line ends (the file's way when it ended the file).
    const TextLine& after = lines[lastKey];
    const std::string lineEnd = after.end.empty() ? eol : std::string(after.end);
    const std::string added =
        (after.end.empty() ? eol : std::string()) + std::string(key) + "=" + value + lineEnd;
    return std::string(file.substr(0, after.next)) + added + std::string(file.substr(after.next));
}

// One edit and the file it was made on, as a report shows them.
struct Edit {
    std::string_view file;
    std::string_view section;
    std::string_view key;
    std::string_view value;

    std::string Described() const {
        return "file " + Escaped(file) + "\nsection " + Escaped(section) + "\nkey " + Escaped(key) +
               "\nvalue " + Escaped(value);
    }
};

// Every line of the file but the one written is still a line of `after`, in order, with its
// own line end (a last line without one may gain one). `after` has at most one line more that
// is not among them (a new key), or two at the end (a new section with its key).
void CheckOtherLinesKept(const Edit& edit, const std::vector<TextLine>& before,
                         const std::string& written) {
    const std::vector<TextLine> after = LinesOf(written);
    const std::string value = OnOneLine(edit.value);
    const std::string keyLine = std::string(edit.key) + "=" + value;
    const auto details = [&] { return edit.Described() + "\nwritten " + Escaped(written); };
    std::size_t a = 0;
    std::size_t added = 0;
    bool rewritten = false;
    for (std::size_t b = 0; b < before.size(); ++b) {
        const TextLine& old = before[b];
        const bool last = b + 1 == before.size();
        const auto same = [&](const TextLine& now) {
            return now.content == old.content && (now.end == old.end || (last && old.end.empty()));
        };
        if (a < after.size() && same(after[a])) {
            ++a;
            continue;
        }
        // The written key's own line: same name, new value, same line end.
        if (!rewritten && IsKey(old) && SameName(KeyName(old), edit.key) && a < after.size() &&
            SameName(after[a].content.substr(0, after[a].content.find('=')), edit.key) &&
            after[a].content.substr(after[a].content.find('=') + 1) == value &&
            after[a].end == old.end) {
            rewritten = true;
            ++a;
            continue;
        }
        // An added key line, then this line.
        if (added == 0 && a + 1 < after.size() && after[a].content == keyLine &&
            same(after[a + 1])) {
            added = 1;
            a += 2;
            continue;
        }
        PropertyBroken("a line of the file was lost or changed by writing another key", [&] {
            return "line " + std::to_string(b + 1) + " " + Escaped(old.content) + " ending " +
                   Escaped(old.end) + "\n" + details();
        }());
    }
    const std::size_t extra = after.size() - a;
    const bool addedAtTheEnd = (extra == 1 && added == 0 && after[a].content == keyLine) ||
                               (extra == 2 && added == 0 && !rewritten &&
                                after[a].content == "[" + std::string(edit.section) + "]" &&
                                after[a + 1].content == keyLine);
    Require(extra == 0 || addedAtTheEnd, "writing a key added lines other than its own", details);
    Require(!rewritten || added + extra == 0, "a key was both rewritten and added", details);
}

bool SameSettings(const StoredSettings& a, const StoredSettings& b) {
    return a.Play.NumLumabels == b.Play.NumLumabels && a.Play.NumClouds == b.Play.NumClouds &&
           a.Play.Interval == b.Play.Interval && a.Play.Message == b.Play.Message &&
           a.Play.SoundOn == b.Play.SoundOn && a.System.RestoreRecord == b.System.RestoreRecord &&
           a.System.ClearRecord == b.System.ClearRecord &&
           a.System.RestorePosition == b.System.RestorePosition &&
           a.System.StayOnTop == b.System.StayOnTop && a.RecordScore == b.RecordScore &&
           a.RecordTime == b.RecordTime && a.Left == b.Left && a.Top == b.Top;
}

// What the game reads from the file it must read again after writing it back.
void CheckSettingsRoundTrip(const ProfileDocument& document) {
    const StoredSettings read = SettingsFile::Parse(document, 12, 34);
    ProfileDocument rewritten = document;
    SettingsFile::Store(rewritten, read);
    // A heading so long that its line passes the read limit cannot come back whole.
    const auto play = rewritten.Get(SettingsFile::Section, "PlayOptions");
    if (play && play->size() >= ReadLimit) {
        return;
    }
    Require(SameSettings(SettingsFile::Parse(rewritten, 56, 78), read),
            "settings written back do not read the same", [&] {
                return "before " + Escaped(document.Bytes()) + "\nafter " +
                       Escaped(rewritten.Bytes());
            });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);

    ProfileDocument document(file);
    for (const char* key : {"PlayOptions", "SystemOptions", "Others"}) {
        const auto value = document.Get(SettingsFile::Section, key);
        Require(!value || value->size() <= ReadLimit, "a read passed the limit");
    }
    CheckSettingsRoundTrip(document);

    const std::vector<TextLine> lines = LinesOf(file);
    std::vector<std::string> sections = {"Settings", "SETTINGS", "Added"};
    std::vector<std::string> keys = {"PlayOptions", "SystemOptions", "Others", "Added"};
    for (const TextLine& line : lines) {
        if (IsHeader(line) && sections.size() < MaxNames) {
            sections.push_back(OurName(HeaderName(line), false));
        } else if (IsKey(line) && keys.size() < MaxNames) {
            keys.push_back(OurName(KeyName(line), true));
        }
    }
    const auto choice = [&](std::size_t fromEnd) -> std::size_t {
        return size >= fromEnd ? data[size - fromEnd] : 0;
    };
    std::string value;
    if (size > 0) {
        const std::size_t length = (choice(3) << 8 | choice(4)) % 2600;
        const std::size_t start = (choice(1) * 7 + choice(2)) % size;
        for (std::size_t i = 0; i < length; ++i) {
            value += file[(start + i) % size];
        }
    }
    const Edit edit{file, sections[choice(1) % sections.size()], keys[choice(2) % keys.size()],
                    value};

    document.Set(edit.section, edit.key, edit.value);
    const std::string written = document.Bytes();
    const std::string expected =
        ExpectedAfterSet(file, lines, edit.section, edit.key, OnOneLine(edit.value));
    Require(written == expected, "the written file is not the expected one", [&] {
        return edit.Described() + "\nwritten  " + Escaped(written) + "\nexpected " +
               Escaped(expected);
    });
    CheckOtherLinesKept(edit, lines, written);

    const auto readBack = document.Get(edit.section, edit.key);
    Require(readBack == ValueAsRead(edit.value), "a written value does not read back", [&] {
        return edit.Described() + "\nread " +
               (readBack ? Escaped(*readBack) : std::string("nothing")) + "\nexpected " +
               Escaped(ValueAsRead(edit.value));
    });

    document.Set(edit.section, edit.key, edit.value);
    Require(document.Bytes() == written, "writing the same value again changed the file",
            [&] { return edit.Described(); });

    for (const char* key : {"PlayOptions", "SystemOptions", "Others"}) {
        (void)document.Get(SettingsFile::Section, key);
    }
    (void)SettingsFile::Parse(document, 0, 0);
    return 0;
}
