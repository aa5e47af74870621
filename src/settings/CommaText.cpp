#include "settings/CommaText.h"

namespace {

constexpr char Quote = '"';
constexpr char Comma = ',';

// Codes 1 to 32: a blank or a control character.
bool IsBlankOrControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

bool NeedsQuotes(const std::string& item) {
    for (const char c : item) {
        if (IsBlankOrControl(c) || c == Quote || c == Comma) {
            return true;
        }
    }
    return false;
}

std::string Quoted(const std::string& item) {
    std::string out(1, Quote);
    for (const char c : item) {
        out += c;
        if (c == Quote) {
            out += Quote;
        }
    }
    out += Quote;
    return out;
}

void SkipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsBlankOrControl(text[at])) {
        ++at;
    }
}

// From an opening quote to the closing one; a quote that is never closed runs to the end.
std::string ReadQuotedItem(std::string_view text, std::size_t& at) {
    std::string item;
    ++at;
    while (at < text.size()) {
        if (text[at] != Quote) {
            item += text[at++];
        } else if (at + 1 < text.size() && text[at + 1] == Quote) {
            item += Quote;
            at += 2;
        } else {
            ++at;
            break;
        }
    }
    return item;
}

std::string ReadPlainItem(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && static_cast<unsigned char>(text[at]) > 32 && text[at] != Comma) {
        ++at;
    }
    return std::string(text.substr(start, at - start));
}

}  // namespace

std::string JoinCommaText(const std::vector<std::string>& items) {
    if (items.size() == 1 && items.front().empty()) {
        return std::string(2, Quote);  // otherwise it would read back as no item at all
    }
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            out += Comma;
        }
        out += NeedsQuotes(items[i]) ? Quoted(items[i]) : items[i];
    }
    return out;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
    // A text ends at its first zero byte, as it always has for the file's readers.
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> items;
    std::size_t at = 0;
    SkipBlanks(text, at);
    while (at < text.size()) {
        items.push_back(text[at] == Quote ? ReadQuotedItem(text, at) : ReadPlainItem(text, at));
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == Comma) {
            if (at + 1 == text.size()) {
                items.emplace_back();
            }
            ++at;
            SkipBlanks(text, at);
        }
    }
    return items;
}
