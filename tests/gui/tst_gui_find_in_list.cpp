// "Trova" attached to a list window's box, button and list, on a small window of its own.
#include "FakePlatform.h"

#include "widgets/FindInList.h"
#include "widgets/LineList.h"

#include <QLineEdit>
#include <QPushButton>
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

QTEST_MAIN(tst_GuiFindInList)
#include "tst_gui_find_in_list.moc"
