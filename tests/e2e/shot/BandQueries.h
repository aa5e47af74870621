#pragma once

#include "Shot.h"

#include <QString>
#include <optional>
#include <vector>

// Where the band a game starts with is, and whether it is whole. The band starts with its top
// at row 204 of the field and climbs 7 rows a tick; its stripes are 16 rows each.
namespace BandQueries {

// The top rows of every run of rows that are red across at least 370 of the 400 columns. The
// band's red stripe is always such a run (the character covers no more than her picture's width); other
// lumabels only grow that wide after a dozen ticks or more.
std::vector<int> Tops(const Shot& shot);

// What is wrong with the band at that top, a position it can only have within its first 15
// ticks: the six stripes in order, the row above not red and the row below not lavender, and
// the character standing on it in the middle. Only the columns no lumabel from a corner can
// have reached yet (12 px a tick from each side) are checked, and not the character's.
std::optional<QString> Problem(const Shot& shot, int top);

// The band's top when it is right at the start of a game; the lowest candidate wins, as the
// one nearest the start.
std::optional<int> FreshTop(const Shot& shot);

}  // namespace BandQueries
