#include "archive/RecordCodec.h"
#include "archive/StoredText.h"
#include "archive/TSchedaVeicolo.h"
#include "files/Windows1252.h"

#include <QTest>

namespace {
struct Layout {
    const char* name;
    int offset;
    int capacity;
};

// The stored layout written out by hand, so that a slip in fields() cannot hide itself.
const Layout VehicleLayout[] = {
    {"Tipo", 0, 50},
    {"Destinazione", 51, 50},
    {"Marca", 102, 50},
    {"Modello", 153, 50},
    {"Targa", 204, 12},
    {"Anno", 217, 20},
    {"Colore", 238, 50},
    {"Telaio", 289, 10},
    {"Pneumatici", 300, 120},
    {"Stato", 421, 50},
    {"Chilometri", 472, 50},
    {"Lettura", 523, 10},
    {"Alimentazione", 534, 50},
    {"Cilindrata", 585, 50},
    {"KW", 636, 50},
    {"Ambiente", 687, 50},
    {"Posti", 738, 50},
    {"Portata", 789, 50},
    {"Compagnia", 840, 120},
    {"TelAssicuratore", 961, 50},
    {"Polizza", 1012, 50},
    {"Incidenti", 1063, 250},
    {"Proprietario", 1314, 50},
    {"Autista", 1365, 50},
    {"TelAutista", 1416, 50},
    {"Meccanico", 1467, 50},
    {"TelMeccanico", 1518, 50},
    {"ScadRevisione", 1569, 10},
    {"ScadTagliando", 1580, 10},
    {"ScadAssicurazione", 1591, 10},
    {"ScadBollo", 1602, 10},
    {"Note", 1613, 250},
    {"File01", 1864, 250},
    {"File02", 2115, 250},
    {"File03", 2366, 250},
    {"Desc01", 2617, 250},
    {"Desc02", 2868, 250},
    {"Desc03", 3119, 250},
};

const Layout& layoutOf(const QByteArray& name)
{
    for (const auto& layout : VehicleLayout) {
        if (name == layout.name)
            return layout;
    }
    qFatal("unknown field %s", name.constData());
}

QString TSchedaVeicolo::*memberOf(const QByteArray& name)
{
    for (const auto& field : TSchedaVeicolo::fields()) {
        if (name == field.name)
            return field.member;
    }
    qFatal("unknown field %s", name.constData());
}

// A text of the given length whose characters differ from their neighbours, so a shift shows.
QString patterned(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(u'A' + i % 26));
    return text;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}
} // namespace

class tst_RecordCodec : public QObject {
    Q_OBJECT

private slots:
    void fieldLayout_data();
    void fieldLayout();
    void encodeField_data();
    void encodeField();
    void windows1252_data();
    void windows1252();
    void encodeUnmappable_data();
    void encodeUnmappable();
    void decodeField_data();
    void decodeField();
    void lengthBeyondCapacityStaysInItsField();
    void roundTrip();
    void equalityComparesEveryField();
};

void tst_RecordCodec::fieldLayout_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("order");

    int order = 0;
    for (const auto& layout : VehicleLayout)
        QTest::newRow(layout.name) << QByteArray(layout.name) << layout.offset << layout.capacity << order++;
}

void tst_RecordCodec::fieldLayout()
{
    QFETCH(QByteArray, name);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    QFETCH(int, order);

    QCOMPARE(QByteArray(TSchedaVeicolo::fields()[order].name), name);
    QCOMPARE(TSchedaVeicolo::fields()[order].capacity, capacity);

    // Longer than the field: it must be cut to exactly the capacity, at the offset, with
    // every other byte of the record left zero.
    const QString text = patterned(capacity + 7);
    TSchedaVeicolo record;
    record.*memberOf(name) = text;
    const QByteArray encoded = encodeRecord(record);
    QCOMPARE(encoded.size(), TSchedaVeicolo::RecordSize);

    QByteArray expected(TSchedaVeicolo::RecordSize, '\0');
    expected[offset] = static_cast<char>(capacity);
    expected.replace(offset + 1, capacity, text.left(capacity).toLatin1());
    QCOMPARE(encoded, expected);

    QCOMPARE(decodeRecord<TSchedaVeicolo>(encoded).*memberOf(name), text.left(capacity));
}

void tst_RecordCodec::encodeField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("stored"); // length byte and text; the rest must be zero

    const QString sixty = patterned(60);
    QTest::newRow("Tipo of 60 keeps 50") << QByteArray("Tipo") << sixty
                                         << QByteArray(char(50) + sixty.left(50).toLatin1());
    QTest::newRow("Telaio of 17 keeps 10")
        << QByteArray("Telaio") << QStringLiteral("ZFA19900001234567") << QByteArray("\x0aZFA1990000");
    QTest::newRow("outer spaces trimmed") << QByteArray("Marca") << QStringLiteral("  Fiat  ")
                                          << QByteArray("\x04"
                                                        "Fiat");
    QTest::newRow("controls trimmed") << QByteArray("Marca")
                                      << QStringLiteral("\t\r\n\x01"
                                                        "Fiat\x1f ")
                                      << QByteArray("\x04"
                                                    "Fiat");
    // Only codes up to U+0020 are trimmed: a no-break space is text.
    QTest::newRow("no-break space kept") << QByteArray("Marca") << QString::fromUtf8("\u00a0Fiat\u00a0")
                                         << bytes({6, 0xA0, 'F', 'i', 'a', 't', 0xA0});
    QTest::newRow("inner spaces kept") << QByteArray("Modello") << QStringLiteral(" Punto  Evo ")
                                       << QByteArray("\x0aPunto  Evo");
    QTest::newRow("only spaces") << QByteArray("Note") << QStringLiteral("      ") << QByteArray(1, '\0');
    QTest::newRow("empty") << QByteArray("Note") << QString() << QByteArray(1, '\0');
    QTest::newRow("Greek letter") << QByteArray("Note") << QString::fromUtf8("Ω") << QByteArray("\x01?");
    QTest::newRow("emoji is one ?") << QByteArray("Note") << QString::fromUtf8("Auto 🚗 blu")
                                    << QByteArray("\x0a"
                                                  "Auto ? blu");
    QTest::newRow("Italian letters and euro")
        << QByteArray("Note") << QString::fromUtf8("àèéìòù€") << bytes({7, 0xE0, 0xE8, 0xE9, 0xEC, 0xF2, 0xF9, 0x80});
    // Cut by bytes after conversion: each '?' counts once.
    QTest::newRow("emoji near the cut") << QByteArray("Telaio") << QString::fromUtf8("123456789🚗X")
                                        << QByteArray("\x0a"
                                                      "123456789?");
}

void tst_RecordCodec::encodeField()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, value);
    QFETCH(QByteArray, stored);

    const Layout& layout = layoutOf(field);
    TSchedaVeicolo record;
    record.*memberOf(field) = value;
    const QByteArray encoded = encodeRecord(record);

    // The field holds the length and text, then zero fill; every other field stays empty.
    QByteArray expected(TSchedaVeicolo::RecordSize, '\0');
    expected.replace(layout.offset, stored.size(), stored);
    QCOMPARE(encoded, expected);
}

void tst_RecordCodec::windows1252_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("code");

    const int high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                          0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                          0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        QTest::addRow("0x%02X", 0x80 + i) << 0x80 + i << high[i];
    for (int byte : {0x00, 0x20, 0x41, 0x7F, 0xA0, 0xA9, 0xE0, 0xFF})
        QTest::addRow("0x%02X", byte) << byte << byte;
}

void tst_RecordCodec::windows1252()
{
    QFETCH(int, byte);
    QFETCH(int, code);

    const QByteArray stored(1, static_cast<char>(byte));
    const QString text(QChar(static_cast<char16_t>(code)));
    QCOMPARE(Windows1252::decode(stored), text);
    QCOMPARE(Windows1252::encode(text), stored);
}

void tst_RecordCodec::encodeUnmappable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");

    // U+0080 is a C1 control whose byte belongs to the euro sign.
    QTest::newRow("U+0080") << QString(QChar(0x80)) << QByteArray("?");
    QTest::newRow("U+0100") << QString(QChar(0x100)) << QByteArray("?");
    QTest::newRow("lone high surrogate") << QString(QString(QChar(0xD83D)) + u'x') << QByteArray("?x");
    QTest::newRow("lone low surrogate") << QString(u'x' + QString(QChar(0xDE97))) << QByteArray("x?");
    QTest::newRow("two emoji") << QString::fromUtf8("🚗🚙") << QByteArray("??");
}

void tst_RecordCodec::encodeUnmappable()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    QCOMPARE(Windows1252::encode(text), encoded);
}

void tst_RecordCodec::decodeField_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("field"); // capacity + 1 bytes, as read from a file
    QTest::addColumn<QString>("text");

    auto field = [](int capacity, const QByteArray& content) {
        QByteArray bytes = content;
        bytes.append(QByteArray(capacity + 1 - content.size(), '\0'));
        return bytes;
    };
    QTest::newRow("leftovers after the text") << 50
                                              << field(50, QByteArray("\x04"
                                                                      "FiatPunto leftover from an older value"))
                                              << QStringLiteral("Fiat");
    QTest::newRow("empty with leftovers") << 10 << field(10, QByteArray("\x00garbage!!", 10)) << QString();
    QTest::newRow("controls and spaces trimmed")
        << 50 << field(50, QByteArray("\x0a\t  Fiat \r\n\x01")) << QStringLiteral("Fiat");
    QTest::newRow("nul inside is trimmed at the end") << 10
                                                      << field(10, QByteArray("\x05"
                                                                              "Fiat\0",
                                                                              6))
                                                      << QStringLiteral("Fiat");
    QTest::newRow("high bytes") << 10 << field(10, bytes({3, 0x80, 0xE0, 0x9F})) << QString::fromUtf8("€àŸ");
    QTest::newRow("full field") << 10
                                << field(10, QByteArray("\x0a"
                                                        "0123456789"))
                                << QStringLiteral("0123456789");
}

void tst_RecordCodec::decodeField()
{
    QFETCH(int, capacity);
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    QCOMPARE(StoredText::read(field.constData(), capacity), text);
}

void tst_RecordCodec::lengthBeyondCapacityStaysInItsField()
{
    // Telaio (offset 289, capacity 10) claims 255 bytes; Pneumatici follows at 300.
    QByteArray encoded(TSchedaVeicolo::RecordSize, '\0');
    encoded[289] = static_cast<char>(255);
    encoded.replace(290, 10, "ABCDEFGHIJ");
    encoded[300] = 3;
    encoded.replace(301, 3, "xyz");

    const TSchedaVeicolo record = decodeRecord<TSchedaVeicolo>(encoded);
    QCOMPARE(record.Telaio, QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(record.Pneumatici, QStringLiteral("xyz"));
}

void tst_RecordCodec::roundTrip()
{
    TSchedaVeicolo record;
    int i = 0;
    for (const auto& field : TSchedaVeicolo::fields()) {
        // Cut so that no value ends in a space, which storing would trim.
        const QString value = QString::fromUtf8("%1€à%2").arg(++i).arg(QLatin1String(field.name));
        record.*(field.member) = value.left(field.capacity);
    }
    const TSchedaVeicolo decoded = decodeRecord<TSchedaVeicolo>(encodeRecord(record));
    for (const auto& field : TSchedaVeicolo::fields())
        QCOMPARE(decoded.*(field.member), record.*(field.member));
    QVERIFY(decoded == record);
}

void tst_RecordCodec::equalityComparesEveryField()
{
    const TSchedaVeicolo empty;
    for (const auto& field : TSchedaVeicolo::fields()) {
        TSchedaVeicolo changed;
        changed.*(field.member) = QStringLiteral("x");
        QVERIFY2(!(changed == empty), field.name);
    }
}

QTEST_GUILESS_MAIN(tst_RecordCodec)
#include "tst_record_codec.moc"
