// Every due date in one scan: the urgency at each boundary around a fixed today, the counts
// of the launcher and the menu, the register's periods, texts, order and sorting, and the
// calendar file read back with libical.
#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineCalendar.h"
#include "deadlines/DeadlineRegisterModel.h"
#include "deadlines/DueDates.h"
#include "deadlines/DueSummary.h"

#include "FileTest.h"
#include "SmallDisk.h"

#include <QBrush>
#include <QDir>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>

#include <libical/ical.h>

#include <cerrno>
#include <memory>

namespace {

using DueDates::Urgency;
using Kind = const DeadlineKind*;
using Period = DeadlineRegisterModel::Period;

const QDate Today(2026, 3, 10);

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

QString dayText(int offset)
{
    return Today.addDays(offset).toString(QStringLiteral("dd/MM/yyyy"));
}

TSchedaVeicolo vehicle(const QString& targa)
{
    TSchedaVeicolo v;
    v.Tipo = QStringLiteral("Autovettura");
    v.Marca = QStringLiteral("Fiat");
    v.Modello = QStringLiteral("Panda 1.2");
    v.Targa = targa;
    v.Proprietario = QStringLiteral("Comune di Prato");
    v.Autista = QStringLiteral("Mario Rossi");
    return v;
}

// One vehicle per bollo offset from today, plate "B<offset>".
QList<TSchedaVeicolo> bolloAt(const QList<int>& offsets)
{
    QList<TSchedaVeicolo> vehicles;
    for (const int offset : offsets) {
        TSchedaVeicolo v = vehicle(QStringLiteral("B%1").arg(offset));
        v.ScadBollo = dayText(offset);
        vehicles.append(v);
    }
    return vehicles;
}

DueDates::Row rowAt(int offset, Kind kind)
{
    DueDates::Row row;
    row.kind = kind;
    row.julianDay = Today.addDays(offset).toJulianDay();
    row.urgency = DeadlineRule::urgencyOf(Today.addDays(offset), Today);
    return row;
}

QStringList column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts.append(model.index(r, column).data().toString());
    return texts;
}

struct Event {
    QString uid, summary, description;
    QDate start, end;
    QList<int> triggers; // seconds from the start
};

QList<Event> readCalendar(const QByteArray& text)
{
    QList<Event> events;
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    if (!calendar)
        return events;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        Event event;
        event.uid = QString::fromUtf8(icalcomponent_get_uid(e));
        event.summary = QString::fromUtf8(icalcomponent_get_summary(e));
        event.description = QString::fromUtf8(icalcomponent_get_description(e));
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        if (start.is_date && end.is_date) {
            event.start = QDate(start.year, start.month, start.day);
            event.end = QDate(end.year, end.month, end.day);
        }
        for (icalcomponent* a = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(e, ICAL_VALARM_COMPONENT)) {
            icalproperty* action = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY);
            icalproperty* trigger = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
            if (action && trigger && icalproperty_get_action(action) == ICAL_ACTION_DISPLAY)
                event.triggers.append(icaldurationtype_as_int(icalproperty_get_trigger(trigger).duration));
        }
        events.append(event);
    }
    icalcomponent_free(calendar);
    return events;
}

} // namespace

Q_DECLARE_METATYPE(const DeadlineKind*)
Q_DECLARE_METATYPE(DueDates::Urgency)
Q_DECLARE_METATYPE(DeadlineRegisterModel::Period)
Q_DECLARE_METATYPE(DueSummary::Tone)

class tst_DueDates : public QObject {
    Q_OBJECT

private slots:
    void init();
    void urgencyAtEachBoundary_data();
    void urgencyAtEachBoundary();
    void countsPerPairOfVehicleAndDate();
    void longArchiveCountedInHalves();
    void emptyOrUnreadableArchive_data();
    void emptyOrUnreadableArchive();
    void summaryText_data();
    void summaryText();
    void stateText_data();
    void stateText();
    void periods_data();
    void periods();
    void unreadableRowsLastInEveryPeriod();
    void headerSortKeepsDaysInOrder();
    void calendarEvents();
    void calendarUidsAcrossExports();
    void calendarIsFoldedRfc5545Text();
    void calendarFailureSaysWhy_data();
    void calendarFailureSaysWhy();
    void calendarOnFullDiskKeepsTheOldFile();

private:
    void writeArchive(const QList<TSchedaVeicolo>& vehicles);
    DueDates::Scan scan() const { return DueDates::scan(m_folder, Today); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_DueDates::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
}

void tst_DueDates::writeArchive(const QList<TSchedaVeicolo>& vehicles)
{
    VehicleArchive archive(m_folder);
    for (const TSchedaVeicolo& v : vehicles)
        archive.append(v);
    archive.close();
}

void tst_DueDates::urgencyAtEachBoundary_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<Urgency>("urgency");

    QTest::newRow("T - 1") << dayText(-1) << Urgency::Overdue;
    QTest::newRow("T") << dayText(0) << Urgency::Within7;
    QTest::newRow("T + 7") << dayText(7) << Urgency::Within7;
    QTest::newRow("T + 8") << dayText(8) << Urgency::Within30;
    QTest::newRow("T + 30") << dayText(30) << Urgency::Within30;
    QTest::newRow("T + 31") << dayText(31) << Urgency::Within90;
    QTest::newRow("T + 90") << dayText(90) << Urgency::Within90;
    QTest::newRow("T + 91") << dayText(91) << Urgency::Later;
    QTest::newRow("two-digit year, 2049") << QStringLiteral("1/1/49") << Urgency::Later;
    QTest::newRow("two-digit year, 1950") << QStringLiteral("1/1/50") << Urgency::Overdue;
    QTest::newRow("31 February") << QStringLiteral("31/02/2026") << Urgency::Unreadable;
    QTest::newRow("a word") << QStringLiteral("marzo") << Urgency::Unreadable;
}

// Read by the deadline lists' lenient reader, so a date means the same in both.
void tst_DueDates::urgencyAtEachBoundary()
{
    QFETCH(QString, date);
    QFETCH(Urgency, urgency);

    TSchedaVeicolo v = vehicle(QStringLiteral("AB123CD"));
    v.ScadRevisione = date;
    writeArchive({v});
    const DueDates::Scan found = scan();
    QVERIFY(found.complete);
    QCOMPARE(found.rows.size(), std::size_t(1));
    QCOMPARE(found.rows[0].urgency, urgency);
    QCOMPARE(found.rows[0].kind, &DeadlineKinds::Revisione);
    QCOMPARE(found.unreadableText(found.rows[0]), urgency == Urgency::Unreadable ? date : QString());
}

// Each pair of vehicle and date counts once; blanks alone are no date; a list counts what
// it would show, overdue included.
void tst_DueDates::countsPerPairOfVehicleAndDate()
{
    TSchedaVeicolo twoOverdue = vehicle(QStringLiteral("AA111AA"));
    twoOverdue.ScadRevisione = dayText(-3);
    twoOverdue.ScadBollo = dayText(-40);
    twoOverdue.ScadTagliando = dayText(20);
    TSchedaVeicolo soon = vehicle(QStringLiteral("BB222BB"));
    soon.ScadBollo = dayText(2);
    soon.ScadAssicurazione = QStringLiteral("31/02/2026");
    TSchedaVeicolo none = vehicle(QStringLiteral("CC333CC"));
    writeArchive({twoOverdue, soon, none});
    // A date of 10 blanks, as a file written elsewhere may hold it.
    {
        VehicleArchive archive(m_folder);
        QByteArray bytes = archive.records().readAt(2);
        const StoredField place = storedField(&TSchedaVeicolo::ScadBollo);
        bytes[place.offset] = 10;
        bytes.replace(place.offset + 1, 10, QByteArray(10, ' '));
        archive.records().overwriteAt(2, bytes);
        archive.close();
    }

    const DueDates::Scan found = scan();
    QCOMPARE(found.vehicles.size(), std::size_t(2));
    QCOMPARE(found.vehicles[1].position, 2);
    // The vehicles' texts lie back to back in one buffer; the second's must not run into the first's.
    using DueDates::Text;
    QCOMPARE(found.text(found.vehicles[0], Text::Targa).toString(), QStringLiteral("AA111AA"));
    QCOMPARE(found.text(found.vehicles[1], Text::Targa).toString(), QStringLiteral("BB222BB"));
    QCOMPARE(found.text(found.vehicles[1], Text::Tipo).toString(), QStringLiteral("Autovettura"));
    QCOMPARE(found.text(found.vehicles[1], Text::Autista).toString(), QStringLiteral("Mario Rossi"));
    QCOMPARE(found.makeAndModel(found.vehicles[1]), QStringLiteral("Fiat Panda 1.2"));
    // The launcher and the menu count without keeping rows, and must count the same.
    const DueDates::Scan counted = DueDates::scan(m_folder, Today, DueDates::Detail::CountsOnly);
    QVERIFY(counted.rows.empty());
    QVERIFY(counted.vehicles.empty());
    for (const DueDates::Scan* each : {&found, &counted}) {
        const DueDates::Counts counts = DueDates::countAll(*each);
        QCOMPARE(counts.overdue, 2);
        QCOMPARE(counts.within7, 1);
        QCOMPARE(counts.within30, 1);
        QCOMPARE(counts.unreadable, 1);
        QCOMPARE(DueDates::countOfKind(*each, DeadlineKinds::Bollo).due, 2);
        QCOMPARE(DueDates::countOfKind(*each, DeadlineKinds::Bollo).overdue, 1);
        QCOMPARE(DueDates::countOfKind(*each, DeadlineKinds::Tagliando).due, 0);
        QCOMPARE(DueDates::countOfKind(*each, DeadlineKinds::Assicurazione).due, 0);
        QCOMPARE(DueDates::countOfKind(*each, DeadlineKinds::Revisione).overdue, 1);
    }
}

// A long archive is counted in two halves; the counts must be those of one pass, whatever
// falls on either side of the middle.
void tst_DueDates::longArchiveCountedInHalves()
{
    constexpr int Records = 20001;
    QFile file(m_folder + VehicleArchive::fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < Records; ++i) {
        TSchedaVeicolo v = vehicle(QStringLiteral("P%1").arg(i));
        v.ScadRevisione = dayText(i % 50 - 10);
        v.ScadTagliando = i % 7 == 0 ? QStringLiteral("31/02/2026") : dayText(i % 40);
        v.ScadAssicurazione = i % 5 == 0 ? QString() : QStringLiteral("%1/3/26").arg(1 + i % 28);
        v.ScadBollo = dayText(-(i % 3));
        QCOMPARE(file.write(encodeRecord(v)), qint64(TSchedaVeicolo::RecordSize));
    }
    file.close();

    const DueDates::Scan whole = scan();
    const DueDates::Scan halved = DueDates::scan(m_folder, Today, DueDates::Detail::CountsOnly);
    QVERIFY(halved.complete);
    QVERIFY(halved.rows.empty());
    const DueDates::Counts a = DueDates::countAll(whole);
    const DueDates::Counts b = DueDates::countAll(halved);
    QCOMPARE(b.overdue, a.overdue);
    QCOMPARE(b.within7, a.within7);
    QCOMPARE(b.within30, a.within30);
    QCOMPARE(b.unreadable, a.unreadable);
    QCOMPARE(a.unreadable, (Records + 6) / 7);
    for (const DeadlineKind* kind : DeadlineKinds::all()) {
        QCOMPARE(DueDates::countOfKind(halved, *kind).due, DueDates::countOfKind(whole, *kind).due);
        QCOMPARE(DueDates::countOfKind(halved, *kind).overdue, DueDates::countOfKind(whole, *kind).overdue);
    }
}

void tst_DueDates::emptyOrUnreadableArchive_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("missing archive") << false;
    QTest::newRow("archive that is a folder") << true;
}

void tst_DueDates::emptyOrUnreadableArchive()
{
    QFETCH(bool, folder);
    if (folder)
        QVERIFY(QDir().mkdir(m_folder + VehicleArchive::fileName()));
    const DueDates::Scan found = scan();
    QCOMPARE(found.complete, !folder);
    QVERIFY(found.rows.empty());
    QCOMPARE(DueSummary::text(DueDates::countAll(found)), QStringLiteral("Nessuna scadenza nei prossimi 30 giorni."));
}

void tst_DueDates::summaryText_data()
{
    QTest::addColumn<int>("overdue");
    QTest::addColumn<int>("within7");
    QTest::addColumn<int>("within30");
    QTest::addColumn<int>("unreadable");
    QTest::addColumn<QString>("text");
    QTest::addColumn<DueSummary::Tone>("tone");

    QTest::newRow("nothing") << 0 << 0 << 0 << 0 << QStringLiteral("Nessuna scadenza nei prossimi 30 giorni.")
                             << DueSummary::Tone::Green;
    QTest::newRow("overdue") << 2 << 1 << 0 << 0
                             << QStringLiteral("Scadute: 2 · Entro 7 giorni: 1 · Entro 30 giorni: 0")
                             << DueSummary::Tone::Red;
    QTest::newRow("within 7 days") << 0 << 1 << 3 << 0
                                   << QStringLiteral("Scadute: 0 · Entro 7 giorni: 1 · Entro 30 giorni: 3")
                                   << DueSummary::Tone::Orange;
    QTest::newRow("within 30 days") << 0 << 0 << 4 << 0
                                    << QStringLiteral("Scadute: 0 · Entro 7 giorni: 0 · Entro 30 giorni: 4")
                                    << DueSummary::Tone::Green;
    QTest::newRow("unreadable only")
        << 0 << 0 << 0 << 2
        << QStringLiteral("Scadute: 0 · Entro 7 giorni: 0 · Entro 30 giorni: 0 · Date da controllare: 2")
        << DueSummary::Tone::Green;
}

void tst_DueDates::summaryText()
{
    QFETCH(int, overdue);
    QFETCH(int, within7);
    QFETCH(int, within30);
    QFETCH(int, unreadable);
    QFETCH(QString, text);
    QFETCH(DueSummary::Tone, tone);

    const DueDates::Counts counts{overdue, within7, within30, unreadable};
    QCOMPARE(DueSummary::text(counts), text);
    QCOMPARE(DueSummary::tone(counts), tone);
}

void tst_DueDates::stateText_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("long overdue") << -40 << &DeadlineKinds::Bollo << QStringLiteral("Scaduta da 40 giorni");
    QTest::newRow("yesterday") << -1 << &DeadlineKinds::Revisione << QStringLiteral("Scaduta ieri");
    QTest::newRow("today") << 0 << &DeadlineKinds::Tagliando << QStringLiteral("Scade oggi");
    QTest::newRow("tomorrow") << 1 << &DeadlineKinds::Bollo << QStringLiteral("Scade domani");
    QTest::newRow("in 8 days") << 8 << &DeadlineKinds::Assicurazione << QStringLiteral("Tra 8 giorni");
    QTest::newRow("insurance, yesterday")
        << -1 << &DeadlineKinds::Assicurazione << QStringLiteral("Scaduta ieri (tolleranza fino al 24/03/2026)");
    QTest::newRow("insurance, last day of grace")
        << -15 << &DeadlineKinds::Assicurazione
        << QStringLiteral("Scaduta da 15 giorni (tolleranza fino al 10/03/2026)");
    QTest::newRow("insurance, grace over")
        << -16 << &DeadlineKinds::Assicurazione << QStringLiteral("Scaduta da 16 giorni");
    QTest::newRow("insurance, today") << 0 << &DeadlineKinds::Assicurazione << QStringLiteral("Scade oggi");
    QTest::newRow("road tax, no grace") << -5 << &DeadlineKinds::Bollo << QStringLiteral("Scaduta da 5 giorni");
}

void tst_DueDates::stateText()
{
    QFETCH(int, offset);
    QFETCH(Kind, kind);
    QFETCH(QString, text);
    QCOMPARE(DeadlineRegister::stateText(rowAt(offset, kind), Today), text);
}

void tst_DueDates::periods_data()
{
    QTest::addColumn<Period>("period");
    QTest::addColumn<QStringList>("plates");

    QTest::newRow("Scadute") << Period::Overdue << texts({"B-1"});
    QTest::newRow("Entro 7 giorni") << Period::Within7 << texts({"B-1", "B0", "B7"});
    QTest::newRow("Entro 30 giorni") << Period::Within30 << texts({"B-1", "B0", "B7", "B8", "B30"});
    QTest::newRow("Entro 90 giorni") << Period::Within90 << texts({"B-1", "B0", "B7", "B8", "B30", "B31", "B90"});
    QTest::newRow("Tutte") << Period::All << texts({"B-1", "B0", "B7", "B8", "B30", "B31", "B90", "B91"});
}

// Each period holds the overdue dates and its own; rows come by date, not archive order.
void tst_DueDates::periods()
{
    QFETCH(Period, period);
    QFETCH(QStringList, plates);

    writeArchive(bolloAt({91, 30, 7, -1, 8, 0, 90, 31}));
    DeadlineRegisterModel model;
    model.load(scan(), Today);
    QCOMPARE(model.period(), Period::Within30);
    model.setPeriod(period);
    QCOMPARE(column(model, DeadlineRegisterModel::Targa), plates);
    QCOMPARE(model.index(0, DeadlineRegisterModel::Giorni).data().toString(), QStringLiteral("-1"));
    QCOMPARE(model.index(0, DeadlineRegisterModel::Data).data().toString(), dayText(-1));
    QCOMPARE(model.index(0, DeadlineRegisterModel::Scadenza).data().toString(), QStringLiteral("Bollo"));
    QCOMPARE(model.index(0, DeadlineRegisterModel::Veicolo).data().toString(), QStringLiteral("Fiat Panda 1.2"));
}

void tst_DueDates::unreadableRowsLastInEveryPeriod()
{
    QList<TSchedaVeicolo> vehicles = bolloAt({5, -2});
    TSchedaVeicolo unreadable = vehicle(QStringLiteral("XX000XX"));
    unreadable.ScadRevisione = QStringLiteral("marzo");
    vehicles.prepend(unreadable);
    writeArchive(vehicles);
    DeadlineRegisterModel model;
    model.load(scan(), Today);
    for (const QString& name : DeadlineRegisterModel::periodNames()) {
        model.setPeriod(static_cast<Period>(DeadlineRegisterModel::periodNames().indexOf(name)));
        const int last = model.rowCount() - 1;
        QVERIFY2(last >= 0, qPrintable(name));
        QCOMPARE(model.index(last, DeadlineRegisterModel::Targa).data().toString(), QStringLiteral("XX000XX"));
        QCOMPARE(model.index(last, DeadlineRegisterModel::Data).data().toString(), QStringLiteral("marzo"));
        QCOMPARE(model.index(last, DeadlineRegisterModel::Giorni).data().toString(), QString());
        QCOMPARE(model.index(last, DeadlineRegisterModel::Stato).data().toString(),
                 QStringLiteral("Data non leggibile"));
    }
    // Tinted by urgency: overdue, within 7 days, then plain.
    model.setPeriod(Period::All);
    QCOMPARE(model.index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0xFF, 0xC8, 0xC8));
    QCOMPARE(model.index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0xFF, 0xE0, 0xB0));
    QVERIFY(!model.index(2, 0).data(Qt::BackgroundRole).isValid());
}

// A header sorts the days as numbers and the dates as days, not as text.
void tst_DueDates::headerSortKeepsDaysInOrder()
{
    QList<TSchedaVeicolo> vehicles = bolloAt({12, -3, 100, 2});
    vehicles[0].Targa = QStringLiteral("ZZ");
    vehicles[1].Targa = QStringLiteral("MM");
    vehicles[2].Targa = QStringLiteral("AA");
    vehicles[3].Targa = QStringLiteral("CC");
    writeArchive(vehicles);
    DeadlineRegisterModel model;
    model.load(scan(), Today);
    model.setPeriod(Period::All);
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(DeadlineRegisterModel::SortRole);

    sorted.sort(DeadlineRegisterModel::Targa);
    QCOMPARE(column(sorted, DeadlineRegisterModel::Targa), (texts({"AA", "CC", "MM", "ZZ"})));
    sorted.sort(DeadlineRegisterModel::Giorni, Qt::DescendingOrder);
    QCOMPARE(column(sorted, DeadlineRegisterModel::Giorni), (texts({"100", "12", "2", "-3"})));
    sorted.sort(DeadlineRegisterModel::Data);
    QCOMPARE(column(sorted, DeadlineRegisterModel::Giorni), (texts({"-3", "2", "12", "100"})));
}

void tst_DueDates::calendarEvents()
{
    TSchedaVeicolo v = vehicle(QStringLiteral("AB123CD"));
    v.ScadRevisione = QStringLiteral("15/03/2026");
    v.ScadBollo = QStringLiteral("31/02/2026"); // no event for a date that cannot be read
    v.ScadAssicurazione = dayText(200);         // whatever the register's period
    writeArchive({v});
    const QList<Event> events = readCalendar(DeadlineCalendar::text(scan(), QDateTime::currentDateTimeUtc()));
    QCOMPARE(events.size(), 2);
    const Event& revisione = events.at(0);
    QCOMPARE(revisione.summary, QStringLiteral("Revisione: Fiat Panda 1.2 (AB123CD)"));
    QCOMPARE(revisione.start, QDate(2026, 3, 15));
    QCOMPARE(revisione.end, QDate(2026, 3, 16));
    QVERIFY(revisione.description.contains(QStringLiteral("Autovettura")));
    QVERIFY(revisione.description.contains(QStringLiteral("Comune di Prato")));
    QVERIFY(revisione.description.contains(QStringLiteral("Mario Rossi")));
    QCOMPARE(revisione.triggers, (QList<int>{-7 * 24 * 3600, 9 * 3600}));
    QCOMPARE(events.at(1).summary, QStringLiteral("Assicurazione: Fiat Panda 1.2 (AB123CD)"));
    QVERIFY(events.at(0).uid != events.at(1).uid);
}

// A moved date keeps its UID; another position or another plate is another vehicle.
void tst_DueDates::calendarUidsAcrossExports()
{
    const QString path = m_folder + QStringLiteral("Scadenze_Corvanta.ics");
    QList<TSchedaVeicolo> vehicles = bolloAt({3, 40});
    writeArchive(vehicles);
    QVERIFY(DeadlineCalendar::write(path, scan(), QDateTime::currentDateTimeUtc()));
    const QList<Event> first = readCalendar(FileTest::readFile(path));

    vehicles[0].ScadBollo = dayText(9);
    vehicles[1].Targa = QStringLiteral("NUOVA");
    QFile::remove(m_folder + VehicleArchive::fileName());
    writeArchive(vehicles);
    QVERIFY(DeadlineCalendar::write(path, scan(), QDateTime::currentDateTimeUtc()));
    const QList<Event> second = readCalendar(FileTest::readFile(path));

    QCOMPARE(first.size(), 2);
    QCOMPARE(second.size(), 2);
    QCOMPARE(second.at(0).uid, first.at(0).uid);
    QCOMPARE(second.at(0).start, Today.addDays(9));
    QVERIFY(second.at(1).uid != first.at(1).uid);
    QVERIFY(first.at(0).uid != first.at(1).uid);
}

void tst_DueDates::calendarIsFoldedRfc5545Text()
{
    TSchedaVeicolo v = vehicle(QStringLiteral("AB123CD"));
    v.Modello = QString(50, QChar(0xE8)); // è: two octets each, so a fold falls among them
    v.Proprietario = QString(60, QLatin1Char('x'));
    v.ScadBollo = dayText(1);
    writeArchive({v});
    const QByteArray text = DeadlineCalendar::text(scan(), QDateTime::currentDateTimeUtc());
    QVERIFY(text.startsWith("BEGIN:VCALENDAR\r\n"));
    QVERIFY(text.endsWith("END:VCALENDAR\r\n"));
    QVERIFY(!text.contains("\r\r"));
    bool folded = false;
    for (const QByteArray& line : text.split('\n')) {
        QVERIFY2(line.isEmpty() || line.endsWith('\r'), line.constData());
        QVERIFY2(line.size() - 1 <= 75, line.constData());
        folded = folded || line.startsWith(' ');
    }
    QVERIFY(folded);
    // Folding never cuts a character in two.
    QCOMPARE(readCalendar(text).at(0).summary, QStringLiteral("Bollo: Fiat %1 (AB123CD)").arg(v.Modello));
}

void tst_DueDates::calendarFailureSaysWhy_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("said");
#ifndef Q_OS_WIN
    QTest::newRow("full disk") << qt_error_string(ENOSPC) << QStringLiteral("Spazio su disco esaurito.");
    QTest::newRow("another failure") << qt_error_string(EACCES) << qt_error_string(EACCES);
#endif
    QTest::newRow("a reason of the program's") << QStringLiteral("the device did not take the written bytes")
                                               << QStringLiteral("the device did not take the written bytes");
}

void tst_DueDates::calendarFailureSaysWhy()
{
    QFETCH(QString, reason);
    QFETCH(QString, said);
    QCOMPARE(DeadlineCalendar::failureMessage(reason),
             QStringLiteral("Attenzione: non è stato possibile esportare il calendario.\n\r\n\r") + said);
}

void tst_DueDates::calendarOnFullDiskKeepsTheOldFile()
{
    writeArchive(bolloAt({3, 40}));
    const QString folder = m_folder + QStringLiteral("chiavetta/");
    QVERIFY(QDir().mkpath(folder));
    SmallDisk disk(folder);
    if (!disk.mounted())
        QSKIP("mounting a small file system needs root");
    const QString path = folder + QStringLiteral("Scadenze_Corvanta.ics");
    FileTest::writeFile(path, "old calendar");
    disk.fill();

    QString why;
    QVERIFY(!DeadlineCalendar::write(path, scan(), QDateTime::currentDateTimeUtc(), &why));
    QVERIFY2(DeadlineCalendar::failureMessage(why).endsWith(QStringLiteral("Spazio su disco esaurito.")),
             qPrintable(why));
    QCOMPARE(FileTest::readFile(path), QByteArray("old calendar"));
}

QTEST_GUILESS_MAIN(tst_DueDates)
#include "tst_due_dates.moc"
