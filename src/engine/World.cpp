#include "engine/World.h"

#include <limits>

#include "engine/Geometry.h"
#include "engine/NoteOutput.h"
#include "engine/RandomSource.h"
#include "engine/TickCounter.h"
#include "settings/AppPlayOptions.h"
#include "settings/Clamp.h"

namespace {

// A lumabel that no longer overlaps the field grown by this margin has left it.
constexpr std::int32_t LeaveMargin = 192;
constexpr Rect InflatedField{FieldRect.Left - LeaveMargin, FieldRect.Top - LeaveMargin,
                             FieldRect.Right + LeaveMargin, FieldRect.Bottom + LeaveMargin};

constexpr std::int32_t Side = Band::Height;

// The starting band spans far beyond both sides, lies along the bottom edge and rises.
constexpr std::int32_t BandOverhang = 400;
constexpr std::int32_t BandSpeedY = -7;

// The longest game time a signed 32-bit count of whole 10 ms can hold. A game only gets
// near it if the window sits in a dialog for weeks; it must not come out negative then.
constexpr std::int32_t LongestPlayTime = std::numeric_limits<std::int32_t>::max() / 10 * 10;

}  // namespace

World::World(const WorldServices& services) : services_(services) {
    SeedWithCalendarTime(services_.Random);
}

World::~World() = default;

void World::GetLumabel(std::int32_t index, Band& out) const {
    out = lumabels_[static_cast<std::size_t>(index)];
}

void World::GetCloud(std::int32_t index, Rect& out) const {
    out = clouds_[static_cast<std::size_t>(index)];
}

void World::SetRecords(std::int32_t score, std::int32_t time) {
    recordScore_ = score;
    recordTime_ = time;
}

void World::SpawnLumabel() {
    if (lumabelCount_ >= Capacity) {
        return;
    }
    RandomSource& random = services_.Random;
    std::int32_t speedX = 0;
    std::int32_t speedY = 0;
    do {
        speedX = random.Below(12) + 1;
        speedY = random.Below(10) + 3;
    } while (speedX + speedY < 12);

    // Bit 0 picks the side (left heading right, or right heading left), bit 1 picks above
    // heading down or below heading up: a square touching the field at one corner point.
    const std::int32_t corner = random.Below(4);
    const bool fromRight = (corner & 1) != 0;
    const bool fromBelow = (corner & 2) != 0;
    const std::int32_t left = fromRight ? FieldRect.Right : FieldRect.Left - Side;
    const std::int32_t top = fromBelow ? FieldRect.Bottom : FieldRect.Top - Side;
    lumabels_[static_cast<std::size_t>(lumabelCount_)] =
        Band{Rect{left, top, left + Side, top + Side}, fromRight ? -speedX : speedX,
             fromBelow ? -speedY : speedY};
    ++lumabelCount_;
}

void World::RemoveLumabel(std::int32_t index) {
    for (std::int32_t i = index; i + 1 < lumabelCount_; ++i) {
        lumabels_[static_cast<std::size_t>(i)] = lumabels_[static_cast<std::size_t>(i + 1)];
    }
    --lumabelCount_;
}

void World::SpawnCloud() {
    if (cloudCount_ >= services_.Options.NumClouds) {
        return;
    }
    const std::int32_t x = services_.Random.Below(FieldRect.Right - FieldRect.Left);
    const std::int32_t y = services_.Random.Below(FieldRect.Bottom - FieldRect.Top - CloudHeight);
    clouds_[static_cast<std::size_t>(cloudCount_)] =
        Rect{x - CloudWidth / 2, y, x + CloudWidth / 2, y + CloudHeight};
    ++cloudCount_;
}

void World::RemoveCloud(std::int32_t index) {
    for (std::int32_t i = index; i + 1 < cloudCount_; ++i) {
        clouds_[static_cast<std::size_t>(i)] = clouds_[static_cast<std::size_t>(i + 1)];
    }
    --cloudCount_;
}

void World::NewGame() {
    lumabelCount_ = 0;
    for (std::int32_t i = 0; i < services_.Options.NumLumabels; ++i) {
        SpawnLumabel();
    }
    const Rect band{FieldRect.Left - BandOverhang, FieldRect.Bottom - Side,
                    FieldRect.Right + BandOverhang, FieldRect.Bottom};
    lumabels_[0] = Band{band, 0, BandSpeedY};
    currentLumabel_ = 0;
    characterX_ = (band.Left + band.Right) / 2;

    cloudCount_ = 0;
    for (std::int32_t i = 0; i < services_.Options.NumClouds; ++i) {
        SpawnCloud();
    }
    score_ = 0;
    playTime_ = 0;
    startTick_ = services_.Ticks.Now();
    gameOver_ = false;
}

void World::EndGame() {
    // Unsigned subtraction: a wrap of the counter during the game does no harm.
    const std::uint32_t elapsed = services_.Ticks.Now() - startTick_;
    const std::uint32_t whole = elapsed / 10U * 10U;
    playTime_ = whole > static_cast<std::uint32_t>(LongestPlayTime)
                    ? LongestPlayTime
                    : static_cast<std::int32_t>(whole);
    // The two records are independent maxima: they may come from different games.
    if (score_ > recordScore_) {
        recordScore_ = score_;
    }
    if (playTime_ > recordTime_) {
        recordTime_ = playTime_;
    }
    gameOver_ = true;
}

void World::Step() {
    if (gameOver_) {
        return;
    }
    std::int32_t i = 0;
    while (i < lumabelCount_) {
        Band& lumabel = lumabels_[static_cast<std::size_t>(i)];
        lumabel.Move();
        if (RectsOverlap(lumabel.Rect, InflatedField)) {
            ++i;
        } else if (i == currentLumabel_) {
            // The carrier stays in the list for the results screen; the others still move.
            EndGame();
            ++i;
        } else {
            RemoveLumabel(i);
            if (lumabelCount_ < services_.Options.NumLumabels) {
                SpawnLumabel();  // appended, and moved when the walk reaches it
            }
            if (i < currentLumabel_) {
                --currentLumabel_;
            }
            // Index i now holds the next lumabel, not yet moved.
        }
    }
    // The character keeps its distance to the leading edge of its lumabel.
    characterX_ += lumabels_[static_cast<std::size_t>(currentLumabel_)].SpeedX;
    Clamp(characterX_, CharacterMinX, CharacterMaxX);
}

bool World::Click(std::int32_t x, std::int32_t y) {
    if (gameOver_ || !PointInRect(FieldRect, x, y)) {
        return false;
    }
    bool hitLumabel = false;
    if (TryJump(x, y, hitLumabel)) {
        return true;
    }
    // Clouds lie beneath the lumabels: a point on any lumabel never reaches them.
    return !hitLumabel && TryBlowCloud(x, y);
}

bool World::TryJump(std::int32_t x, std::int32_t y, bool& hitLumabel) {
    const Rect& carrier = lumabels_[static_cast<std::size_t>(currentLumabel_)].Rect;
    std::int32_t target = -1;
    for (std::int32_t i = lumabelCount_ - 1; i >= 0; --i) {
        const Rect& rect = lumabels_[static_cast<std::size_t>(i)].Rect;
        if (PointInRect(rect, x, y)) {
            hitLumabel = true;
            if (RectsOverlap(rect, carrier)) {
                target = i;
                break;
            }
        }
    }
    if (target < 0 || target == currentLumabel_) {
        return false;
    }
    currentLumabel_ = target;
    characterX_ = x;
    ++score_;
    // The top stripe asks for note 6, the bottom one for note 1.
    const std::int32_t row =
        (y - lumabels_[static_cast<std::size_t>(target)].Rect.Top) / Band::StripeHeight;
    const bool inBand = row >= 0 && row < Band::StripeCount;
    services_.Notes.Play(inBand ? static_cast<NoteNumber>(Band::StripeCount - row) : NoNote);
    return true;
}

bool World::TryBlowCloud(std::int32_t x, std::int32_t y) {
    for (std::int32_t j = cloudCount_ - 1; j >= 0; --j) {
        if (PointInRect(clouds_[static_cast<std::size_t>(j)], x, y)) {
            RemoveCloud(j);
            SpawnCloud();
            SpawnLumabel();
            ++score_;
            services_.Notes.Play(static_cast<NoteNumber>(services_.Random.Below(NoteCount) + 1));
            return true;
        }
    }
    return false;
}
