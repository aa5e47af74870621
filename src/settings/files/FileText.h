#pragma once

#include <string>
#include <utility>

// A file read whole, or why it was not.
struct FileText {
    enum class Kind { Read, Missing, Unusable };
    Kind State = Kind::Missing;
    std::string Bytes;    // when Read
    std::string Problem;  // when Unusable, in words fit to show the user

    static FileText Unusable(std::string why) {
        FileText text;
        text.State = Kind::Unusable;
        text.Problem = std::move(why);
        return text;
    }
};
