#include "report/PreparedReport.h"

#include "platform/ProcessFormats.h"

#include <QPageSize>

#include <algorithm>
#include <cmath>

namespace Report {

namespace {

// Rounding slack, far below anything that prints.
constexpr double Slack = 1e-6;

int bandOrder(BandKind kind)
{
    switch (kind) {
    case BandKind::ReportTitle:
        return 0;
    case BandKind::MasterData:
        return 1;
    case BandKind::Footer:
        break;
    }
    return 2;
}

class PageLayouter {
public:
    PageLayouter(const Page& page, const QDate& today, std::vector<PreparedPage>& output)
        : m_page(page), m_today(today), m_output(output)
    {
        const QSizeF paper = page.orientedPaperMm();
        m_area = QRectF(mm(page.marginsMm.left()), mm(page.marginsMm.top()),
                        mm(paper.width() - page.marginsMm.left() - page.marginsMm.right()),
                        mm(paper.height() - page.marginsMm.top() - page.marginsMm.bottom()));
    }

    void run()
    {
        newPage();
        std::vector<const Band*> bands;
        for (const Band& band : m_page.bands)
            bands.push_back(&band);
        std::stable_sort(bands.begin(), bands.end(),
                         [](const Band* a, const Band* b) { return bandOrder(a->kind) < bandOrder(b->kind); });
        for (const Band* band : bands) {
            const int rows = band->kind == BandKind::MasterData ? std::max(band->rowCount, 0) : 1;
            for (int row = 0; row < rows; ++row)
                placeBand(*band);
        }
    }

private:
    void newPage()
    {
        m_output.push_back({});
        m_y = m_area.top();
        for (const Object& object : m_page.objects)
            place(object, m_area.topLeft(), m_area);
    }

    bool atPageTop() const { return m_y <= m_area.top() + Slack; }

    void placeBand(const Band& band)
    {
        double from = 0;
        for (;;) {
            const double room = m_area.bottom() - m_y;
            if (band.height - from <= room + Slack) {
                placeWindow(band, from, band.height);
                return;
            }
            double cut = band.splittable ? splitPoint(band, from, from + room) : from;
            if (cut <= from + Slack) {
                if (!atPageTop()) {
                    newPage();
                    continue;
                }
                // Taller than a whole page and no way to split it: the page's edge cuts it.
                if (!band.splittable || room <= Slack) {
                    placeWindow(band, from, band.height);
                    return;
                }
                // Not even one line fits on an empty page: cut where the page ends.
                cut = from + room;
            }
            placeWindow(band, from, cut);
            from = cut;
            newPage();
        }
    }

    // The lowest place at or above limit where no line of text is cut.
    double splitPoint(const Band& band, double from, double limit) const
    {
        double cut = limit;
        for (const Object& object : band.objects) {
            const auto* text = std::get_if<TextObject>(&object);
            if (!text || text->rect.top() >= limit || text->rect.bottom() <= limit)
                continue;
            const double pitch = text->linePitch();
            const double whole = std::floor((limit - text->rect.top()) / pitch + Slack);
            cut = std::min(cut, text->rect.top() + whole * pitch);
        }
        return std::max(cut, from);
    }

    // Places the part [from, to) of the band at the current height, then moves below it.
    void placeWindow(const Band& band, double from, double to)
    {
        const QRectF window = QRectF(m_area.left(), m_y, m_area.width(), to - from).intersected(m_area);
        const QPointF origin(m_area.left(), m_y - from);
        for (const Object& object : band.objects) {
            const QRectF rect = rectOf(object);
            if (rect.bottom() <= from + Slack || rect.top() >= to - Slack)
                continue;
            const auto* text = std::get_if<TextObject>(&object);
            if (text && (rect.top() < from - Slack || rect.bottom() > to + Slack))
                placeTextPart(*text, from, to, origin, window);
            else
                place(object, origin, window);
        }
        m_y += to - from;
    }

    // The lines of a split text that lie wholly inside [from, to), top aligned.
    void placeTextPart(const TextObject& text, double from, double to, QPointF origin, const QRectF& window)
    {
        const double pitch = text.linePitch();
        const double top = text.rect.top();
        const int first = std::max(0, static_cast<int>(std::ceil((from - top) / pitch - Slack)));
        const int end = static_cast<int>(std::floor((std::min(to, text.rect.bottom()) - top) / pitch + Slack));
        TextObject part = text;
        part.lines = text.lines.mid(first, std::max(0, std::min<int>(end, text.lines.size()) - first));
        const double partTop = std::max(top + first * pitch, from);
        part.rect = QRectF(text.rect.left(), partTop, text.rect.width(), std::min(text.rect.bottom(), to) - partTop);
        part.style.alignment = (text.style.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
        place(Object(std::move(part)), origin, window);
    }

    void place(const Object& object, QPointF origin, const QRectF& window)
    {
        Object placed = object;
        std::visit([origin](auto& o) { o.rect.translate(origin); }, placed);
        if (auto* text = std::get_if<TextObject>(&placed); text && text->style.expressions) {
            for (QString& line : text->lines)
                line = evaluated(line, m_today);
            text->style.expressions = false;
        }
        const QRectF clip = rectOf(placed).intersected(window);
        m_output.back().objects.push_back({std::move(placed), clip});
    }

    const Page& m_page;
    const QDate m_today;
    std::vector<PreparedPage>& m_output;
    QRectF m_area;
    double m_y = 0;
};

} // namespace

QString evaluated(const QString& text, const QDate& today)
{
    QString result = text;
    return result.replace(QStringLiteral("[DATE]"), ProcessFormats::formatDate(today));
}

PreparedReport prepare(const ReportTemplate& report, const QDate& today)
{
    PreparedReport prepared;
    if (report.pages.empty())
        return prepared;
    // A report prints with the paper of its first page.
    prepared.paperMm = report.pages.front().orientedPaperMm();
    prepared.orientation = report.pages.front().orientation;
    for (const Page& page : report.pages)
        PageLayouter(page, today, prepared.pages).run();
    return prepared;
}

QPageLayout PreparedReport::pageLayout() const
{
    const QSizeF upright(qMin(paperMm.width(), paperMm.height()), qMax(paperMm.width(), paperMm.height()));
    return QPageLayout(QPageSize(upright, QPageSize::Millimeter),
                       orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace Report
