// Printing through the platform seam: the summary report and the card's print and
// preview windows, with the PDF they produce read back by pdftotext and pdfinfo.
#include "CardFixture.h"

#include "output/TfrmAnteprimaAutomezzo.h"
#include "output/TfrmStampaAutomezzo.h"
#include "platform/QtPlatform.h"
#include "printing/PrintJob.h"
#include "printing/ReportTemplates.h"
#include "printing/StampaRiepilogo.h"
#include "widgets/PhotoView.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

struct PdfReading {
    int pages = 0;
    QString pageSize;  // as pdfinfo gives it, "841.89 x 595.276 pts (A4)"
    QStringList texts; // one per page, laid out as printed
    QString title;     // the job's name
};

// Reads a PDF back; fails the test when the tools are missing or the file unreadable.
PdfReading readPdf(const QString& path)
{
    PdfReading reading;
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished() || info.exitCode() != 0)
        return reading;
    const QStringList lines = QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("Pages:")))
            reading.pages = line.mid(6).trimmed().toInt();
        else if (line.startsWith(QLatin1String("Page size:")))
            reading.pageSize = line.mid(10).trimmed();
        else if (line.startsWith(QLatin1String("Title:")))
            reading.title = line.mid(6).trimmed();
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (text.waitForFinished())
        reading.texts = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    while (reading.texts.size() > reading.pages)
        reading.texts.removeLast();
    return reading;
}

bool popplerPresent()
{
    QProcess probe;
    probe.start(QStringLiteral("pdfinfo"), {QStringLiteral("-v")});
    return probe.waitForFinished() && probe.exitStatus() == QProcess::NormalExit;
}

const QString Landscape = QStringLiteral("842 x 595 pts (A4)");
const QString Portrait = QStringLiteral("595 x 842 pts (A4)");
const QString Title = QStringLiteral("Veicoli con bollo in scadenza o scaduto");
const QString DateBar = QStringLiteral("Stampa eseguita in data 10/12/2026");

// Fixed columns as a list window pads them.
QStringList listLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("%1%2%3")
                         .arg(QStringLiteral("AB%1CD").arg(i, 3, 10, QLatin1Char('0')), -12)
                         .arg(i % 2 ? QStringLiteral("Fiat") : QStringLiteral("Lancia"), -12)
                         .arg(QStringLiteral("riga %1").arg(i)));
    return lines;
}

// The card's print or preview window, run as the user runs it: open from the card,
// answer with btnStampa (or btnAnnulla), and the window closes by itself.
void runCardWindow(CardFixture& f, const char* cardButton, const char* windowButton, QString* seenWindow = nullptr)
{
    bool closed = false;
    Gui::whileModal(
        [&](QWidget* window) {
            if (seenWindow)
                *seenWindow = window ? window->objectName() : QString();
            if (auto* button = window ? window->findChild<QPushButton*>(QLatin1String(windowButton)) : nullptr)
                QTest::mouseClick(button, Qt::LeftButton);
        },
        &closed);
    f.click(cardButton);
    QVERIFY2(closed, "the window did not close by itself");
    QCOMPARE(f.card.findChildren<QDialog*>().size(), 0);
}

} // namespace

class tst_GuiPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void jobNames();
    void summaryToPdf_data();
    void summaryToPdf();
    void summaryCancelled();
    void summaryFailure();
    void cardPrint_data();
    void cardPrint();
    void cardPreview();
    void cardCancelled_data();
    void cardCancelled();
    void cardFailure_data();
    void cardFailure();
    void cardHugePhoto();
    void previewWindow();
};

void tst_GuiPrinting::initTestCase()
{
    if (!popplerPresent())
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the printouts back");
}

// Every job carries a name, which a PDF printer makes the file's title.
void tst_GuiPrinting::jobNames()
{
    CardFixture f;
    f.writeVehicles(1);
    f.showStored(1);
    const QString card = f.platform.folder() + QStringLiteral("scheda.pdf");
    f.platform.queuePrintFile(card);
    runCardWindow(f, "cmdStampa", "btnStampa");
    QCOMPARE(readPdf(card).title, QStringLiteral("Scheda veicolo ") + CardFixture::vehicle(1).Targa);

    const QString summary = f.platform.folder() + QStringLiteral("riepilogo.pdf");
    f.platform.queuePrintFile(summary);
    StampaRiepilogo(&f.card, Title, {QStringLiteral("riga 1")});
    QCOMPARE(readPdf(summary).title, Title);
}

void tst_GuiPrinting::summaryToPdf_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("pages");

    QTest::newRow("empty list") << QStringList() << 1;
    QTest::newRow("three pages") << listLines(120) << 3;
    QTest::newRow("brackets and a long line")
        << QStringList{QStringLiteral("[DATE] [urgente] nota"),
                       QStringLiteral("X").repeated(150) + QStringLiteral("FINE-RIGA-TAGLIATA")}
        << 1;
}

void tst_GuiPrinting::summaryToPdf()
{
    QFETCH(QStringList, lines);
    QFETCH(int, pages);

    FakePlatform platform;
    QWidget caller;
    const QString pdf = platform.folder() + QStringLiteral("riepilogo.pdf");
    platform.queuePrintFile(pdf);
    StampaRiepilogo(&caller, Title, lines);

    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(platform.prints.size(), 1);
    QCOMPARE(platform.prints.at(0).pageCount, pages);
    const PdfReading read = readPdf(pdf);
    QCOMPARE(read.pages, pages);
    QCOMPARE(read.pageSize, Landscape);
    QCOMPARE(read.texts.size(), pages);

    // The title on the first page only, the date bar once after the last line.
    for (int page = 0; page < pages; ++page) {
        QCOMPARE(read.texts.at(page).contains(Title), page == 0);
        QCOMPARE(read.texts.at(page).contains(DateBar), page == pages - 1);
    }
    const QString all = read.texts.join(QLatin1Char('\n'));
    if (!lines.isEmpty())
        QVERIFY(all.lastIndexOf(DateBar) > all.lastIndexOf(QStringLiteral("riga")));

    // The lines in order, the columns lined up, brackets literal, long lines cut.
    QStringList printed;
    for (const QString& line : all.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed == Title || trimmed == DateBar)
            continue;
        printed.append(trimmed);
    }
    if (lines.size() == 120) {
        QCOMPARE(printed.size(), 120);
        for (int i = 0; i < 120; ++i)
            QCOMPARE(printed.at(i).simplified(), lines.at(i).simplified());
        const QStringList layout = all.split(QLatin1Char('\n')).filter(QStringLiteral("riga"));
        const int column = layout.first().indexOf(QStringLiteral("riga"));
        for (const QString& line : layout)
            QCOMPARE(line.indexOf(QStringLiteral("riga")), column);
    } else if (!lines.isEmpty()) {
        QCOMPARE(printed.first(), QStringLiteral("[DATE] [urgente] nota"));
        QVERIFY(printed.at(1).startsWith(QStringLiteral("XXXXXXXXXX")));
        QVERIFY2(!all.contains(QStringLiteral("FINE-RIGA-TAGLIATA")), "a long line wrapped instead of being cut");
    } else {
        QVERIFY(printed.isEmpty());
    }
}

void tst_GuiPrinting::summaryCancelled()
{
    FakePlatform platform;
    QWidget caller;
    StampaRiepilogo(&caller, Title, listLines(3));
    QCOMPARE(platform.prints.size(), 1);
    QCOMPARE(platform.messages.size(), 0);
}

void tst_GuiPrinting::summaryFailure()
{
    FakePlatform platform;
    QWidget caller;
    // A printer that cannot be reached: the engine cannot paint on it.
    platform.queuePrintFile(platform.folder() + QStringLiteral("manca/riepilogo.pdf"));
    const QStringList lines = listLines(3);
    StampaRiepilogo(&caller, Title, lines);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).kind, Platform::MessageKind::Error);
    QVERIFY(platform.messages.at(0).text.startsWith(
        QStringLiteral("Attenzione: la stampa del riepilogo non è andata a buon fine.\n\r\n\r")));
    // The program goes on: the next printout works.
    const QString pdf = platform.folder() + QStringLiteral("riepilogo.pdf");
    platform.queuePrintFile(pdf);
    StampaRiepilogo(&caller, Title, lines);
    QCOMPARE(readPdf(pdf).pages, 1);
}

void tst_GuiPrinting::cardPrint_data()
{
    QTest::addColumn<bool>("stored");

    QTest::newRow("stored card") << true;
    QTest::newRow("unsaved values on screen") << false;
}

void tst_GuiPrinting::cardPrint()
{
    QFETCH(bool, stored);

    CardFixture f;
    if (stored) {
        f.writeVehicles(1);
        f.showStored(1);
    }
    // Every box gets its own value; the brackets print as they are.
    const QList<QLineEdit*> boxes = Gui::editBoxes(&f.card);
    QStringList values;
    for (int i = 0; i < boxes.size(); ++i) {
        values.append(QStringLiteral("[V%1]").arg(i + 1, 2, 10, QLatin1Char('0')));
        boxes.at(i)->setText(QStringLiteral("  ") + values.last() + QStringLiteral(" "));
    }
    const QString pdf = f.platform.folder() + QStringLiteral("scheda.pdf");
    f.platform.queuePrintFile(pdf);
    QString window;
    runCardWindow(f, "cmdStampa", "btnStampa", &window);
    QCOMPARE(window, QStringLiteral("frmStampaAutomezzo"));

    QCOMPARE(f.takeMessages(), QStringList());
    const PdfReading read = readPdf(pdf);
    QCOMPARE(read.pages, 1);
    QCOMPARE(read.pageSize, Portrait);
    const QString text = read.texts.value(0);
    QVERIFY(text.contains(QStringLiteral("SCHEDA VEICOLO")));
    QVERIFY(text.contains(QStringLiteral("COMPATIBILITA' AMBIENTALE")));
    for (const QString& value : std::as_const(values))
        QVERIFY2(text.contains(value), qPrintable(value));
    // The card itself is untouched.
    QCOMPARE(boxes.first()->text(), QStringLiteral("  [V01] "));
}

void tst_GuiPrinting::cardPreview()
{
    CardFixture f;
    f.type("txtTarga", QStringLiteral("ZZ999ZZ"));
    f.platform.previewFile = f.platform.folder() + QStringLiteral("anteprima.pdf");
    QString window;
    runCardWindow(f, "cmdAnteprima", "btnStampa", &window);
    QCOMPARE(window, QStringLiteral("frmAnteprimaAutomezzo"));
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(f.platform.prints.size(), 1);
    QVERIFY(f.platform.prints.at(0).preview);
    QCOMPARE(f.platform.prints.at(0).layout.orientation(), QPageLayout::Portrait);
    const PdfReading read = readPdf(f.platform.previewFile);
    QCOMPARE(read.pages, 1);
    QVERIFY(read.texts.value(0).contains(QStringLiteral("ZZ999ZZ")));
}

void tst_GuiPrinting::cardCancelled_data()
{
    QTest::addColumn<QByteArray>("cardButton");
    QTest::addColumn<QByteArray>("windowButton");
    QTest::addColumn<int>("prints");

    QTest::newRow("print dialog cancelled") << QByteArray("cmdStampa") << QByteArray("btnStampa") << 1;
    QTest::newRow("print window, Annulla") << QByteArray("cmdStampa") << QByteArray("btnAnnulla") << 0;
    QTest::newRow("preview window, Annulla") << QByteArray("cmdAnteprima") << QByteArray("btnAnnulla") << 0;
}

void tst_GuiPrinting::cardCancelled()
{
    QFETCH(QByteArray, cardButton);
    QFETCH(QByteArray, windowButton);
    QFETCH(int, prints);

    CardFixture f;
    runCardWindow(f, cardButton.constData(), windowButton.constData());
    QCOMPARE(f.platform.prints.size(), prints);
    QCOMPARE(f.takeMessages(), QStringList());
}

void tst_GuiPrinting::cardFailure_data()
{
    QTest::addColumn<QByteArray>("cardButton");
    QTest::addColumn<QString>("message");

    QTest::newRow("print") << QByteArray("cmdStampa")
                           << QStringLiteral("Attenzione: la stampa del documento non è andata a buon fine.");
    QTest::newRow("preview") << QByteArray("cmdAnteprima")
                             << QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa del "
                                               "documento non è andata a buon fine.");
}

void tst_GuiPrinting::cardFailure()
{
    QFETCH(QByteArray, cardButton);
    QFETCH(QString, message);

    CardFixture f;
    // A printer, or a preview, whose device cannot be painted on.
    const QString unreachable = f.platform.folder() + QStringLiteral("manca/scheda.pdf");
    f.platform.queuePrintFile(unreachable);
    f.platform.previewFile = unreachable;
    runCardWindow(f, cardButton.constData(), "btnStampa");
    QCOMPARE(f.takeMessages(),
             QStringList{CardFixture::shown(Platform::MessageKind::Warning,
                                            message + QStringLiteral("\n\r\n\rSi consiglia di ridurre le "
                                                                     "dimensioni della foto."))});
    // The card stays usable.
    QVERIFY(f.card.isVisible());
    f.type("txtTipo", QStringLiteral("Furgone"));
    QCOMPARE(f.tipo(), QStringLiteral("Furgone"));
}

void tst_GuiPrinting::cardHugePhoto()
{
    CardFixture f;
    // A 24-megapixel photo, as a camera gives it.
    QImage photo(6000, 4000, QImage::Format_RGB32);
    photo.fill(QColor(0x20, 0x60, 0xA0));
    f.imgFoto()->setPicture(photo);
    const QString pdf = f.platform.folder() + QStringLiteral("foto.pdf");
    f.platform.queuePrintFile(pdf);
    runCardWindow(f, "cmdStampa", "btnStampa");
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(readPdf(pdf).pages, 1);
    // Brought down to what 188 x 87 mm need at the printer's 300 dpi, not carried whole.
    QVERIFY2(QFileInfo(pdf).size() < 8 * 1024 * 1024, qPrintable(QString::number(QFileInfo(pdf).size())));
}

// The production preview: maximised, at 100 %, and a toolbar of Print, Zoom, Full
// screen and Close only.
void tst_GuiPrinting::previewWindow()
{
    Report::ReportTemplate report = ReportTemplates::schedaVeicolo();
    const Report::PreparedReport prepared = Report::prepare(report, QDate(2026, 12, 10));
    QStringList shown;
    bool maximised = false;
    qreal zoom = 0;
    Gui::whileModal([&](QWidget* window) {
        maximised = window && window->isMaximized();
        auto* view = window ? window->findChild<QPrintPreviewWidget*>() : nullptr;
        zoom = view ? view->zoomFactor() : 0;
        auto* toolbar = window ? window->findChild<QToolBar*>() : nullptr;
        for (QAction* action : toolbar ? toolbar->actions() : QList<QAction*>()) {
            if (!action->isVisible() || action->isSeparator())
                continue;
            QWidget* widget = toolbar->widgetForAction(action);
            shown.append(widget && !qobject_cast<QToolButton*>(widget)
                             ? QString::fromLatin1(widget->metaObject()->className())
                             : action->objectName());
        }
    });
    QWidget owner;
    QtPlatform().preview(&owner, printJob(prepared, QStringLiteral("Anteprima")));
    QVERIFY(maximised);
    QCOMPARE(zoom, 1.0);
    QCOMPARE(shown, (QStringList{QStringLiteral("QComboBox"), QStringLiteral("zoomOutAction"),
                                 QStringLiteral("zoomInAction"), QStringLiteral("printAction"),
                                 QStringLiteral("fullScreenAction"), QStringLiteral("closeAction")}));
}

QTEST_MAIN(tst_GuiPrinting)
#include "tst_gui_printing.moc"
