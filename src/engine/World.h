#pragma once

#include <array>
#include <cstdint>

#include "engine/Band.h"
#include "engine/Rect.h"
#include "engine/WorldServices.h"

// The world: lumabels, clouds, the character, score, time and records, and the rules of the
// game. Everything lives in fixed arrays inside the object, so play allocates nothing.
class World {
  public:
    static constexpr int Capacity = 16;
    static constexpr std::int32_t CloudWidth = 80;
    static constexpr std::int32_t CloudHeight = 32;
    static constexpr std::int32_t CharacterMinX = -400;
    static constexpr std::int32_t CharacterMaxX = 799;

    explicit World(const WorldServices& services);
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    virtual ~World();

    void NewGame();
    void Step();
    // True when the click was taken: a jump or a blown-away cloud, each worth a point.
    bool Click(std::int32_t x, std::int32_t y);

    std::int32_t GetLumabelCount() const { return LumabelCount; }
    void GetLumabel(std::int32_t index, Band& out) const;
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
    friend struct WorldProbe;  // lets tests and benchmarks lay out exact positions

    void SpawnLumabel();
    void RemoveLumabel(std::int32_t index);
    void SpawnCloud();
    void RemoveCloud(std::int32_t index);
    void EndGame();
    bool TryJump(std::int32_t x, std::int32_t y, bool& hitLumabel);
    bool TryBlowCloud(std::int32_t x, std::int32_t y);

    WorldServices services_;

    std::int32_t LumabelCount = 0;
    std::array<Band, Capacity> Lumabels{};
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
