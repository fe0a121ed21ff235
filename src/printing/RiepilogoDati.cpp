// The summary report "Riepilogo dati" that every list window prints.
#include "printing/ReportTemplates.h"

#include <algorithm>

namespace ReportTemplates {

namespace {

using namespace Report;

const QColor SlateGrey(112, 128, 144);

} // namespace

Report::ReportTemplate riepilogoDati()
{
    TextStyle title{QStringLiteral("Verdana"),       9,    true, Qt::white, SlateGrey,
                    Qt::AlignHCenter | Qt::AlignTop, true, false};
    // The list comes from the user's data: its brackets print as they are.
    TextStyle list{QStringLiteral("Courier New"), 8, false, Qt::black, {}, Qt::AlignLeft | Qt::AlignTop, false, false};
    TextStyle date{QStringLiteral("Verdana"),       8,     true, Qt::white, SlateGrey,
                   Qt::AlignHCenter | Qt::AlignTop, false, true};

    Band reportTitle{QStringLiteral("ReportTitle"), BandKind::ReportTitle, mm(8), 1, false, {}};
    reportTitle.objects.push_back(
        TextObject{QStringLiteral("txtTitolo"), mmRect(2, 1, 273, 5), title, {QStringLiteral("Riepilogo")}});

    Band masterData{QStringLiteral("MasterData"), BandKind::MasterData, mm(28), 1, true, {}};
    masterData.objects.push_back(TextObject{QStringLiteral("txtRiepilogo"), mmRect(3, 0, 273, 27), list, {}});

    Band footer{QStringLiteral("Footer"), BandKind::Footer, mm(8), 1, false, {}};
    footer.objects.push_back(TextObject{
        QStringLiteral("txtPagina"), mmRect(3, 2, 272, 5), date, {QStringLiteral("Stampa eseguita in data [DATE]")}});

    Page page{QStringLiteral("Page1"), 9, {210, 297}, Orientation::Landscape, {10, 10, 10, 10}, {}, {}};
    page.bands = {reportTitle, masterData, footer};
    return {QStringLiteral("Riepilogo dati"), {page}};
}

void fillRiepilogo(Report::ReportTemplate& report, const QString& title, const QStringList& lines)
{
    report.text(QStringLiteral("txtTitolo")).setText(title);
    TextObject& list = report.text(QStringLiteral("txtRiepilogo"));
    list.clearLines();
    for (const QString& line : lines)
        list.appendLine(line);
    Band& masterData = report.band(QStringLiteral("MasterData"));
    list.setHeight(list.lines.size() * riepilogoLineHeight(list));
    masterData.setHeight(list.rect.height() + 10);
}

double riepilogoLineHeight(const Report::TextObject& list)
{
    return std::max(12.822, list.linePitch());
}

} // namespace ReportTemplates
