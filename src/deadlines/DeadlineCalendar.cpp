#include "deadlines/DeadlineCalendar.h"

#include "files/SafeFile.h"

#include <libical/ical.h>

#include <memory>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

namespace DeadlineCalendar {

namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

icaltimetype dateOf(QDate day)
{
    icaltimetype time = icaltime_null_date();
    time.year = day.year();
    time.month = day.month();
    time.day = day.day();
    return time;
}

icaltimetype utcOf(const QDateTime& moment)
{
    return icaltime_from_timet_with_zone(moment.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

icalcomponent* displayAlarm(const QByteArray& description, int seconds)
{
    icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(alarm, icalproperty_new_description(description.constData()));
    icaltriggertype trigger = icaltriggertype_from_int(0);
    trigger.duration = icaldurationtype_from_int(seconds);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    return alarm;
}

QString descriptionOf(const DueDates::Scan& scan, const DueDates::Vehicle& vehicle)
{
    using DueDates::Text;
    return QStringLiteral("Tipo: %1\nProprietario: %2\nAutista: %3")
        .arg(scan.text(vehicle, Text::Tipo), scan.text(vehicle, Text::Proprietario), scan.text(vehicle, Text::Autista));
}

icalcomponent* eventOf(const DueDates::Scan& scan, const DueDates::Row& row, const icaltimetype& stamp)
{
    const DueDates::Vehicle& vehicle = scan.vehicles[static_cast<std::size_t>(row.vehicle)];
    const QDate day = QDate::fromJulianDay(row.julianDay);
    const QByteArray summary =
        QStringLiteral("%1: %2 (%3)")
            .arg(QLatin1String(row.kind->label), scan.makeAndModel(vehicle), scan.text(vehicle, DueDates::Text::Targa))
            .toUtf8();
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(uidOf(scan, vehicle, *row.kind).constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(dateOf(day)));
    icalcomponent_add_property(event, icalproperty_new_dtend(dateOf(day.addDays(1))));
    icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
    icalcomponent_add_property(event, icalproperty_new_description(descriptionOf(scan, vehicle).toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    constexpr int Day = 24 * 60 * 60;
    icalcomponent_add_component(event, displayAlarm(summary, -7 * Day));
    icalcomponent_add_component(event, displayAlarm(summary, 9 * 60 * 60)); // 9:00 of the all-day event
    return event;
}

} // namespace

QByteArray uidOf(const DueDates::Scan& scan, const DueDates::Vehicle& vehicle, const DeadlineKind& kind)
{
    // The plate in hexadecimal: any text it holds stays a plain UID.
    return "corvanta-" + QByteArray::number(vehicle.position) + '-' +
           scan.text(vehicle, DueDates::Text::Targa).toUtf8().toHex() + '-' + QByteArray(kind.label).toLower() +
           "@corvanta";
}

QByteArray text(const DueDates::Scan& scan, const QDateTime& stamp)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT), &icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Corvanta//Scadenzario//IT"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stampTime = utcOf(stamp);
    for (const DueDates::Row& row : scan.rows) {
        if (row.urgency == DueDates::Urgency::Unreadable)
            continue;
        icalcomponent_add_component(calendar.get(), eventOf(scan, row, stampTime));
    }
    char* written = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray bytes(written);
    icalmemory_free_buffer(written);
    return bytes;
}

bool write(const QString& path, const DueDates::Scan& scan, const QDateTime& stamp, QString* error)
{
    return writeWholeFile(path, text(scan, stamp), error);
}

QString failureMessage(const QString& reason)
{
    // SafeFile passes on the system's own text of the failed write, so a full disk is told
    // by that text.
#ifdef Q_OS_WIN
    const QString diskFull = qt_error_string(ERROR_DISK_FULL);
#else
    const QString diskFull = qt_error_string(ENOSPC);
#endif
    const QString why = reason == diskFull ? QStringLiteral("Spazio su disco esaurito.") : reason;
    // Line feed before carriage return, as the program's other boxes show it.
    return QStringLiteral("Attenzione: non è stato possibile esportare il calendario.\n\r\n\r") + why;
}

} // namespace DeadlineCalendar
