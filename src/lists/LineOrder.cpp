#include "lists/LineOrder.h"

#include "lists/AsciiFold.h"

#include <algorithm>
#include <array>
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
    quint32 offset;                          // the line's bytes in the arena
    quint32 length;
    quint32 position;
    quint32 left; // bytes from depth to the end, at most HeadBytes + 1
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
    const qsizetype left = std::max<qsizetype>(0, qsizetype(entry.length) - depth);
    const unsigned char* bytes = arena + entry.offset + depth;
    const qsizetype loaded = std::min(left, HeadBytes);
    for (qsizetype i = 0; i < loaded; ++i)
        entry.head[static_cast<size_t>(i / 8)] |= quint64(bytes[i]) << (8 * (7 - i % 8));
    // A line ending within these bytes comes before one that goes on (a zero byte and an
    // end look alike in the head); beyond them only "goes on" matters.
    entry.left = static_cast<quint32>(std::min(left, HeadBytes + 1));
}

constexpr std::ptrdiff_t PrefetchAhead = 8;

inline void prefetch(const unsigned char* bytes)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(bytes);
#else
    Q_UNUSED(bytes);
#endif
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

void SortedLines::reserve(qsizetype lines, qsizetype charactersPerLine)
{
    m_lines.reserve(lines);
    m_starts.reserve(static_cast<size_t>(lines));
    m_folded.reserve(static_cast<size_t>(lines) * static_cast<size_t>(charactersPerLine));
}

void SortedLines::append(QString line)
{
    const size_t start = m_folded.size();
    m_folded.resize(start + 3 * static_cast<size_t>(line.size()));
    const unsigned char* end = fold(line, m_folded.data() + start);
    m_folded.resize(static_cast<size_t>(end - m_folded.data()));
    m_starts.push_back(start);
    m_lines.append(std::move(line));
}

QStringList SortedLines::take()
{
    const unsigned char* const arena = m_folded.data();
    std::vector<SortEntry> entries(m_starts.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        SortEntry& entry = entries[i];
        const size_t end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_folded.size();
        entry.offset = static_cast<quint32>(m_starts[i]);
        entry.length = static_cast<quint32>(end - m_starts[i]);
        entry.position = static_cast<quint32>(i);
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
        for (auto entry = first; entry != last; ++entry) {
            // The lines of a run lie scattered in the arena: ask for a few ahead.
            if (last - entry > PrefetchAhead)
                prefetch(arena + entry[PrefetchAhead].offset + run.depth);
            loadHead(*entry, arena, run.depth);
        }
        std::sort(first, last, headBefore);
        // Ties among lines that go on beyond these bytes are settled by the next ones.
        for (auto tie = first; tie != last;) {
            auto next = tie + 1;
            while (next != last && !headBefore(*tie, *next))
                ++next;
            if (next - tie > 1 && tie->left > quint32(HeadBytes))
                pending.push_back({static_cast<size_t>(tie - entries.begin()),
                                   static_cast<size_t>(next - entries.begin()), run.depth + HeadBytes});
            tie = next;
        }
    }

    QStringList sorted;
    sorted.reserve(m_lines.size());
    for (const SortEntry& entry : entries)
        sorted.append(std::move(m_lines[entry.position]));
    m_lines.clear();
    m_folded.clear();
    m_starts.clear();
    return sorted;
}

void sort(QStringList& lines)
{
    SortedLines sorted;
    for (QString& line : lines)
        sorted.append(std::move(line));
    lines = sorted.take();
}
} // namespace LineOrder
