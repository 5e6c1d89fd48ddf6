#include "SendArrayListing.h"

#include <cstdio>

namespace {

constexpr std::size_t EntriesPerLine = 8;
constexpr std::size_t WordsPerBlock = 32;
constexpr std::size_t ZoneWord = SendArray::BlockSlots.size() * WordsPerBlock;

// The entries of the word pairs first, first + 2, ... up to count pairs.
std::string Entries(const SendArray::Words& words, std::size_t first, std::size_t count) {
    std::string line;
    line.reserve(count * 11);
    for (std::size_t i = 0; i < count; ++i) {
        char entry[16];
        std::snprintf(entry, sizeof entry, "%04X %04X  ", unsigned{words[first + 2 * i]},
                      unsigned{words[first + 2 * i + 1]});
        line += entry;
    }
    return line;
}

} // namespace

std::vector<std::string> SendArrayListing(const SendArray::Words& words) {
    static_assert(ZoneWord + 6 == SendArray::WordCount);
    std::vector<std::string> lines;
    lines.reserve(17);
    lines.emplace_back();
    for (std::size_t block = 0; block < SendArray::BlockSlots.size(); ++block) {
        const std::size_t start = block * WordsPerBlock;
        lines.push_back(Entries(words, start, EntriesPerLine));
        lines.push_back(Entries(words, start + 2 * EntriesPerLine, EntriesPerLine));
        lines.emplace_back();
    }
    lines.push_back(Entries(words, ZoneWord, 3));
    return lines;
}

QString SendArrayListingText(const SendArray::Words& words) {
    QString text;
    for (const std::string& line : SendArrayListing(words))
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())) +
                QLatin1Char('\n');
    return text;
}
