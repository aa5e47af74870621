// Comma lists, the form of every value in the settings file. Any text splits without
// failing, and any list of items comes back item for item from its joined text.
//
// The input is read twice: whole, as a text to split; and, past its first byte, as a list
// whose items are separated by zero bytes (a text ends at its first zero byte, so no item can
// hold one). An empty input is the empty list, and a lone first byte the list of one empty
// item, the two lists whose joined texts need care.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "settings/CommaText.h"

namespace {

using Items = std::vector<std::string>;

std::string Listed(const Items& items) {
    std::string out = "{";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i > 0 ? ", " : "") + Escaped(items[i]);
    }
    return out + "}";
}

Items ItemsOf(std::string_view input) {
    Items items;
    if (input.empty()) {
        return items;
    }
    std::string_view rest = input.substr(1);
    for (;;) {
        const std::size_t zero = rest.find('\0');
        items.emplace_back(rest.substr(0, zero));
        if (zero == std::string_view::npos) {
            return items;
        }
        rest.remove_prefix(zero + 1);
    }
}

void CheckRoundTrip(const Items& items, const char* what) {
    const std::string text = JoinCommaText(items);
    const Items back = SplitCommaText(text);
    Require(back == items, what, [&] {
        return "items " + Listed(items) + "\njoined " + Escaped(text) + "\nsplit " + Listed(back);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // Whatever a text splits into is a list like any other: joining it must not change it.
    const Items split = SplitCommaText(input);
    for (const std::string& item : split) {
        Require(item.find('\0') == std::string::npos, "a split item holds a zero byte",
                [&] { return "text " + Escaped(input) + "\nsplit " + Listed(split); });
    }
    CheckRoundTrip(split, "a split list does not come back from its joined text");

    CheckRoundTrip(ItemsOf(input), "a list does not come back from its joined text");
    return 0;
}
