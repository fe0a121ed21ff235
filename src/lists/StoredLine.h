#pragma once

#include "archive/RecordCodec.h"
#include "archive/StoredText.h"
#include "lists/FixedColumns.h"

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <vector>

// Builds a list line straight from a stored record's bytes, each field trimmed and
// converted as it is copied into place: the same line as FixedColumns::buildLine() gives
// for the decoded record, without a string per field. Scans use it for every line.
template <typename Record> class StoredLineBuilder {
public:
    template <typename Segments> explicit StoredLineBuilder(const Segments& segments)
    {
        for (const auto& segment : segments) {
            Part part;
            part.literal = segment.literal;
            part.width = segment.width;
            if (segment.field)
                part.field = storedField(segment.field);
            if (segment.joined) {
                part.hasJoined = true;
                part.joined = storedField(segment.joined);
            }
            m_parts.push_back(part);
        }
    }

    // record holds Record::RecordSize bytes.
    QString build(QByteArrayView record) const
    {
        const char* bytes = record.data();
        qsizetype length = 0;
        for (const Part& part : m_parts) {
            if (part.width != Unpadded)
                length += part.width;
            else
                length += text(bytes, part.field).size() + (part.hasJoined ? 1 + text(bytes, part.joined).size() : 0);
        }
        QString line(length, Qt::Uninitialized);
        QChar* out = line.data();
        for (const Part& part : m_parts) {
            if (part.literal) {
                out = std::copy_n(reinterpret_cast<const QChar*>(part.literal), part.width, out);
                continue;
            }
            const QByteArrayView value = text(bytes, part.field);
            if (part.width == Unpadded) {
                out = StoredText::decodeTo(value, out);
                if (part.hasJoined) {
                    *out++ = QLatin1Char(' ');
                    out = StoredText::decodeTo(text(bytes, part.joined), out);
                }
                continue;
            }
            qsizetype room = part.width;
            out = putPadded(out, value, room);
            if (part.hasJoined && room > 0) {
                // first + " " + second, padded as one.
                *out++ = QLatin1Char(' ');
                --room;
                out = putPadded(out, text(bytes, part.joined), room);
            }
            out = std::fill_n(out, room, QLatin1Char(' '));
        }
        return line;
    }

private:
    static constexpr int Unpadded = LineSegment<Record>::Unpadded;

    struct Part {
        const char16_t* literal = nullptr;
        int width = Unpadded;
        StoredField field;
        bool hasJoined = false;
        StoredField joined;
    };

    static QByteArrayView text(const char* record, const StoredField& field)
    {
        return StoredText::trimmedBytes(record + field.offset, field.capacity);
    }

    // Copies as much of value as room allows and takes it off room.
    static QChar* putPadded(QChar* out, QByteArrayView value, qsizetype& room)
    {
        const qsizetype kept = std::min(value.size(), room);
        room -= kept;
        return StoredText::decodeTo(value.first(kept), out);
    }

    std::vector<Part> m_parts;
};
