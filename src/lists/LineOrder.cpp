#include "lists/LineOrder.h"

#include "lists/AsciiFold.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace LineOrder {
int compare(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = AsciiFold::upper(a[i].unicode());
        const char16_t y = AsciiFold::upper(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

namespace {
// Sorting compares each line with many others, and list lines share long beginnings (the
// padded type, then make and model). Following a pointer to a scattered line at every
// comparison costs cache misses each time. So the lines are first folded, in one pass in
// their own order, into bytes that compare as the lines do, back to back in one arena; the
// entries sorted are small: the next HeadBytes bytes of a line inline, where its bytes
// start and end, and the line's place. Entries are sorted by those bytes; runs that tie
// are loaded with their next bytes and sorted again, so a line is fetched once per
// HeadBytes of shared beginning, not once per comparison.
//
// Bytes: a folded character below U+00FF is its own byte; any other is 0xFF and its two
// bytes, high first. Byte order then follows character order, and a line that begins
// another still begins it.
constexpr qsizetype HeadBytes = 32;

struct SortEntry {
    std::array<quint64, HeadBytes / 8> head; // bytes depth .. depth + HeadBytes - 1, big-endian, 0 beyond the end
    qsizetype left;                          // bytes from depth to the end, at most HeadBytes + 1
    qsizetype offset;                        // the line's bytes in the arena
    qsizetype length;
    qsizetype position;
};

// Folds line onto out, which has room for three bytes a character; returns the end.
unsigned char* fold(QStringView line, unsigned char* out)
{
    for (const QChar c : line) {
        const char16_t folded = AsciiFold::upper(c.unicode());
        if (folded < 0xFF) {
            *out++ = static_cast<unsigned char>(folded);
        } else {
            *out++ = 0xFF;
            *out++ = static_cast<unsigned char>(folded >> 8);
            *out++ = static_cast<unsigned char>(folded & 0xFF);
        }
    }
    return out;
}

void loadHead(SortEntry& entry, const unsigned char* arena, qsizetype depth)
{
    entry.head = {};
    const qsizetype left = std::max<qsizetype>(0, entry.length - depth);
    const unsigned char* bytes = arena + entry.offset + depth;
    const qsizetype loaded = std::min(left, HeadBytes);
    for (qsizetype i = 0; i < loaded; ++i)
        entry.head[static_cast<size_t>(i / 8)] |= quint64(bytes[i]) << (8 * (7 - i % 8));
    // A line ending within these bytes comes before one that goes on (a zero byte and an
    // end look alike in the head); beyond them only "goes on" matters.
    entry.left = std::min(left, HeadBytes + 1);
}

bool headBefore(const SortEntry& a, const SortEntry& b)
{
    for (size_t i = 0; i < a.head.size(); ++i) {
        if (a.head[i] != b.head[i])
            return a.head[i] < b.head[i];
    }
    return a.left < b.left;
}
} // namespace

void sort(QStringList& lines)
{
    qsizetype room = 0;
    for (const QString& line : std::as_const(lines))
        room += 3 * line.size();
    // Room for the worst case, left uninitialised: only the pages written are ever touched.
    const std::unique_ptr<unsigned char[]> arenaBytes(new unsigned char[static_cast<size_t>(room) + 1]);
    unsigned char* const arena = arenaBytes.get();
    std::vector<SortEntry> entries(static_cast<size_t>(lines.size()));
    unsigned char* end = arena;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        SortEntry& entry = entries[static_cast<size_t>(i)];
        entry.offset = end - arena;
        end = fold(lines.at(i), end);
        entry.length = end - arena - entry.offset;
        entry.position = i;
    }

    struct Run {
        size_t begin, end;
        qsizetype depth;
    };
    std::vector<Run> pending = {{0, entries.size(), 0}};
    while (!pending.empty()) {
        const Run run = pending.back();
        pending.pop_back();
        const auto first = entries.begin() + static_cast<std::ptrdiff_t>(run.begin);
        const auto last = entries.begin() + static_cast<std::ptrdiff_t>(run.end);
        for (auto entry = first; entry != last; ++entry)
            loadHead(*entry, arena, run.depth);
        std::sort(first, last, headBefore);
        // Ties among lines that go on beyond these bytes are settled by the next ones.
        for (auto tie = first; tie != last;) {
            auto next = tie + 1;
            while (next != last && !headBefore(*tie, *next))
                ++next;
            if (next - tie > 1 && tie->left > HeadBytes)
                pending.push_back({static_cast<size_t>(tie - entries.begin()),
                                   static_cast<size_t>(next - entries.begin()), run.depth + HeadBytes});
            tie = next;
        }
    }

    QStringList sorted;
    sorted.reserve(lines.size());
    for (const SortEntry& entry : entries)
        sorted.append(std::move(lines[entry.position]));
    lines = std::move(sorted);
}
} // namespace LineOrder
