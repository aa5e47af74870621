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

    std::int32_t GetLumabelCount() const { return lumabelCount_; }
    void GetLumabel(std::int32_t index, Band& out) const;
    std::int32_t GetCloudCount() const { return cloudCount_; }
    void GetCloud(std::int32_t index, Rect& out) const;
    std::int32_t GetCurrentLumabel() const { return currentLumabel_; }
    std::int32_t GetCharacterX() const { return characterX_; }
    std::int32_t GetScore() const { return score_; }
    std::int32_t GetPlayTime() const { return playTime_; }
    std::int32_t GetRecordScore() const { return recordScore_; }
    std::int32_t GetRecordTime() const { return recordTime_; }
    void SetRecords(std::int32_t score, std::int32_t time);
    bool IsGameOver() const { return gameOver_; }

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

    std::int32_t lumabelCount_ = 0;
    std::array<Band, Capacity> lumabels_{};
    std::int32_t cloudCount_ = 0;
    std::array<Rect, Capacity> clouds_{};
    std::int32_t currentLumabel_ = 0;
    std::int32_t characterX_ = 0;
    std::int32_t score_ = 0;
    std::int32_t playTime_ = 0;
    std::uint32_t startTick_ = 0;
    std::int32_t recordScore_ = 0;
    std::int32_t recordTime_ = 0;
    bool gameOver_ = false;
};
