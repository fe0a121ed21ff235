// The analysis window as the clerk reaches it: card, cost window, "Analisi costi". Its
// tables, totals and chart come from the vehicle's cost file; Stampa prints one A4 page
// through the print dialog and Esporta saves the workbook through the save dialog. From the
// launcher the same window ranks the fleet, by year, and hands a double-clicked vehicle to
// the card.
#include "CardFixture.h"

#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/VehicleArchive.h"

#include "analysis/TfrmAnalisiCosti.h"
#include "costs/CostFile.h"
#include "costs/TfrmAllegaExcel.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Opens the cost window from the card's btnCosti and the analysis from its btnAnalisi,
// runs act on the analysis window, then closes both.
void withAnalysis(CardFixture& f, const std::function<void(TfrmAnalisiCosti*)>& act)
{
    bool reached = false;
    Gui::whileModal([&](QWidget* costs) {
        QVERIFY(qobject_cast<TfrmAllegaExcel*>(costs));
        Gui::whileModal([&](QWidget* modal) {
            auto* analysis = qobject_cast<TfrmAnalisiCosti*>(modal);
            QVERIFY(analysis);
            QVERIFY(QTest::qWaitForWindowExposed(analysis));
            reached = true;
            act(analysis);
        });
        Gui::push(costs, "btnAnalisi");
    });
    f.click("btnCosti");
    QVERIFY(reached);
}

QStringList column(const TfrmAnalisiCosti* window, const char* grid, int c)
{
    const QAbstractItemModel* model = window->findChild<QTableView*>(QLatin1String(grid))->model();
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r)
        texts << model->index(r, c).data().toString();
    return texts;
}

void writeCosts(CardFixture& f)
{
    CostFile file(f.platform.folder(), 1);
    const char* const rows[][3] = {
        {"12/01/2026", "Tagliando", "245,80"}, {"03/03/2025", "  tagliando ", "100,00"},
        {"ieri", "Bollo auto", "189,00"},      {"05/05/2025", "Multa", "dieci"},
        {"06/06/2025", "Lavaggio", ""}, // no amount: not an entry
    };
    for (const auto& row : rows)
        file.append({QString::fromUtf8(row[0]), QString::fromUtf8(row[1]), QStringLiteral("Ufficio"),
                     QStringLiteral("Officina"), QString::fromUtf8(row[2])});
    file.close();
}

} // namespace

class tst_GuiAnalysis : public QObject {
    Q_OBJECT

private slots:
    void init();
    void tablesOfTheVehicle();
    void printsOnePage();
    void exportsThroughSaveDialog();
    void fleetFromLauncher();

private:
    std::unique_ptr<CardFixture> m_f;
};

void tst_GuiAnalysis::init()
{
    m_f.reset(); // one fake platform at a time
    m_f = std::make_unique<CardFixture>();
    m_f->writeVehicles(1);
    m_f->showStored(1);
    writeCosts(*m_f);
}

void tst_GuiAnalysis::tablesOfTheVehicle()
{
    withAnalysis(*m_f, [](TfrmAnalisiCosti* window) {
        QCOMPARE(window->windowTitle(), QStringLiteral(" Analisi costi"));
        QCOMPARE(column(window, "grdPerAnno", 0),
                 (QStringList{QStringLiteral("2025"), QStringLiteral("2026"), QStringLiteral("Senza data")}));
        QCOMPARE(column(window, "grdPerAnno", 1),
                 (QStringList{QStringLiteral("€ 100,00"), QStringLiteral("€ 245,80"), QStringLiteral("€ 189,00")}));
        QCOMPARE(column(window, "grdPerAnno", 2),
                 (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("1")}));
        QCOMPARE(column(window, "grdPerCausale", 0),
                 (QStringList{QStringLiteral("Tagliando"), QStringLiteral("Bollo auto"), QStringLiteral("Multa")}));
        QCOMPARE(column(window, "grdPerCausale", 1),
                 (QStringList{QStringLiteral("€ 345,80"), QStringLiteral("€ 189,00"), QStringLiteral("€ 0,00")}));
        QCOMPARE(Gui::label(window, "lblTotali")->text(),
                 QStringLiteral("Totale: € 534,80   N. voci: 4   Importi non leggibili: 1"));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("chtCosti"))->isVisible());
        Gui::push(window, "btnChiudi");
        QVERIFY(!window->isVisible());
    });
}

void tst_GuiAnalysis::printsOnePage()
{
    const QString pdf = m_f->platform.folder() + QStringLiteral("analisi.pdf");
    m_f->platform.queuePrintFile(pdf);
    withAnalysis(*m_f, [](TfrmAnalisiCosti* window) { Gui::push(window, "btnStampa"); });
    QCOMPARE(m_f->platform.prints.size(), 1);
    QCOMPARE(m_f->platform.prints.front().pageCount, 1);
    QCOMPARE(m_f->platform.prints.front().layout.pageSize().id(), QPageSize::A4);
    QVERIFY(Gui::readFile(pdf).startsWith("%PDF"));
}

void tst_GuiAnalysis::exportsThroughSaveDialog()
{
    const QString path = m_f->platform.folder() + QStringLiteral("analisi.xlsx");
    m_f->platform.queueFileName(path);
    withAnalysis(*m_f, [](TfrmAnalisiCosti* window) { Gui::push(window, "btnEsporta"); });
    QCOMPARE(m_f->platform.dialogs.size(), 1);
    QCOMPARE(m_f->platform.dialogs.front().options.presetName, QStringLiteral("Analisi_costi.xlsx"));
    QVERIFY(Gui::readFile(path).startsWith("PK"));
    QCOMPARE(m_f->takeMessages(), QStringList());
}

void tst_GuiAnalysis::fleetFromLauncher()
{
    m_f.reset();
    FakePlatform platform;
    {
        VehicleArchive archive(platform.folder());
        for (const int n : {1, 2, 3})
            archive.append(CardFixture::vehicle(n));
        archive.close();
    }
    const auto costs = [&platform](int position, const char* date, const char* amount) {
        CostFile file(platform.folder(), position);
        file.append({QString::fromUtf8(date), QStringLiteral("Tagliando"), QStringLiteral("Ufficio"),
                     QStringLiteral("Officina"), QString::fromUtf8(amount)});
        file.close();
    };
    costs(2, "10/10/2025", "300,00");
    costs(3, "11/11/2026", "120,00");
    costs(3, "12/11/2026", "120,00");
    AppWindows windows;
    windows.showLauncher();

    bool closedByClick = false;
    Gui::whileModal(
        [&](QWidget* modal) {
            auto* window = qobject_cast<TfrmAnalisiCosti*>(modal);
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QStringLiteral(" Analisi costi del parco"));
            // The cost files are read on a thread of their own.
            auto* years = window->findChild<QComboBox*>(QStringLiteral("cboAnno"));
            QTRY_COMPARE(years->count(), 3);
            QVERIFY(years->isEnabled());
            QVERIFY(!window->findChild<QWidget*>(QStringLiteral("prgLettura"))->isVisible());
            QCOMPARE(column(window, "grdPerVeicolo", 0), (QStringList{u"2"_s, u"3"_s, u"1"_s}));
            QCOMPARE(years->itemText(0), QStringLiteral("Tutti gli anni"));
            years->setCurrentIndex(years->findText(QStringLiteral("2026")));
            QCOMPARE(column(window, "grdPerVeicolo", 0), (QStringList{u"3"_s, u"1"_s, u"2"_s}));
            QCOMPARE(column(window, "grdPerAnno", 0), QStringList{QStringLiteral("2026")});
            QCOMPARE(Gui::label(window, "lblTotali")->text(),
                     QStringLiteral("Totale: € 240,00   N. voci: 2   Importi non leggibili: 0"));
            auto* grid = window->findChild<QTableView*>(QStringLiteral("grdPerVeicolo"));
            const QRect cell = grid->visualRect(grid->model()->index(0, 0));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        },
        &closedByClick);
    Gui::click(windows.frmAvvio(), "imgAnalisiCosti");
    QVERIFY(closedByClick);
    TfrmAutoparco* card = windows.frmAutoparco();
    QVERIFY(card->isVisible());
    QVERIFY(!windows.frmAvvio()->isVisible());
    QCOMPARE(card->position(), QStringLiteral("3"));
    QCOMPARE(card->box(&TSchedaVeicolo::Targa)->text(), CardFixture::vehicle(3).Targa);
    QCOMPARE(platform.messages.size(), 0);
}

QTEST_MAIN(tst_GuiAnalysis)
#include "tst_gui_analysis.moc"
