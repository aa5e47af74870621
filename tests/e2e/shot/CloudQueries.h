#pragma once

#include "Shot.h"

#include <QString>
#include <vector>

// A whole cloud standing alone on the sky: row Y is white from column A to B with sky on both
// sides, column Cx white from row T to Bottom with sky above and below.
struct Cloud {
    int A;
    int B;
    int Y;
    int Cx;
    int T;
    int Bottom;
};

namespace CloudQueries {

// Every lone cloud at least 60 px wide and 28 px high, each found once, top row first.
std::vector<Cloud> LoneClouds(const Shot& shot);

// "covered" when anything but sky and white has come within 2 px of the cloud, "intact" when
// its edges are all where they were, else "gone".
QString State(const Shot& shot, const Cloud& cloud);

}  // namespace CloudQueries
