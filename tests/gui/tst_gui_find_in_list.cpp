// "Trova" attached to a list window's box, button and list, on a small window of its own.
#include "FakePlatform.h"

#include "widgets/FindInList.h"
#include "widgets/LineList.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

struct ListWindow {
    ListWindow()
    {
        txtTrova = new QLineEdit(&window);
        btnTrova = new QPushButton(QStringLiteral("Trova"), &window);
        btnTrova->move(0, 30);
        lstRecords = new LineList(&window);
        lstRecords->setGeometry(0, 60, 400, 200);
        finder = new FindInList(txtTrova, btnTrova, lstRecords);
        window.show();
    }
    void find(const QString& text)
    {
        txtTrova->setText(text);
        QTest::mouseClick(btnTrova, Qt::LeftButton);
    }

    FakePlatform platform;
    QWidget window;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    LineList* lstRecords;
    FindInList* finder;
};

} // namespace

class tst_GuiFindInList : public QObject {
    Q_OBJECT

private slots:
    void findsAndWraps();
    void emptyListMessage();
    void enterMovesToTheButton();
    void widestLineScrollsIntoView();
};

void tst_GuiFindInList::findsAndWraps()
{
    ListWindow w;
    w.lstRecords->setLines(
        {QStringLiteral("AUTO   FIAT"), QStringLiteral("FURGONE IVECO"), QStringLiteral("AUTO   FORD")});
    const int selected[] = {0, 2, 0};
    for (int expected : selected) {
        w.find(QStringLiteral("auto"));
        QCOMPARE(w.lstRecords->selectedRow(), expected);
    }
    // No match: the selection stays, no message.
    w.find(QStringLiteral("opel"));
    QCOMPARE(w.lstRecords->selectedRow(), 0);
    QVERIFY(w.platform.messages.isEmpty());
}

void tst_GuiFindInList::emptyListMessage()
{
    ListWindow w;
    w.find(QStringLiteral("fiat"));
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.messages[0].kind, Platform::MessageKind::Plain);
    QCOMPARE(w.platform.messages[0].text,
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

void tst_GuiFindInList::enterMovesToTheButton()
{
    ListWindow w;
    w.lstRecords->setLines({QStringLiteral("AUTO")});
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.txtTrova->setFocus();
    w.txtTrova->setText(QStringLiteral("auto"));
    QTest::keyClick(w.txtTrova, Qt::Key_Return);
    QVERIFY(w.btnTrova->hasFocus());
    QCOMPARE(w.lstRecords->selectedRow(), -1);
}

// The list scrolls far enough to show the widest line's last character, whichever row it
// is in, and every line is its own tooltip.
void tst_GuiFindInList::widestLineScrollsIntoView()
{
    ListWindow w;
    const QString widest =
        QStringLiteral("Fiat Ducato    AB123CD   ") + QString(60, QLatin1Char('.')) + QStringLiteral("31/12/2026");
    w.lstRecords->setLines({QStringLiteral("Panda"), widest, QStringLiteral("Ypsilon")});
    QApplication::processEvents();
    const QFontMetrics metrics(w.lstRecords->font());
    QScrollBar* bar = w.lstRecords->horizontalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QVERIFY2(bar->maximum() + w.lstRecords->viewport()->width() >= metrics.horizontalAdvance(widest + QLatin1Char(' ')),
             qPrintable(QString::number(bar->maximum())));
    const QModelIndex second = w.lstRecords->model()->index(1, 0);
    QCOMPARE(second.data(Qt::ToolTipRole).toString(), widest);
}

QTEST_MAIN(tst_GuiFindInList)
#include "tst_gui_find_in_list.moc"
