#pragma once

#include <string>
#include <string_view>
#include <vector>

// The settings file keeps each of its values as a list of items joined by commas. An item
// with a blank, a control character, a double quote or a comma goes in double quotes, with
// its own double quotes doubled.
std::string JoinCommaText(const std::vector<std::string>& items);

// The reverse. Blanks and control characters around items are dropped, a blank ends an item
// that is not quoted, two commas in a row give an empty item, and so does a comma at the
// very end. An empty text gives no item at all.
std::vector<std::string> SplitCommaText(std::string_view text);
