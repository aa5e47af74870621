#include "CloudQueries.h"

#include "engine/FieldLook.h"

#include <algorithm>

namespace {

using FieldLook::Sky;
constexpr Colour White = FieldLook::Cloud;

constexpr int LeastWidth = 60;
constexpr int LeastHeight = 28;

bool Inside(const Cloud& known, int a, int b, int y) {
    return a >= known.A && b <= known.B && y >= known.T && y <= known.Bottom;
}

// The cloud whose widest white run from column a to b lies on row y, when it is whole and
// alone on the sky.
std::optional<Cloud> CloudAt(const Shot& shot, int a, int b, int y) {
    if (b - a + 1 < LeastWidth || a < 1 || b > shot.Width() - 2) {
        return std::nullopt;
    }
    if (!shot.Is(a - 1, y, Sky) || !shot.Is(b + 1, y, Sky)) {
        return std::nullopt;
    }
    const int cx = (a + b) / 2;
    int t = y;
    while (t > 0 && shot.Is(cx, t - 1, White)) {
        --t;
    }
    int bottom = y;
    while (bottom < shot.Height() - 1 && shot.Is(cx, bottom + 1, White)) {
        ++bottom;
    }
    if (t < 1 || bottom > shot.Height() - 2 || !shot.Is(cx, t - 1, Sky) ||
        !shot.Is(cx, bottom + 1, Sky) || bottom - t + 1 < LeastHeight) {
        return std::nullopt;
    }
    return Cloud{a, b, y, cx, t, bottom};
}

}  // namespace

namespace CloudQueries {

std::vector<Cloud> LoneClouds(const Shot& shot) {
    std::vector<Cloud> found;
    for (int y = 1; y < shot.Height() - 1; ++y) {
        int x = 0;
        while (x < shot.Width()) {
            if (!shot.Is(x, y, White)) {
                ++x;
                continue;
            }
            const int a = x;
            while (x < shot.Width() && shot.Is(x, y, White)) {
                ++x;
            }
            const int b = x - 1;
            const bool known = std::any_of(found.begin(), found.end(),
                                           [&](const Cloud& c) { return Inside(c, a, b, y); });
            if (known) {
                continue;
            }
            if (const std::optional<Cloud> cloud = CloudAt(shot, a, b, y)) {
                found.push_back(*cloud);
            }
        }
    }
    return found;
}

QString State(const Shot& shot, const Cloud& c) {
    const QRect near(QPoint(c.A - 2, c.T - 2), QPoint(c.B + 2, c.Bottom + 2));
    if (!shot.OnlyColours(near, {Sky, White})) {
        return QStringLiteral("covered");
    }
    const bool edges = shot.Is(c.A, c.Y, White) && shot.Is(c.B, c.Y, White) &&
                       shot.Is(c.Cx, c.T, White) && shot.Is(c.Cx, c.Bottom, White);
    const bool around = shot.Is(c.A - 1, c.Y, Sky) && shot.Is(c.B + 1, c.Y, Sky) &&
                        shot.Is(c.Cx, c.T - 1, Sky) && shot.Is(c.Cx, c.Bottom + 1, Sky);
    return edges && around ? QStringLiteral("intact") : QStringLiteral("gone");
}

}  // namespace CloudQueries
