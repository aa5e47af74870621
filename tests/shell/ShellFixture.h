#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/SeededRandom.h"
#include "settings/CurrentPlayOptions.h"
#include "settings/TempFolder.h"
#include "shell/GameShell.h"
#include "shell/ProgramGlobals.h"
#include "shell/Translator.h"
#include "support/GameShellProbe.h"
#include "support/ManualTickCounter.h"
#include "support/NoteRecorder.h"

// English, with the source's own words.
class SourceTranslator final : public Translator {
  public:
    std::string Translate(const GameText& text) const override { return text.Source; }
    std::string TranslateCount(const GameText& text, int count) const override {
        std::string words = text.Source;
        if (const auto at = words.find("%n"); count >= 0 && at != std::string::npos) {
            words.replace(at, 2, std::to_string(count));
        }
        return words;
    }
    std::string DecimalPoint() const override { return "."; }
};

// A face that records what the game asks of it; the test answers for the player.
class FakePort final : public ShellPort {
  public:
    void DrawTitle(bool) override { drawn.push_back("title"); }
    void DrawPlayfield(const World&, bool) override { drawn.push_back("field"); }
    void DrawResults(const ResultTexts& lines, bool) override {
        drawn.push_back("results");
        results = lines;
    }
    void Announce(const std::string& name, const std::string&, bool) override { announced = name; }
    void ArmWakeUp(std::optional<std::uint32_t> milliseconds) override { wake = milliseconds; }
    void WantSoundDevice(bool wanted) override { soundWanted = wanted; }
    bool ShowMessage(MessageId id, const std::string&, const std::string& text) override {
        messages.push_back({id, text});
        duringModal();
        return answerOk;
    }
    std::optional<OptionRecords> RunOptionsDialog(const OptionRecords& current) override {
        offered = current;
        duringModal();
        return chosen;
    }
    void ShowAbout() override { duringModal(); }
    void OpenHelpPage() override { ++helpOpened; }
    void ActivateNewItem() override { newItem(); }
    std::optional<FieldPoint> PointerInField() const override { return pointer; }
    WindowPosition CurrentPosition() const override { return position; }
    void TakeStoredPosition(const WindowPosition& stored, bool move) override {
        if (move) {
            position = stored;
        }
    }
    void SetStaysOnTop(bool onTop) override { staysOnTop = onTop; }

    struct Message {
        MessageId Id;
        std::string Text;
    };
    std::vector<std::string> drawn;
    ResultTexts results;
    std::string announced;
    std::optional<std::uint32_t> wake;
    bool soundWanted = false;
    std::vector<Message> messages;
    bool answerOk = true;
    std::optional<OptionRecords> offered;
    std::optional<OptionRecords> chosen;
    int helpOpened = 0;
    std::optional<FieldPoint> pointer;
    WindowPosition position{30, 40};
    bool staysOnTop = false;
    std::function<void()> duringModal = [] {};
    std::function<void()> newItem = [] {};
};

// A game shell over the fake face, with its own settings file, clock and random source.
class ShellFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        SettingsPath = folder.File("settings.ini");
        SettingsFallbackPath.clear();
        ApplyPlayOptions(AppPlayOptions{});
        ticks.Set(1000);
        port.newItem = [this] { shell->NewGame(); };
    }
    void TearDown() override {
        shell.reset();
        ApplyPlayOptions(AppPlayOptions{});
    }
    void Start() {
        shell.emplace(port, translator, ticks, random, notes);
        shell->Start();
    }
    GameShell::GameState State() const { return GameShellProbe::State(*shell); }
    ::World& World() { return GameShellProbe::World(*shell); }
    // Lets the clock run to each wake-up the game asks for and wakes it, until it asks for
    // none (the game is over) or `limit` milliseconds have passed.
    void RunFor(std::uint32_t limit) {
        for (std::uint32_t spent = 0; port.wake && spent < limit; spent += *port.wake) {
            ticks.Set(ticks.Now() + *port.wake);
            shell->Wake();
        }
    }

    TempFolder folder;
    FakePort port;
    SourceTranslator translator;
    ManualTickCounter ticks;
    SeededRandom random{7};
    NoteRecorder notes;
    std::optional<GameShell> shell;
};
