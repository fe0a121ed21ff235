#include "report/ReportTemplate.h"

#include "report/ReportErrors.h"

namespace Report {

namespace {

// What a name stands for in a template: at most one of the three.
struct Found {
    Page* page = nullptr;
    Band* band = nullptr;
    Object* object = nullptr;
};

Object* findIn(std::vector<Object>& objects, const QString& name)
{
    for (Object& object : objects) {
        if (nameOf(object) == name)
            return &object;
    }
    return nullptr;
}

Found find(ReportTemplate& report, const QString& name)
{
    for (Page& page : report.pages) {
        if (page.name == name)
            return {&page, nullptr, nullptr};
        if (Object* object = findIn(page.objects, name))
            return {nullptr, nullptr, object};
        for (Band& band : page.bands) {
            if (band.name == name)
                return {nullptr, &band, nullptr};
            if (Object* object = findIn(band.objects, name))
                return {nullptr, nullptr, object};
        }
    }
    return {};
}

Found findOrThrow(ReportTemplate& report, const QString& name)
{
    const Found found = find(report, name);
    if (!found.page && !found.band && !found.object)
        throw ObjectNotFound(QStringLiteral("Il modello \"%1\" non contiene l'oggetto \"%2\".").arg(report.name, name));
    return found;
}

[[noreturn]] void wrongKind(const ReportTemplate& report, const QString& name, const char* kind)
{
    throw WrongKind(QStringLiteral("L'oggetto \"%1\" del modello \"%2\" non è %3.")
                        .arg(name, report.name, QString::fromUtf8(kind)));
}

template <typename Kind> Kind& objectOfKind(ReportTemplate& report, const QString& name, const char* kind)
{
    const Found found = findOrThrow(report, name);
    Kind* object = found.object ? std::get_if<Kind>(found.object) : nullptr;
    if (!object)
        wrongKind(report, name, kind);
    return *object;
}

} // namespace

QString nameOf(const Object& object)
{
    return std::visit([](const auto& o) { return o.name; }, object);
}

QRectF rectOf(const Object& object)
{
    return std::visit([](const auto& o) { return o.rect; }, object);
}

void TextObject::setText(const QString& text)
{
    lines = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QSizeF Page::orientedPaperMm() const
{
    const QSizeF upright(qMin(paperMm.width(), paperMm.height()), qMax(paperMm.width(), paperMm.height()));
    return orientation == Orientation::Portrait ? upright : upright.transposed();
}

TextObject& ReportTemplate::text(const QString& objectName)
{
    return objectOfKind<TextObject>(*this, objectName, "un testo");
}

PictureObject& ReportTemplate::picture(const QString& objectName)
{
    return objectOfKind<PictureObject>(*this, objectName, "un'immagine");
}

Band& ReportTemplate::band(const QString& objectName)
{
    const Found found = findOrThrow(*this, objectName);
    if (!found.band)
        wrongKind(*this, objectName, "una banda");
    return *found.band;
}

Page& ReportTemplate::page(const QString& objectName)
{
    const Found found = findOrThrow(*this, objectName);
    if (!found.page)
        wrongKind(*this, objectName, "una pagina");
    return *found.page;
}

} // namespace Report
