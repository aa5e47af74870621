#include "Shot.h"

#include <algorithm>

namespace {

bool Listed(Colour colour, const std::vector<Colour>& list) {
    return std::find(list.begin(), list.end(), colour) != list.end();
}

}  // namespace

std::optional<Shot> Shot::Load(const QString& path) {
    QImage image(path);
    if (image.isNull()) {
        return std::nullopt;
    }
    return Shot(image.convertToFormat(QImage::Format_RGB32));
}

Colour Shot::At(int x, int y) const {
    return image_.pixel(x, y) & RGB_MASK;
}

bool Shot::Is(int x, int y, Colour colour) const {
    return image_.rect().contains(x, y) && At(x, y) == colour;
}

int Shot::Count(Colour colour, const QRect& box) const {
    const QRect clipped = box.intersected(image_.rect());
    int n = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            n += At(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

std::optional<QRect> Shot::Bounds(Colour colour) const {
    QRect found;
    for (int y = 0; y < Height(); ++y) {
        for (int x = 0; x < Width(); ++x) {
            if (At(x, y) == colour) {
                found = found.united(QRect(x, y, 1, 1));
            }
        }
    }
    if (found.isNull()) {
        return std::nullopt;
    }
    return found;
}

std::vector<InkRun> Shot::InkRows(const std::vector<Colour>& flat) const {
    std::vector<InkRun> runs;
    bool open = false;
    for (int y = 0; y < Height(); ++y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < Width(); ++x) {
            if (!Listed(At(x, y), flat)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first < 0) {
            open = false;
        } else if (!open) {
            runs.push_back({y, y, first, last});
            open = true;
        } else {
            InkRun& run = runs.back();
            run.Y1 = y;
            run.X0 = std::min(run.X0, first);
            run.X1 = std::max(run.X1, last);
        }
    }
    return runs;
}

bool Shot::RowHasOnly(int y, int x0, int x1, const std::vector<Colour>& allowed) const {
    for (int x = x0; x <= x1; ++x) {
        if (!Listed(At(x, y), allowed)) {
            return false;
        }
    }
    return true;
}

bool Shot::OnlyColours(const QRect& box, const std::vector<Colour>& allowed) const {
    const QRect clipped = box.intersected(image_.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        if (!RowHasOnly(y, clipped.left(), clipped.right(), allowed)) {
            return false;
        }
    }
    return true;
}

int Shot::Bordering(Colour colour, Colour neighbour) const {
    int n = 0;
    for (int y = 1; y < Height() - 1; ++y) {
        for (int x = 1; x < Width() - 1; ++x) {
            if (At(x, y) != colour) {
                continue;
            }
            if (At(x - 1, y) == neighbour || At(x + 1, y) == neighbour ||
                At(x, y - 1) == neighbour || At(x, y + 1) == neighbour) {
                ++n;
            }
        }
    }
    return n;
}

std::optional<std::pair<int, int>> Shot::Reach(Colour colour, int y0, int y1) const {
    const QRect rows = QRect(0, y0, Width(), y1 - y0 + 1).intersected(image_.rect());
    std::optional<std::pair<int, int>> reach;
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        for (int x = 0; x < Width(); ++x) {
            if (At(x, y) != colour) {
                continue;
            }
            reach = reach ? std::pair(std::min(reach->first, x), std::max(reach->second, x))
                          : std::pair(x, x);
        }
    }
    return reach;
}

bool Shot::SameRows(const Shot& other, int y0, int y1) const {
    if (other.Width() != Width() || y0 < 0 || y1 >= Height() || y1 >= other.Height()) {
        return false;
    }
    for (int y = y0; y <= y1; ++y) {
        for (int x = 0; x < Width(); ++x) {
            if (At(x, y) != other.At(x, y)) {
                return false;
            }
        }
    }
    return true;
}
