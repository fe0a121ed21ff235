// The report engine's layout, read as data: which objects land on which page and where,
// the split of the master data, the title and the date bar, [DATE], and the errors of
// finding an object; then the program's two templates laid out.
#include "printing/ReportTemplates.h"
#include "report/PreparedReport.h"
#include "report/ReportErrors.h"

#include <QTest>

using namespace Report;

namespace {

const QDate Today(2026, 12, 10);

// A small page: 40 x 30 mm of printable area (151.18 x 113.39 units), a 20-unit title,
// list lines 12 units apart and a 15-unit footer.
ReportTemplate smallReport(int lineCount)
{
    TextStyle list{QStringLiteral("Courier New"), 7.5,   false, Qt::black, {},
                   Qt::AlignLeft | Qt::AlignTop,  false, false};
    TextStyle date = list;
    date.expressions = true;

    Band title{QStringLiteral("Titolo"), BandKind::ReportTitle, 20, 1, false, {}};
    title.objects.push_back(TextObject{QStringLiteral("txtTitolo"), {2, 2, 100, 16}, list, {QStringLiteral("T")}});
    Band master{QStringLiteral("Dati"), BandKind::MasterData, 0, 1, true, {}};
    TextObject lines{QStringLiteral("txtLista"), {0, 0, 140, 12.0 * lineCount}, list, {}};
    for (int i = 1; i <= lineCount; ++i)
        lines.appendLine(QStringLiteral("riga %1").arg(i));
    master.objects.push_back(lines);
    master.height = 12.0 * lineCount + 10;
    Band footer{QStringLiteral("Piede"), BandKind::Footer, 15, 1, false, {}};
    footer.objects.push_back(
        TextObject{QStringLiteral("txtData"), {0, 2, 140, 12}, date, {QStringLiteral("Data [DATE]")}});

    Page page{QStringLiteral("Pagina"), 0, {40 + 10, 30 + 10}, Orientation::Landscape, {5, 5, 5, 5}, {}, {}};
    // Listed out of order: the engine prints title, data, footer whatever the order.
    page.bands = {footer, master, title};
    page.objects.push_back(ShapeObject{QStringLiteral("shpBordo"), {0, 0, 10, 10}, Qt::red, Qt::black, 1});
    return {QStringLiteral("Prova"), {page}};
}

QRectF printableArea()
{
    return {mm(5), mm(5), mm(40), mm(30)};
}

const PlacedObject* placed(const PreparedPage& page, const QString& name)
{
    for (const PlacedObject& object : page.objects) {
        if (nameOf(object.object) == name)
            return &object;
    }
    return nullptr;
}

QStringList placedNames(const PreparedPage& page)
{
    QStringList names;
    for (const PlacedObject& object : page.objects)
        names.append(nameOf(object.object));
    return names;
}

} // namespace

class tst_ReportLayout : public QObject {
    Q_OBJECT
private slots:
    void masterDataSplit_data();
    void masterDataSplit();
    void expressions_data();
    void expressions();
    void findErrors_data();
    void findErrors();
    void preparingAgainDiscards();
    void riepilogoHeights();
    void riepilogoPages_data();
    void riepilogoPages();
    void schedaVeicoloBoxes_data();
    void schedaVeicoloBoxes();
};

void tst_ReportLayout::masterDataSplit_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QList<int>>("linesPerPage");
    QTest::addColumn<double>("footerTop"); // below the top of the printable area, on the last page

    // Page 1 holds 7 lines under the title, later pages 9. The footer's text sits 2 units
    // into the footer, which starts where the band ends: 10 units below the last line.
    QTest::newRow("empty list") << 0 << QList<int>{0} << 20.0 + 10 + 2;
    QTest::newRow("one line") << 1 << QList<int>{1} << 20.0 + 12 + 10 + 2;
    QTest::newRow("only the band's padding spills over") << 7 << QList<int>{7, 0} << 94 - (mm(30) - 20) + 2;
    QTest::newRow("one line over") << 8 << QList<int>{7, 1} << 12.0 + 10 + 2;
    QTest::newRow("footer alone on the last page") << 15 << QList<int>{7, 8, 0} << 2.0;
    QTest::newRow("four pages") << 30 << QList<int>{7, 9, 9, 5} << 5 * 12.0 + 10 + 2;
}

void tst_ReportLayout::masterDataSplit()
{
    QFETCH(int, lineCount);
    QFETCH(QList<int>, linesPerPage);
    QFETCH(double, footerTop);

    const PreparedReport report = prepare(smallReport(lineCount), Today);
    const QRectF area = printableArea();
    QCOMPARE(static_cast<int>(report.pages.size()), linesPerPage.size());

    QStringList printed;
    for (int number = 1; number <= linesPerPage.size(); ++number) {
        const PreparedPage& page = report.pages[static_cast<std::size_t>(number - 1)];
        const QString where = QStringLiteral("page %1").arg(number);
        // The object without a band prints on every page, at its place in the printable area.
        const PlacedObject* frame = placed(page, QStringLiteral("shpBordo"));
        QVERIFY2(frame, qPrintable(where));
        QCOMPARE(rectOf(frame->object), QRectF(area.topLeft(), QSizeF(10, 10)));

        // The title only at the top of page 1.
        const PlacedObject* title = placed(page, QStringLiteral("txtTitolo"));
        QCOMPARE(title != nullptr, number == 1);
        if (title)
            QCOMPARE(rectOf(title->object), QRectF(area.left() + 2, area.top() + 2, 100, 16));

        const int expectedLines = linesPerPage.at(number - 1);
        const PlacedObject* list = placed(page, QStringLiteral("txtLista"));
        const QStringList lines = list ? std::get<TextObject>(list->object).lines : QStringList();
        QCOMPARE(lines.size(), expectedLines);
        if (expectedLines > 0) {
            // A page's part starts under the title on page 1 and at the top elsewhere,
            // and holds only whole lines inside the printable area.
            const QRectF rect = rectOf(list->object);
            QCOMPARE(rect.top(), number == 1 ? area.top() + 20 : area.top());
            QVERIFY2(rect.top() + 12.0 * expectedLines <= area.bottom() + 1e-6, qPrintable(where));
            QVERIFY(list->clip.bottom() <= area.bottom() + 1e-6);
        }
        printed += lines;

        // The footer once, right after the band's end.
        const PlacedObject* footer = placed(page, QStringLiteral("txtData"));
        QCOMPARE(footer != nullptr, number == linesPerPage.size());
        if (footer)
            QCOMPARE(rectOf(footer->object).top(), area.top() + footerTop);
    }
    // Every line once, in order.
    QStringList expected;
    for (int i = 1; i <= lineCount; ++i)
        expected.append(QStringLiteral("riga %1").arg(i));
    QCOMPARE(printed, expected);
}

void tst_ReportLayout::expressions_data()
{
    QTest::addColumn<bool>("expressions");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");

    QTest::newRow("date in a template text") << true << QStringLiteral("Stampa eseguita in data [DATE]")
                                             << QStringLiteral("Stampa eseguita in data 10/12/2026");
    QTest::newRow("other brackets stay") << true << QStringLiteral("[DATE] [urgente] [")
                                         << QStringLiteral("10/12/2026 [urgente] [");
    QTest::newRow("user text is literal")
        << false << QStringLiteral("[DATE] [urgente]") << QStringLiteral("[DATE] [urgente]");
}

void tst_ReportLayout::expressions()
{
    QFETCH(bool, expressions);
    QFETCH(QString, text);
    QFETCH(QString, printed);

    ReportTemplate report = smallReport(1);
    TextObject& footer = report.text(QStringLiteral("txtData"));
    footer.style.expressions = expressions;
    footer.setText(text);
    const PreparedReport prepared = prepare(report, Today);
    const PlacedObject* placedFooter = placed(prepared.pages.back(), QStringLiteral("txtData"));
    QVERIFY(placedFooter);
    QCOMPARE(std::get<TextObject>(placedFooter->object).text(), printed);
    // The template keeps its expression for the next printout.
    QCOMPARE(footer.text(), text);
}

void tst_ReportLayout::findErrors_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error"); // "", "missing" or "wrong kind"

    QTest::newRow("text") << "text"
                          << "txtLista"
                          << "";
    QTest::newRow("band") << "band"
                          << "Dati"
                          << "";
    QTest::newRow("page") << "page"
                          << "Pagina"
                          << "";
    QTest::newRow("missing text") << "text"
                                  << "txtNessuno"
                                  << "missing";
    QTest::newRow("missing picture") << "picture"
                                     << "imgLogo"
                                     << "missing";
    QTest::newRow("band as text") << "text"
                                  << "Dati"
                                  << "wrong kind";
    QTest::newRow("text as band") << "band"
                                  << "txtLista"
                                  << "wrong kind";
    QTest::newRow("shape as picture") << "picture"
                                      << "shpBordo"
                                      << "wrong kind";
    QTest::newRow("page as band") << "band"
                                  << "Pagina"
                                  << "wrong kind";
}

void tst_ReportLayout::findErrors()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, error);

    ReportTemplate report = smallReport(1);
    const auto find = [&] {
        if (kind == QLatin1String("text"))
            report.text(name);
        else if (kind == QLatin1String("picture"))
            report.picture(name);
        else if (kind == QLatin1String("band"))
            report.band(name);
        else
            report.page(name);
    };
    if (error.isEmpty())
        find();
    else if (error == QLatin1String("missing"))
        QVERIFY_THROWS_EXCEPTION(ObjectNotFound, find());
    else
        QVERIFY_THROWS_EXCEPTION(WrongKind, find());
}

void tst_ReportLayout::preparingAgainDiscards()
{
    ReportTemplate report = smallReport(30);
    QCOMPARE(prepare(report, Today).pages.size(), std::size_t(4));
    report.text(QStringLiteral("txtLista")).clearLines();
    report.text(QStringLiteral("txtLista")).setHeight(0);
    report.band(QStringLiteral("Dati")).setHeight(10);
    QCOMPARE(prepare(report, Today).pages.size(), std::size_t(1));
}

void tst_ReportLayout::riepilogoHeights()
{
    ReportTemplate report = ReportTemplates::riepilogoDati();
    // Printing twice from one window: each printout gets the height of its own list.
    for (int count : {3, 1, 0}) {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines.append(QStringLiteral("riga"));
        ReportTemplates::fillRiepilogo(report, QStringLiteral("Titolo"), lines);
        const TextObject& list = report.text(QStringLiteral("txtRiepilogo"));
        QCOMPARE(list.lines, lines);
        QCOMPARE(list.rect.height(), count * 12.822);
        QCOMPARE(report.band(QStringLiteral("MasterData")).height, count * 12.822 + 10);
        QCOMPARE(report.text(QStringLiteral("txtTitolo")).text(), QStringLiteral("Titolo"));
    }
    // Every line of 8-point Courier New has its room.
    QVERIFY(report.text(QStringLiteral("txtRiepilogo")).linePitch() <= 12.822);
}

void tst_ReportLayout::riepilogoPages_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("pages");

    // A landscape page holds 51 lines under the title bar, 55 on later pages.
    QTest::newRow("empty list") << 0 << 1;
    QTest::newRow("one page") << 40 << 1;
    QTest::newRow("demo of 120 lines") << 120 << 3;
}

void tst_ReportLayout::riepilogoPages()
{
    QFETCH(int, lineCount);
    QFETCH(int, pages);

    ReportTemplate report = ReportTemplates::riepilogoDati();
    QStringList lines;
    for (int i = 1; i <= lineCount; ++i)
        lines.append(QStringLiteral("Riga [%1]").arg(i));
    ReportTemplates::fillRiepilogo(report, QStringLiteral("Veicoli con bollo in scadenza o scaduto"), lines);
    const PreparedReport prepared = prepare(report, Today);

    QCOMPARE(prepared.orientation, Orientation::Landscape);
    QCOMPARE(prepared.paperMm, QSizeF(297, 210));
    QCOMPARE(prepared.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(prepared.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(static_cast<int>(prepared.pages.size()), pages);

    const PlacedObject* title = placed(prepared.pages.front(), QStringLiteral("txtTitolo"));
    QVERIFY(title);
    QCOMPARE(rectOf(title->object), QRectF(mm(10) + mm(2), mm(10) + mm(1), mm(273), mm(5)));
    QStringList printed;
    for (std::size_t i = 0; i < prepared.pages.size(); ++i) {
        const PreparedPage& page = prepared.pages[i];
        QCOMPARE(placed(page, QStringLiteral("txtTitolo")) != nullptr, i == 0);
        QCOMPARE(placed(page, QStringLiteral("txtPagina")) != nullptr, i + 1 == prepared.pages.size());
        if (const PlacedObject* list = placed(page, QStringLiteral("txtRiepilogo")))
            printed += std::get<TextObject>(list->object).lines;
    }
    QCOMPARE(printed, lines);
    const PlacedObject* date = placed(prepared.pages.back(), QStringLiteral("txtPagina"));
    QCOMPARE(std::get<TextObject>(date->object).text(), QStringLiteral("Stampa eseguita in data 10/12/2026"));
}

void tst_ReportLayout::schedaVeicoloBoxes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QRectF>("captionMm");
    QTest::addColumn<QRectF>("valueMm");

    // Places in mm from the printable area's corner.
    QTest::newRow("TIPO VEICOLO") << "Tipo" << QRectF(2, 101, 90, 3.6) << QRectF(2, 106.4, 90, 4);
    QTest::newRow("PNEUMATICI, raised") << "Pneumatici" << QRectF(2, 160.6, 90, 3.6) << QRectF(2, 166, 90, 4);
    QTest::newRow("PORTATA MASSIMA, narrow caption")
        << "Portata" << QRectF(49, 176, 42, 3.6) << QRectF(49, 181.4, 43, 4);
    QTest::newRow("NOTE, raised") << "Note" << QRectF(2, 265.6, 186, 3.6) << QRectF(2, 271, 186, 4);
}

void tst_ReportLayout::schedaVeicoloBoxes()
{
    QFETCH(QString, field);
    QFETCH(QRectF, captionMm);
    QFETCH(QRectF, valueMm);

    ReportTemplate report = ReportTemplates::schedaVeicolo();
    for (QString TSchedaVeicolo::*member : ReportTemplates::printedFields())
        report.text(ReportTemplates::valueObjectName(member)).setText(QStringLiteral("[x]"));
    const PreparedReport prepared = prepare(report, Today);
    QCOMPARE(prepared.pages.size(), std::size_t(1));
    QCOMPARE(prepared.orientation, Orientation::Portrait);

    const auto inMm = [](const QRectF& rect) {
        const QRectF r = rect.translated(-mm(10), -mm(10));
        return QRectF(r.left() / UnitsPerMm, r.top() / UnitsPerMm, r.width() / UnitsPerMm, r.height() / UnitsPerMm);
    };
    const auto near = [](const QRectF& a, const QRectF& b) {
        return qAbs(a.left() - b.left()) < 1e-9 && qAbs(a.top() - b.top()) < 1e-9 &&
               qAbs(a.width() - b.width()) < 1e-9 && qAbs(a.height() - b.height()) < 1e-9;
    };
    const PreparedPage& page = prepared.pages.front();
    const PlacedObject* caption = placed(page, QStringLiteral("lblTitolo") + field);
    const PlacedObject* value = placed(page, QStringLiteral("txt") + field);
    QVERIFY(caption && value);
    QVERIFY2(near(inMm(rectOf(caption->object)), captionMm), qPrintable(field));
    QVERIFY2(near(inMm(rectOf(value->object)), valueMm), qPrintable(field));
    // The values print as they are, brackets and all.
    QCOMPARE(std::get<TextObject>(value->object).text(), QStringLiteral("[x]"));
    // 3 objects of the title and photo, 4 per field box.
    QCOMPARE(placedNames(page).size(), 3 + 4 * TSchedaVeicolo::EditFieldCount);
}

QTEST_GUILESS_MAIN(tst_ReportLayout)
#include "tst_report_layout.moc"
