#pragma once

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
                part.field = locate(segment.field);
            if (segment.joined)
                part.joined = locate(segment.joined);
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
                length +=
                    text(bytes, part.field).size() + (part.joined.stored ? 1 + text(bytes, part.joined).size() : 0);
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
                if (part.joined.stored) {
                    *out++ = QLatin1Char(' ');
                    out = StoredText::decodeTo(text(bytes, part.joined), out);
                }
                continue;
            }
            qsizetype room = part.width;
            out = putPadded(out, value, room);
            if (part.joined.stored && room > 0) {
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

    struct Field {
        bool stored = false;
        int offset = 0;
        int capacity = 0;
    };
    struct Part {
        const char16_t* literal = nullptr;
        int width = Unpadded;
        Field field;
        Field joined;
    };

    static Field locate(QString Record::*member)
    {
        int offset = 0;
        for (const auto& field : Record::fields()) {
            if (field.member == member)
                return {true, offset, field.capacity};
            offset += field.capacity + 1;
        }
        return {};
    }

    static QByteArrayView text(const char* record, const Field& field)
    {
        return field.stored ? StoredText::trimmedBytes(record + field.offset, field.capacity) : QByteArrayView();
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
