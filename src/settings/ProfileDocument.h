#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of an ini file, read and edited the way the settings file always has been:
// section and key names compare without regard to ASCII case, blanks around names and values
// are dropped, a value in a pair of quotes loses them, a ';' line is a comment, and an edit
// changes only the one line it concerns, leaving every other byte of the file as it was.
class ProfileDocument {
  public:
    // The longest value a read gives back; longer ones are cut.
    static constexpr std::size_t MaxValueLength = 2047;

    explicit ProfileDocument(std::string bytes = {});

    // The value of the first key of that name in the first section of that name, or nothing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or adds the key after the last key of its section,
    // or adds the section at the end of the file. CR and LF in the value become blanks, so
    // a value can never break its line.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Bytes() const { return bytes_; }

  private:
    struct Line {
        std::size_t Begin = 0;  // first byte of the content
        std::size_t End = 0;    // one past the content, where the line end starts
        std::size_t Next = 0;   // one past the line end
    };
    enum class Kind { Other, Comment, Header, Key };

    // Finds the lines once; edits keep the index up to date instead of splitting again.
    void SplitLines();
    // Moves the lines from `first` on by `delta` bytes.
    void ShiftLines(std::size_t first, std::ptrdiff_t delta);
    std::string_view Content(const Line& line) const;
    Kind KindOf(const Line& line) const;
    std::string_view HeaderName(const Line& line) const;
    std::string_view KeyName(const Line& line) const;
    std::string_view Value(const Line& line) const;
    std::string_view LineEnd() const;

    // Index of the header line of the first section of that name, or nothing.
    std::optional<std::size_t> FindSection(std::string_view section) const;

    std::string bytes_;
    std::vector<Line> lines_;
    std::size_t start_ = 0;  // after a UTF-8 byte-order mark, which is kept but never parsed
};
