#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>

// A list line is a row of segments, each either fixed text or a field's (already trimmed)
// text padded with blanks and cut to a fixed width, so that the columns of a fixed-pitch
// list line up. The last segment of a line is usually a field left as it is.
template <typename Record> struct LineSegment {
    static constexpr int Unpadded = -1;

    const char16_t* literal = nullptr; // fixed text, or
    QString Record::*field = nullptr;  // a field,
    QString Record::*joined = nullptr; // optionally followed by one blank and a second field
    int width = Unpadded;              // characters; fixed text always takes its own length
};

namespace FixedColumns {
constexpr int lengthOf(const char16_t* text)
{
    int length = 0;
    while (text[length] != u'\0')
        ++length;
    return length;
}

template <typename Record> constexpr LineSegment<Record> text(const char16_t* literal)
{
    return {literal, nullptr, nullptr, lengthOf(literal)};
}

template <typename Record> constexpr LineSegment<Record> padded(QString Record::*field, int width)
{
    return {nullptr, field, nullptr, width};
}

// first + " " + second, padded as one.
template <typename Record>
constexpr LineSegment<Record> padded(QString Record::*first, QString Record::*second, int width)
{
    return {nullptr, first, second, width};
}

template <typename Record> constexpr LineSegment<Record> unpadded(QString Record::*field)
{
    return {nullptr, field, nullptr, LineSegment<Record>::Unpadded};
}

// Characters before the first unpadded segment: where that segment starts.
template <typename Segments> constexpr int fixedWidth(const Segments& segments)
{
    int width = 0;
    for (const auto& segment : segments) {
        if (segment.width == segment.Unpadded)
            break;
        width += segment.width;
    }
    return width;
}

// x followed by width blanks, then cut to its first width characters.
inline void appendPadded(QString& line, QStringView value, int width)
{
    const qsizetype kept = std::min<qsizetype>(value.size(), width);
    line.append(value.left(kept));
    line.resize(line.size() + (width - kept), QLatin1Char(' '));
}

template <typename Record, typename Segments> QString buildLine(const Segments& segments, const Record& record)
{
    QString line;
    line.reserve(fixedWidth(segments) + 16);
    for (const auto& segment : segments) {
        if (segment.literal) {
            line.append(QStringView(segment.literal, segment.width));
            continue;
        }
        const QString& value = record.*(segment.field);
        if (segment.width == segment.Unpadded) {
            line.append(value);
            if (segment.joined)
                line.append(QLatin1Char(' ') + record.*(segment.joined));
            continue;
        }
        if (!segment.joined) {
            appendPadded(line, value, segment.width);
            continue;
        }
        // Pad the two fields as one text without building it.
        const int start = static_cast<int>(line.size());
        line.append(QStringView(value).left(segment.width));
        if (line.size() - start < segment.width)
            line.append(QLatin1Char(' '));
        const int left = segment.width - static_cast<int>(line.size() - start);
        appendPadded(line, record.*(segment.joined), left);
    }
    return line;
}
} // namespace FixedColumns
