#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken property has to end the run the way a crash does: libFuzzer then keeps the input
// that broke it as a crash file, and the sanitizer runtime prints where it happened.
[[noreturn]] inline void PropertyBroken(const char* what, const std::string& details = {}) {
    std::fprintf(stderr, "\n==== property broken: %s\n%s\n", what, details.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, const char* what) {
    if (!holds) {
        PropertyBroken(what);
    }
}

// The details are only worked out for a report: escaping a whole input on every run would
// cost more than the run itself.
template <typename Details>
void Require(bool holds, const char* what, const Details& details) {
    if (!holds) {
        PropertyBroken(what, details());
    }
}

// Bytes as a C string literal, so a report can be pasted straight into a test.
inline std::string Escaped(std::string_view bytes) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (code < 32 || code >= 127) {
                    // Closing and reopening the literal stops a following hex digit from
                    // joining the escape.
                    out += "\\x";
                    out += Hex[code >> 4];
                    out += Hex[code & 15];
                    out += "\" \"";
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}
