#pragma once

#include <array>
#include <cstdint>

#include "engine/AppLumabel.h"
#include "engine/PatternServices.h"
#include "engine/Rect.h"

// The world: lumabels, clouds, the character, score, time and records, and the rules of the
// game. Everything lives in fixed arrays inside the object, so play allocates nothing.
class AppPattern {
  public:
    static constexpr int Capacity = 16;
    static constexpr std::int32_t CloudWidth = 80;
    static constexpr std::int32_t CloudHeight = 32;
    static constexpr std::int32_t CharacterMinX = -400;
    static constexpr std::int32_t CharacterMaxX = 799;

    explicit AppPattern(const PatternServices& services);
    AppPattern(const AppPattern&) = delete;
    AppPattern& operator=(const AppPattern&) = delete;
    virtual ~AppPattern();

    void NewGame();
    void Step();
    // True when the click was taken: a jump or a blown-away cloud, each worth a point.
    bool Click(std::int32_t x, std::int32_t y);

    std::int32_t GetLumabelCount() const { return LumabelCount; }
    void GetLumabel(std::int32_t index, AppLumabel& out) const;
    std::int32_t GetCloudCount() const { return CloudCount; }
    void GetCloud(std::int32_t index, Rect& out) const;
    std::int32_t GetCurrentLumabel() const { return CurrentLumabel; }
    std::int32_t GetCharacterX() const { return CharacterX; }
    std::int32_t GetScore() const { return Score; }
    std::int32_t GetPlayTime() const { return PlayTime; }
    std::int32_t GetRecordScore() const { return RecordScore; }
    std::int32_t GetRecordTime() const { return RecordTime; }
    void SetRecords(std::int32_t score, std::int32_t time);
    bool IsGameOver() const { return GameOver; }

  private:
    friend struct AppPatternProbe;  // lets tests and benchmarks lay out exact positions

    void SpawnLumabel();
    void RemoveLumabel(std::int32_t index);
    void SpawnCloud();
    void RemoveCloud(std::int32_t index);
    void EndGame();
    bool TryJump(std::int32_t x, std::int32_t y, bool& hitLumabel);
    bool TryBlowCloud(std::int32_t x, std::int32_t y);

    PatternServices services_;

    std::int32_t LumabelCount = 0;
    std::array<AppLumabel, Capacity> Lumabels{};
    std::int32_t CloudCount = 0;
    std::array<Rect, Capacity> Clouds{};
    std::int32_t CurrentLumabel = 0;
    std::int32_t CharacterX = 0;
    std::int32_t Score = 0;
    std::int32_t PlayTime = 0;
    std::uint32_t StartTick = 0;
    std::int32_t RecordScore = 0;
    std::int32_t RecordTime = 0;
    bool GameOver = false;
};
