#include "settings/ProfileDocument.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

std::string OnOneLine(std::string_view value) {
    std::string out(value);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}

}  // namespace

ProfileDocument::ProfileDocument(std::string bytes) : bytes_(std::move(bytes)) {
    if (std::string_view(bytes_).starts_with(ByteOrderMark)) {
        start_ = ByteOrderMark.size();
    }
    SplitLines();
}

void ProfileDocument::SplitLines() {
    lines_.clear();
    std::size_t at = start_;
    while (at < bytes_.size()) {
        Line line;
        line.Begin = at;
        while (at < bytes_.size() && bytes_[at] != '\r' && bytes_[at] != '\n') {
            ++at;
        }
        line.End = at;
        if (at < bytes_.size()) {
            at += bytes_.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        }
        line.Next = at;
        lines_.push_back(line);
    }
}

void ProfileDocument::ShiftLines(std::size_t first, std::ptrdiff_t delta) {
    for (std::size_t i = first; i < lines_.size(); ++i) {
        lines_[i].Begin += delta;
        lines_[i].End += delta;
        lines_[i].Next += delta;
    }
}

std::string_view ProfileDocument::Content(const Line& line) const {
    return std::string_view(bytes_).substr(line.Begin, line.End - line.Begin);
}

ProfileDocument::Kind ProfileDocument::KindOf(const Line& line) const {
    const std::string_view text = Trimmed(Content(line));
    if (text.starts_with(';')) {
        return Kind::Comment;
    }
    if (text.starts_with('[')) {
        return Kind::Header;
    }
    return text.find('=') != std::string_view::npos ? Kind::Key : Kind::Other;
}

std::string_view ProfileDocument::HeaderName(const Line& line) const {
    std::string_view text = Trimmed(Content(line));
    text.remove_prefix(1);
    return Trimmed(text.substr(0, text.find(']')));
}

std::string_view ProfileDocument::KeyName(const Line& line) const {
    const std::string_view text = Content(line);
    return Trimmed(text.substr(0, text.find('=')));
}

std::string_view ProfileDocument::Value(const Line& line) const {
    const std::string_view text = Content(line);
    std::string_view value = Trimmed(text.substr(text.find('=') + 1));
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        value = value.substr(1, value.size() - 2);
    }
    return value.substr(0, MaxValueLength);
}

std::string_view ProfileDocument::LineEnd() const {
    const std::size_t at = bytes_.find_first_of("\r\n", start_);
    if (at == std::string::npos || bytes_[at] == '\n') {
        return "\n";
    }
    return bytes_.compare(at, 2, "\r\n") == 0 ? "\r\n" : "\r";
}

std::optional<std::size_t> ProfileDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (KindOf(lines_[i]) == Kind::Header && SameName(HeaderName(lines_[i]), section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::Get(std::string_view section,
                                                std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) {
        return std::nullopt;
    }
    for (std::size_t i = *header + 1; i < lines_.size(); ++i) {
        const Kind kind = KindOf(lines_[i]);
        if (kind == Kind::Header) {
            break;
        }
        if (kind == Kind::Key && SameName(KeyName(lines_[i]), key)) {
            return std::string(Value(lines_[i]));
        }
    }
    return std::nullopt;
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string eol(LineEnd());
    const std::string safeValue = OnOneLine(value);
    const auto header = FindSection(section);
    if (!header) {
        // A new section goes at the very end, after a line end if the last line lacks one.
        if (!lines_.empty() && lines_.back().End == lines_.back().Next) {
            bytes_ += eol;
            lines_.back().Next = bytes_.size();
        }
        // Built by appending: GCC 12 warns (-Wrestrict) on the concatenation in Release.
        std::string headerLine(1, '[');
        headerLine.append(section).append(1, ']');
        std::string keyLine(key);
        keyLine.append(1, '=').append(safeValue);
        for (const std::string& text : {headerLine, keyLine}) {
            Line line;
            line.Begin = bytes_.size();
            bytes_.append(text).append(eol);
            line.End = line.Begin + text.size();
            line.Next = bytes_.size();
            lines_.push_back(line);
        }
        return;
    }
    std::size_t lastKey = *header;
    for (std::size_t i = *header + 1; i < lines_.size(); ++i) {
        const Kind kind = KindOf(lines_[i]);
        if (kind == Kind::Header) {
            break;
        }
        if (kind != Kind::Key) {
            continue;
        }
        if (SameName(KeyName(lines_[i]), key)) {
            Line& line = lines_[i];
            const std::string replacement = std::string(KeyName(line)) + "=" + safeValue;
            const auto delta = static_cast<std::ptrdiff_t>(replacement.size()) -
                               static_cast<std::ptrdiff_t>(line.End - line.Begin);
            bytes_.replace(line.Begin, line.End - line.Begin, replacement);
            line.End += delta;
            line.Next += delta;
            ShiftLines(i + 1, delta);
            return;
        }
        lastKey = i;
    }
    // A new key goes right after the section's last key, before any comment or blank line.
    // It ends the way that line ends: in a file of mixed line ends, a lone CR put before a
    // line that starts with LF would merge with it and swallow that line.
    Line& after = lines_[lastKey];
    const bool endsFile = after.End == after.Next;
    const std::string lineEnd = endsFile ? eol : bytes_.substr(after.End, after.Next - after.End);
    // A line that ended the file without a line end gets one before the new key.
    std::string insertion = endsFile ? eol : std::string();
    if (endsFile) {
        after.Next += eol.size();
    }
    Line added;
    added.Begin = after.Next;
    added.End = added.Begin + key.size() + 1 + safeValue.size();
    added.Next = added.End + lineEnd.size();
    insertion.append(key).append("=").append(safeValue).append(lineEnd);
    bytes_.insert(after.Next - (endsFile ? eol.size() : 0), insertion);
    ShiftLines(lastKey + 1, static_cast<std::ptrdiff_t>(insertion.size()));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastKey) + 1, added);
}
