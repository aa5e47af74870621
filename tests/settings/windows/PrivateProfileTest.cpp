#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "settings/ProfileDocument.h"
#include "settings/TempFolder.h"
#include "settings/files/windows/FileCalls.h"

// Reads the hand-made settings files the fuzzer starts from with our reader and with Windows'
// own (GetPrivateProfileStringW, as Wine implements it), for every section and key name that
// appears in them, in their own case and in capitals.

namespace {

const std::string Missing = "(missing)";

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// Every name that might be a section or a key, found by a look at each line that knows nothing
// of the dialect's finer points: the reader's answers are what is compared.
void CollectNames(const std::string& bytes, std::set<std::string>& sections,
                  std::set<std::string>& keys) {
    std::size_t begin = 0;
    while (begin <= bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", begin), bytes.size());
        const std::string line = Trimmed(std::string_view(bytes).substr(begin, end - begin));
        if (line.starts_with('[')) {
            sections.insert(Trimmed(line.substr(1, line.find(']') - 1)));
        } else if (line.find('=') != std::string::npos) {
            keys.insert(Trimmed(line.substr(0, line.find('='))));
        }
        begin = end + 1;
    }
    sections.insert({"", "Settings", "SETTINGS"});
    keys.insert({"PlayOptions", "SystemOptions", "Others"});
    for (const auto& names : {&sections, &keys}) {
        for (const std::string& name : std::set<std::string>(*names)) {
            names->insert(Upper(name));
        }
    }
}

std::wstring Wide(const std::string& text, UINT codePage) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
    std::string text(wide.size() * 4, '\0');
    text.resize(static_cast<std::size_t>(
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

// Windows' reader takes a file with the UTF-8 mark as UTF-8 and any other (without a UTF-16
// mark) as text in the ANSI code page; names go in and the value comes back in that encoding,
// so its answer and ours compare byte for byte.
std::string Theirs(const std::string& bytes, const std::wstring& path, const std::string& section,
                   const std::string& key) {
    const UINT codePage = bytes.starts_with("\xEF\xBB\xBF") ? CP_UTF8 : CP_ACP;
    std::wstring value(ProfileDocument::MaxValueLength + 1, L'\0');
    const DWORD length =
        GetPrivateProfileStringW(Wide(section, codePage).c_str(), Wide(key, codePage).c_str(),
                                 Wide(Missing, codePage).c_str(), value.data(),
                                 static_cast<DWORD>(value.size()), path.c_str());
    value.resize(length);
    return Narrow(value, codePage);
}

std::string Shown(const std::string& value) {
    return value == Missing ? value
                            : "\"" + value.substr(0, 40) + (value.size() > 40 ? "...\"" : "\"");
}

// Where Wine's reader is known to differ, and why. Our reader follows the classic platform's
// dialect on each of these; Wine's is not that platform, and no stored file depends on them.
struct KnownDifference {
    std::string File, Section, Key, Cause;
};
const std::string NoHeader =
    "Wine takes a \"[Settings\" line (no ']') for no header, so the lines under it "
    "belong to the section before; ours runs the name to the line's end, and so its "
    "first Settings section is that one";
const std::vector<KnownDifference> Known = {
    {"odd-lines.ini", "", "K",
     "Wine reads a key before the first header as in the section \"\"; ours cannot reach it"},
    {"odd-lines.ini", "", "PlayOptions", NoHeader},
    {"odd-lines.ini", "", "Others", NoHeader},
    {"odd-lines.ini", "Settings", "PlayOptions", NoHeader},
    {"odd-lines.ini", "Settings", "Others", NoHeader},
    {"odd-lines.ini", "", "", "Wine gives the default for an empty key name, as Windows 95 did"},
};

const KnownDifference* Explained(const std::string& file, const std::string& section,
                                 const std::string& key) {
    for (const KnownDifference& known : Known) {
        if (known.File == file && Upper(known.Section) == Upper(section) &&
            Upper(known.Key) == Upper(key)) {
            return &known;
        }
    }
    return nullptr;
}

}  // namespace

TEST(PrivateProfile, OurReaderDiffersFromWinesOnlyWhereKnown) {
    std::set<const KnownDifference*> seen;
    for (const auto& entry : std::filesystem::directory_iterator(LUMABELS_PROFILE_CORPUS)) {
        const std::string file = entry.path().filename().string();
        const std::string bytes = TempFolder::Contents(entry.path().string());
        std::set<std::string> sections;
        std::set<std::string> keys;
        CollectNames(bytes, sections, keys);
        const ProfileDocument ours(bytes);
        for (const std::string& section : sections) {
            for (const std::string& key : keys) {
                const std::string mine = ours.Get(section, key).value_or(Missing);
                const std::string theirs = Theirs(bytes, entry.path().wstring(), section, key);
                if (mine == theirs) {
                    continue;
                }
                const KnownDifference* known = Explained(file, section, key);
                EXPECT_NE(known, nullptr) << file << " [" << section << "] " << key << ": ours "
                                          << Shown(mine) << ", Wine's " << Shown(theirs);
                seen.insert(known);
            }
        }
    }
    // Each listed difference still shows, so the list stays true.
    for (const KnownDifference& known : Known) {
        EXPECT_TRUE(seen.contains(&known))
            << known.File << " [" << known.Section << "] " << known.Key << " no longer differs";
    }
}
