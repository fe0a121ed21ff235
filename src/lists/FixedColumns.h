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

namespace Detail {
// Copies at most width characters of value to out and fills the rest with blanks.
inline QChar* putPadded(QChar* out, QStringView value, qsizetype width)
{
    const qsizetype kept = std::min(value.size(), width);
    out = std::copy_n(value.data(), kept, out);
    return std::fill_n(out, width - kept, QLatin1Char(' '));
}
} // namespace Detail

// The line is measured first and written in place: one allocation, no appends.
template <typename Record, typename Segments> QString buildLine(const Segments& segments, const Record& record)
{
    qsizetype length = 0;
    for (const auto& segment : segments) {
        if (segment.width != segment.Unpadded)
            length += segment.width;
        else if (segment.field)
            length += (record.*(segment.field)).size() + (segment.joined ? 1 + (record.*(segment.joined)).size() : 0);
    }
    QString line(length, Qt::Uninitialized);
    QChar* out = line.data();
    for (const auto& segment : segments) {
        if (segment.literal) {
            out = std::copy_n(reinterpret_cast<const QChar*>(segment.literal), segment.width, out);
            continue;
        }
        const QString& value = record.*(segment.field);
        if (segment.width == segment.Unpadded) {
            out = std::copy_n(value.constData(), value.size(), out);
            if (segment.joined) {
                *out++ = QLatin1Char(' ');
                const QString& joined = record.*(segment.joined);
                out = std::copy_n(joined.constData(), joined.size(), out);
            }
            continue;
        }
        if (!segment.joined) {
            out = Detail::putPadded(out, value, segment.width);
            continue;
        }
        // first + " " + second, padded as one text without building it.
        const qsizetype first = std::min<qsizetype>(value.size(), segment.width);
        out = std::copy_n(value.constData(), first, out);
        qsizetype room = segment.width - first;
        if (room > 0) {
            *out++ = QLatin1Char(' ');
            --room;
        }
        out = Detail::putPadded(out, record.*(segment.joined), room);
    }
    return line;
}
} // namespace FixedColumns
