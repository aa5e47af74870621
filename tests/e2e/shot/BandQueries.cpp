#include "BandQueries.h"

#include "engine/FieldLook.h"

#include <algorithm>

namespace {

// The character's hair, as tools/art/make_character.py paints it into the sprites.
constexpr Colour Hair = 0xffd628;

constexpr int StartTop = 204;
constexpr int Climb = 7;
constexpr int StripeRows = 16;
constexpr int LastCheckedTick = 15;
constexpr int FullRed = 370;
constexpr int CornerReachPerTick = 12;
// Where the character stands at the start, on the band's middle: her picture's columns, and its
// rows from the band's top.
constexpr int StartX = 200;
constexpr int CharacterX0 = StartX - FieldLook::CharacterOffsetX;
constexpr int CharacterX1 = CharacterX0 + FieldLook::CharacterWidth - 1;
constexpr int CharacterAbove = FieldLook::CharacterOffsetY;
constexpr int CharacterBelow = FieldLook::CharacterHeight - FieldLook::CharacterOffsetY - 1;
constexpr int LeastHair = 30;

QString Rgb(Colour c) {
    return QStringLiteral("%1 %2 %3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

bool InCharacter(int x) {
    return x >= CharacterX0 && x <= CharacterX1;
}

std::optional<QString> TickProblem(int top) {
    if ((StartTop - top) % Climb != 0 || top > StartTop) {
        return QStringLiteral("band top %1 is no start position minus whole ticks of %2 px")
            .arg(top)
            .arg(Climb);
    }
    const int ticks = (StartTop - top) / Climb;
    if (ticks > LastCheckedTick) {
        return QStringLiteral(
                   "band top %1 is %2 ticks from the start: too far to check the stripes")
            .arg(top)
            .arg(ticks);
    }
    return std::nullopt;
}

// The colour row y must have (or, when `unlike`, must not have) at the band's columns.
struct RowRule {
    Colour Want;
    bool Unlike;
};

std::optional<RowRule> RuleFor(int y, int top) {
    using FieldLook::Stripes;
    if (y == top - 1) {
        return RowRule{Stripes.front(), true};
    }
    if (y == top + StripeRows * static_cast<int>(Stripes.size())) {
        return RowRule{Stripes.back(), true};
    }
    const int stripe = y < top ? -1 : (y - top) / StripeRows;
    if (stripe >= 0 && stripe < static_cast<int>(Stripes.size())) {
        return RowRule{Stripes[static_cast<std::size_t>(stripe)], false};
    }
    return std::nullopt;
}

std::optional<QString> StripeProblem(const Shot& shot, int top, int ticks) {
    const int reach = CornerReachPerTick * ticks;
    for (int y = std::max(0, top - 1); y < shot.Height(); ++y) {
        const std::optional<RowRule> rule = RuleFor(y, top);
        if (!rule) {
            continue;
        }
        for (int x = reach; x < shot.Width() - reach; ++x) {
            if (InCharacter(x) || (shot.At(x, y) == rule->Want) != rule->Unlike) {
                continue;
            }
            return QStringLiteral("row %1 column %2 is %3, expected %4%5")
                .arg(y)
                .arg(x)
                .arg(Rgb(shot.At(x, y)))
                .arg(rule->Unlike ? QStringLiteral("anything but ") : QString())
                .arg(Rgb(rule->Want));
        }
    }
    return std::nullopt;
}

std::optional<QString> CharacterProblem(const Shot& shot, int top) {
    int hair = 0;
    int stray = 0;
    for (int y = 0; y < shot.Height(); ++y) {
        for (int x = 0; x < shot.Width(); ++x) {
            if (shot.At(x, y) != Hair) {
                continue;
            }
            const bool onBand =
                InCharacter(x) && y >= top - CharacterAbove && y <= top + CharacterBelow;
            (onBand ? hair : stray) += 1;
        }
    }
    if (hair < LeastHair || stray > 0) {
        return QStringLiteral(
                   "the character is not standing on the band in the middle (%1 hair "
                   "pixels there, %2 elsewhere)")
            .arg(hair)
            .arg(stray);
    }
    return std::nullopt;
}

}  // namespace

namespace BandQueries {

std::vector<int> Tops(const Shot& shot) {
    std::vector<int> tops;
    bool before = false;
    for (int y = 0; y < shot.Height(); ++y) {
        const bool full =
            shot.Count(FieldLook::Stripes.front(), QRect(0, y, shot.Width(), 1)) >= FullRed;
        if (full && !before) {
            tops.push_back(y);
        }
        before = full;
    }
    return tops;
}

std::optional<QString> Problem(const Shot& shot, int top) {
    if (std::optional<QString> problem = TickProblem(top)) {
        return problem;
    }
    if (std::optional<QString> problem = StripeProblem(shot, top, (StartTop - top) / Climb)) {
        return problem;
    }
    return CharacterProblem(shot, top);
}

std::optional<int> FreshTop(const Shot& shot) {
    std::vector<int> tops = Tops(shot);
    std::sort(tops.rbegin(), tops.rend());
    for (const int top : tops) {
        if (!Problem(shot, top)) {
            return top;
        }
    }
    return std::nullopt;
}

}  // namespace BandQueries
