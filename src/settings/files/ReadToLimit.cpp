#include "settings/files/ReadToLimit.h"

#include <algorithm>

#include "settings/files/FileProblems.h"

FileText ReadToLimit(std::size_t size, std::size_t maxBytes, const ReadChunk& read,
                     const std::function<std::string()>& problem) {
    if (size > maxBytes) {
        return FileText::Unusable(FileProblems::TooBig(maxBytes));
    }
    FileText text;
    text.State = FileText::Kind::Read;
    // One byte more than the size, to see the end; a file that grows meanwhile is taken up to
    // one byte past the limit, which is enough to tell that it is too big.
    text.Bytes.resize(size + 1);
    std::size_t got = 0;
    while (true) {
        if (got == text.Bytes.size()) {
            if (got > maxBytes) {
                break;
            }
            text.Bytes.resize(std::min(2 * got, maxBytes + 1));
        }
        const std::optional<std::size_t> n = read(text.Bytes.data() + got, text.Bytes.size() - got);
        if (!n) {
            return FileText::Unusable(problem());
        }
        if (*n == 0) {
            break;
        }
        got += *n;
    }
    if (got > maxBytes) {
        return FileText::Unusable(FileProblems::TooBig(maxBytes));
    }
    text.Bytes.resize(got);
    return text;
}
