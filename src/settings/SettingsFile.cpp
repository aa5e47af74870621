#include "settings/SettingsFile.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "settings/AtomicFile.h"
#include "settings/CommaText.h"
#include "settings/IntegerText.h"

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

}  // namespace

StoredSettings SettingsFile::Parse(const ProfileDocument& document, std::int32_t left,
                                   std::int32_t top) {
    StoredSettings s;
    s.Left = left;
    s.Top = top;

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
    return s;
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

StoredSettings SettingsFile::Read(const std::string& path, std::int32_t left, std::int32_t top) {
    return Parse(ProfileDocument(ReadWholeFile(path).value_or("")), left, top);
}

bool SettingsFile::Write(const std::string& path, const StoredSettings& settings,
                         FileCalls& calls) {
    std::optional<std::string> old = ReadWholeFile(path);
    if (!old && access(path.c_str(), F_OK) == 0) {
        return false;  // there but unreadable: rewriting it would lose what it holds
    }
    ProfileDocument document(old.value_or(""));
    Store(document, settings);
    // The user's configuration folder may not have a folder for us yet.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return ReplaceFileAtomically(path, document.Bytes(), calls);
}
