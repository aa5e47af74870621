#include "shell/ShellTexts.h"

#include "engine/ResultLines.h"
#include "engine/World.h"
#include "shell/Translator.h"

namespace {

constexpr GameText DefaultHeadingText = GAME_TEXT("ResultsHeading", "Results");
constexpr GameText LastText = GAME_COUNT_TEXT("ResultLines", "Last : %n pt. %1 sec.");
constexpr GameText RecordText = GAME_COUNT_TEXT("ResultLines", "Record : %n pt. %1 sec.");

constexpr GameText NotSavedText =
    GAME_TEXT("KeptSettings", "lumabels: the settings were not saved in %1: %2");
constexpr GameText NotSavedNowhereText =
    GAME_TEXT("KeptSettings", "lumabels: the settings were not saved: %1");

const std::string& DefaultHeading() {
    static const std::string heading = AppPlayOptions{}.Message;
    return heading;
}

}  // namespace

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 1 < pattern.size() && pattern[i + 1] >= '1'
                                  ? static_cast<std::size_t>(pattern[i + 1] - '1')
                                  : values.size();
        if (pattern[i] == '%' && n < values.size()) {
            text += values.begin()[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string ShownHeading(const std::string& stored, const Translator& translator) {
    return stored == DefaultHeading() ? translator.Translate(DefaultHeadingText) : stored;
}

std::string StoredHeading(const std::string& shown, const Translator& translator) {
    return shown == translator.Translate(DefaultHeadingText) ? DefaultHeading() : shown;
}

std::string NotSavedLine(const std::string& path, const std::string& problem,
                         const Translator& translator) {
    // The reason is the settings layer's own words, or the system's.
    return path.empty() ? FillText(translator.Translate(NotSavedNowhereText), {problem})
                        : FillText(translator.Translate(NotSavedText), {path, problem});
}

ResultTexts ResultTextsOf(const World& world, const AppPlayOptions& options,
                          const Translator& translator) {
    // A negative record (a settings file edited by hand) picks no plural form: its "%n" is
    // left for ResultLines to write in.
    const auto count = [](std::int32_t points) { return points >= 0 ? points : -1; };
    const std::string last = translator.TranslateCount(LastText, count(world.GetScore()));
    const std::string record = translator.TranslateCount(RecordText, count(world.GetRecordScore()));
    ResultTexts lines =
        ResultLines(std::string(), world.GetScore(), world.GetPlayTime(), world.GetRecordScore(),
                    world.GetRecordTime(), translator.DecimalPoint(), ResultWords{last, record});
    lines[0] = ShownHeading(options.Message, translator);
    return lines;
}
