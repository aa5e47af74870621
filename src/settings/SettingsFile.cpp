#include "settings/SettingsFile.h"

#include <exception>
#include <filesystem>
#include <string_view>
#include <vector>

#include "settings/CommaText.h"
#include "settings/IntegerText.h"
#include "settings/files/AtomicFile.h"
#include "settings/files/IsMissing.h"

namespace {

constexpr const char* PlayOptionsKey = "PlayOptions";
constexpr const char* SystemOptionsKey = "SystemOptions";
constexpr const char* OthersKey = "Others";

// The key's entries, padded with empty ones up to `count`; extra entries are ignored.
std::vector<std::string> Entries(const ProfileDocument& document, const char* key,
                                 std::size_t count) {
    std::vector<std::string> items =
        SplitCommaText(document.Get(SettingsFile::Section, key).value_or(""));
    if (items.size() < count) {
        items.resize(count);
    }
    return items;
}

void ReadNumber(const std::string& entry, std::int32_t& field) {
    field = ParseIntegerOr(entry, field);
}

void ReadFlag(const std::string& entry, bool& flag) {
    flag = ParseIntegerOr(entry, flag ? 1 : 0) != 0;
}

std::string FlagText(bool flag) {
    return flag ? "1" : "0";
}

// A byte-order mark of UTF-16 (or UTF-32, which starts the same way) in either byte order.
bool IsUtf16(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

}  // namespace

StoredSettings SettingsFile::Parse(const ProfileDocument& document, std::int32_t left,
                                   std::int32_t top) {
    StoredSettings s;
    s.Left = left;
    s.Top = top;
    ParseInto(document, s);
    return s;
}

void SettingsFile::ParseInto(const ProfileDocument& document, StoredSettings& s) {
    const auto play = Entries(document, PlayOptionsKey, 5);
    ReadNumber(play[0], s.Play.NumLumabels);
    ReadNumber(play[1], s.Play.NumClouds);
    ReadNumber(play[2], s.Play.Interval);
    if (!play[3].empty()) {
        s.Play.Message = play[3];
    }
    ReadFlag(play[4], s.Play.SoundOn);

    const auto system = Entries(document, SystemOptionsKey, 4);
    ReadFlag(system[0], s.System.RestoreRecord);
    ReadFlag(system[1], s.System.ClearRecord);
    ReadFlag(system[2], s.System.RestorePosition);
    ReadFlag(system[3], s.System.StayOnTop);

    const auto others = Entries(document, OthersKey, 4);
    ReadNumber(others[0], s.RecordScore);
    ReadNumber(others[1], s.RecordTime);
    ReadNumber(others[2], s.Left);
    ReadNumber(others[3], s.Top);
    s.PositionStored = ParseInteger(others[2]).has_value() || ParseInteger(others[3]).has_value();
}

void SettingsFile::Store(ProfileDocument& document, const StoredSettings& s) {
    document.Set(
        Section, PlayOptionsKey,
        JoinCommaText({IntegerToText(s.Play.NumLumabels), IntegerToText(s.Play.NumClouds),
                       IntegerToText(s.Play.Interval), s.Play.Message, FlagText(s.Play.SoundOn)}));
    document.Set(Section, SystemOptionsKey,
                 JoinCommaText({FlagText(s.System.RestoreRecord), FlagText(s.System.ClearRecord),
                                FlagText(s.System.RestorePosition), FlagText(s.System.StayOnTop)}));
    document.Set(Section, OthersKey,
                 JoinCommaText({IntegerToText(s.RecordScore), IntegerToText(s.RecordTime),
                                IntegerToText(s.Left), IntegerToText(s.Top)}));
}

FileText SettingsFile::ReadText(const std::string& path, FileCalls& calls) {
    FileText text = ReadWholeFile(path, MaxBytes, calls);
    // The game reads and writes bytes, and an edit of UTF-16 text would mix 8-bit lines into it.
    if (text.State == FileText::Kind::Read && IsUtf16(text.Bytes)) {
        text.State = FileText::Kind::Unusable;
        text.Bytes.clear();
        text.Problem = "UTF-16 text, which the game does not write, so left as it is";
    }
    return text;
}

StoredSettings SettingsFile::Read(const std::string& path, std::int32_t left, std::int32_t top,
                                  FileCalls& calls) {
    StoredSettings s;
    s.Left = left;
    s.Top = top;
    try {
        const FileText text = ReadText(path, calls);
        if (text.State == FileText::Kind::Read) {
            ParseInto(ProfileDocument(text.Bytes), s);
        }
    } catch (...) {
        // Out of memory, most likely: what was read stands, the rest keeps its defaults.
    }
    return s;
}

StoredSettings SettingsFile::ReadOrFallback(const std::string& path, const std::string& fallback,
                                            std::int32_t left, std::int32_t top) {
    const bool useFallback = !fallback.empty() && (path.empty() || IsMissing(path));
    return Read(useFallback ? fallback : path, left, top);
}

WriteOutcome SettingsFile::Write(const std::string& path, const StoredSettings& settings,
                                 FileCalls& calls) {
    if (path.empty()) {
        return WriteOutcome::Refused("no home folder is known to keep them in");
    }
    try {
        FileText old = ReadText(path, calls);
        if (old.State == FileText::Kind::Unusable) {
            return WriteOutcome::Refused(old.Problem);
        }
        ProfileDocument document(std::move(old.Bytes));
        Store(document, settings);
        // The user's configuration folder may not have a folder for us yet. The path is UTF-8,
        // which std::filesystem takes as such only from char8_t text (on Windows, narrow text
        // is in the system's code page).
        const std::filesystem::path folder =
            std::filesystem::path(std::u8string(path.begin(), path.end())).parent_path();
        std::error_code error;
        if (!folder.empty() && !std::filesystem::exists(folder, error)) {
            std::filesystem::create_directories(folder, error);
            if (error) {
                const std::u8string name = folder.u8string();
                return WriteOutcome::Refused("cannot make " +
                                             std::string(name.begin(), name.end()) + ": " +
                                             error.message());
            }
        }
        return ReplaceFileAtomically(path, document.Bytes(), calls);
    } catch (const std::exception& error) {
        return WriteOutcome::Refused(error.what());
    } catch (...) {
        return WriteOutcome::Refused("unknown error");
    }
}
