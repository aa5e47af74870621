#pragma once

#include <string>

// A file read whole, or why it was not.
struct FileText {
    enum class Kind { Read, Missing, Unusable };
    Kind State = Kind::Missing;
    std::string Bytes;    // when Read
    std::string Problem;  // when Unusable, in words fit to show the user
};
