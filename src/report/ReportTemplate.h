#pragma once

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

// A report template as plain data: pages, bands and the objects on them. Lengths are
// report units of 1/96 inch; objects sit relative to their band, or to the page's
// printable area when they have no band.
namespace Report {

constexpr double UnitsPerMm = 96.0 / 25.4;
constexpr double mm(double millimetres)
{
    return millimetres * UnitsPerMm;
}
constexpr QRectF mmRect(double left, double top, double width, double height)
{
    return {mm(left), mm(top), mm(width), mm(height)};
}

struct TextStyle {
    QString family;
    double pointSize = 10;
    bool bold = false;
    QColor colour = Qt::black;
    QColor background; // invalid: no background
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    // Bracketed expressions such as [DATE] are evaluated. Only texts the template itself
    // holds have it on; what comes from the user or from a list always prints as it is.
    bool expressions = false;
};

struct TextObject {
    QString name;
    QRectF rect;
    TextStyle style;
    QStringList lines;

    QString text() const { return lines.join(QLatin1Char('\n')); }
    void setText(const QString& text);
    void clearLines() { lines.clear(); }
    void appendLine(const QString& line) { lines.append(line); }
    void setHeight(double height) { rect.setHeight(height); }
    // The distance from one line to the next: 1.2 times the font's size.
    double linePitch() const { return style.pointSize * 96.0 / 72.0 * 1.2; }
};

struct PictureObject {
    QString name;
    QRectF rect;
    bool centred = true;
    bool stretched = true; // scaled to fill the rectangle as far as its proportions allow
    bool transparent = false;
    QImage picture;

    void setPicture(const QImage& source) { picture = source.copy(); }
};

struct ShapeObject {
    QString name;
    QRectF rect;
    QColor fill; // invalid: not filled
    QColor frame = Qt::black;
    double frameWidth = 1;
};

using Object = std::variant<TextObject, PictureObject, ShapeObject>;
QString nameOf(const Object& object);
QRectF rectOf(const Object& object);

enum class BandKind { ReportTitle, MasterData, Footer };

struct Band {
    QString name;
    BandKind kind = BandKind::MasterData;
    double height = 0;
    int rowCount = 1;
    bool splittable = false;
    std::vector<Object> objects;

    void setHeight(double newHeight) { height = newHeight; }
};

enum class Orientation { Portrait, Landscape };

struct Page {
    QString name;
    int paperCode = 9;        // 9 is A4
    QSizeF paperMm{210, 297}; // as held upright
    Orientation orientation = Orientation::Portrait;
    QMarginsF marginsMm{10, 10, 10, 10};
    std::vector<Band> bands;
    std::vector<Object> objects; // on the page itself, printed on every page it yields

    void setOrientation(Orientation newOrientation) { orientation = newOrientation; }
    // The paper as it lies for the orientation.
    QSizeF orientedPaperMm() const;
};

struct ReportTemplate {
    QString name;
    std::vector<Page> pages;

    // Each raises ObjectNotFound when nothing has the name and WrongKind when the
    // object of that name is of another kind.
    TextObject& text(const QString& objectName);
    PictureObject& picture(const QString& objectName);
    Band& band(const QString& objectName);
    Page& page(const QString& objectName);
};

} // namespace Report
