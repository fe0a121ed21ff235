// How the card's edit boxes behave: the highlight, the Enter ring, the number plate, the
// date boxes and the date picker; and the rectangle highlight on a small window of its own.
#include "CardFixture.h"

#include "card/TfrmCalendario.h"
#include "widgets/FocusHighlight.h"
#include "widgets/ShapeRect.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The ring as the clerk walks it, from txtTipo round to txtNote.
const char* const Ring[] = {
    "txtTipo",       "txtDestinazione", "txtMarca",         "txtModello",       "txtTarga",
    "txtAnno",       "txtColore",       "txtTelaio",        "txtPneumatici",    "txtStato",
    "txtChilometri", "txtLettura",      "txtAlimentazione", "txtCilindrata",    "txtKW",
    "txtAmbiente",   "txtPosti",        "txtPortata",       "txtCompagnia",     "txtTelAssicuratore",
    "txtPolizza",    "txtIncidenti",    "txtProprietario",  "txtAutista",       "txtTelAutista",
    "txtMeccanico",  "txtTelMeccanico", "txtScadRevisione", "txtScadTagliando", "txtScadAssicurazione",
    "txtScadBollo",  "txtNote",
};

// The boxes on the light panels, white when idle.
const QStringList OnLightPanels = {
    QStringLiteral("txtAutista"),           QStringLiteral("txtTelAutista"),    QStringLiteral("txtMeccanico"),
    QStringLiteral("txtTelMeccanico"),      QStringLiteral("txtScadRevisione"), QStringLiteral("txtScadTagliando"),
    QStringLiteral("txtScadAssicurazione"), QStringLiteral("txtScadBollo"),     QStringLiteral("txtNote"),
};

// The fill the user sees inside the box, clear of the border and the text.
QColor fillOf(QLineEdit* box)
{
    return box->grab().toImage().pixelColor(box->width() - 3, box->height() / 2);
}

QColor idleOf(const QString& name)
{
    return OnLightPanels.contains(name) ? QColor(Qt::white) : FocusHighlight::AliceBlue;
}

// Runs the picker opened by act: picks date (if valid) and presses the button named.
void pickWith(const std::function<void()>& act, const QDate& date, const char* button, QDate* shownAtStart = nullptr)
{
    Gui::whileModal([date, button, shownAtStart](QWidget* picker) {
        QVERIFY(picker);
        QCOMPARE(picker->objectName(), QStringLiteral("frmCalendario"));
        auto* calendar = picker->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"));
        if (shownAtStart)
            *shownAtStart = calendar->selectedDate();
        if (date.isValid())
            calendar->setSelectedDate(date);
        QTest::mouseClick(picker->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    });
    act();
}

} // namespace

class tst_GuiFields : public QObject {
    Q_OBJECT

private slots:
    void enterRingAndColours();
    void tabFollowsTheRing();
    void plate_data();
    void plate();
    void plateCursorStays();
    void dateBoxKeys_data();
    void dateBoxKeys();
    void pickerWritesTheTaggedBox_data();
    void pickerWritesTheTaggedBox();
    void pickerStartsAtToday();
    void pickerWithUnknownTagStaysOpen();
    void rectangleFollowsFocus();
};

void tst_GuiFields::enterRingAndColours()
{
    CardFixture f;
    QLineEdit* previous = nullptr;
    for (std::size_t i = 0; i <= std::size(Ring); ++i) {
        const QString name = QLatin1String(Ring[i % std::size(Ring)]);
        QLineEdit* current = f.box(Ring[i % std::size(Ring)]);
        QVERIFY2(current->hasFocus(), qPrintable(name));
        QCOMPARE(fillOf(current), FocusHighlight::Focused);
        if (previous)
            QCOMPARE(fillOf(previous), idleOf(previous->objectName()));
        const QString before = current->text();
        QTest::keyClick(current, Qt::Key_Return);
        // Enter only moves on: no picker, no change.
        QCOMPARE(current->text(), before);
        previous = current;
    }
    QVERIFY(f.takeMessages().isEmpty());
}

void tst_GuiFields::tabFollowsTheRing()
{
    CardFixture f;
    for (std::size_t i = 0; i + 1 < std::size(Ring); ++i) {
        QVERIFY2(f.box(Ring[i])->hasFocus(), Ring[i]);
        QTest::keyClick(f.box(Ring[i]), Qt::Key_Tab);
    }
    QVERIFY(f.box("txtNote")->hasFocus());
}

void tst_GuiFields::plate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("plate");

    const struct {
        const char *name, *typed, *plate;
    } rows[] = {
        {"lower case and a blank at the end", "ab 12", "AB12"},
        {"blank inside stays", "ab", "AB"},
        {"accented letters refused", "aèÈb", "AB"},
        {"refused symbols", "a&/<>£°b", "AB"},
        {"euro sign refused", "a€1", "A1"},
        {"other characters kept", "x-1.2_ä", "X-1.2_"},
        {"leading blank vanishes", " cd", "CD"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromUtf8(row.typed) << QString::fromUtf8(row.plate);
}

void tst_GuiFields::plate()
{
    QFETCH(QString, typed);
    QFETCH(QString, plate);

    CardFixture f;
    f.box("txtTarga")->setFocus();
    f.type("txtTarga", typed);
    QCOMPARE(f.box("txtTarga")->text(), plate);
}

void tst_GuiFields::plateCursorStays()
{
    CardFixture f;
    QLineEdit* plate = f.box("txtTarga");
    plate->setFocus();
    f.type("txtTarga", QStringLiteral("AB12"));
    plate->setCursorPosition(2);
    QTest::keyClicks(plate, QStringLiteral("x"));
    QCOMPARE(plate->text(), QStringLiteral("ABX12"));
    QCOMPARE(plate->cursorPosition(), 3);
    // A blank inside the plate can be typed between characters already there.
    QTest::keyClick(plate, Qt::Key_Space);
    QCOMPARE(plate->text(), QStringLiteral("ABX 12"));
    QCOMPARE(plate->cursorPosition(), 4);
}

void tst_GuiFields::dateBoxKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("opensPicker");
    QTest::addColumn<QString>("text");       // the box afterwards
    QTest::addColumn<QString>("focusedBox"); // afterwards

    const QString held = QStringLiteral("15/12/2026");
    QTest::newRow("delete empties") << int(Qt::Key_Delete) << 0 << false << QString() << "txtScadBollo";
    QTest::newRow("backspace empties") << int(Qt::Key_Backspace) << 0 << false << QString() << "txtScadBollo";
    QTest::newRow("enter moves on") << int(Qt::Key_Return) << 0 << false << held << "txtNote";
    QTest::newRow("tab moves on") << int(Qt::Key_Tab) << 0 << false << held << "txtNote";
    QTest::newRow("shift+tab moves back")
        << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << false << held << "txtScadAssicurazione";
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false << held << "txtScadBollo";
    QTest::newRow("control alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false << held
                                   << "txtScadBollo";
    QTest::newRow("alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier) << false << held << "txtScadBollo";
    QTest::newRow("a letter opens the picker") << int(Qt::Key_A) << 0 << true << held << "txtScadBollo";
    QTest::newRow("a digit opens the picker") << int(Qt::Key_5) << 0 << true << held << "txtScadBollo";
    QTest::newRow("F2 opens the picker") << int(Qt::Key_F2) << 0 << true << held << "txtScadBollo";
}

void tst_GuiFields::dateBoxKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, opensPicker);
    QFETCH(QString, text);
    QFETCH(QString, focusedBox);

    CardFixture f;
    QLineEdit* bollo = f.box("txtScadBollo");
    bollo->setText(QStringLiteral("15/12/2026"));
    bollo->setFocus();
    bool pickerShown = false;
    // A picker that opens is cancelled; one that does not leaves the callback unused.
    Gui::whileModal([&pickerShown](QWidget* modal) {
        pickerShown = modal && modal->objectName() == QLatin1String("frmCalendario");
    });
    QTest::keyClick(bollo, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::qWait(0);
    QCOMPARE(pickerShown, opensPicker);
    QCOMPARE(bollo->text(), text);
    QCOMPARE(f.card.focusWidget()->objectName(), focusedBox);
}

void tst_GuiFields::pickerWritesTheTaggedBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("text");

    const char* const boxes[] = {"txtLettura", "txtScadRevisione", "txtScadTagliando", "txtScadAssicurazione",
                                 "txtScadBollo"};
    for (const char* box : boxes)
        QTest::newRow(box) << QString::fromLatin1(box) << QByteArray("btnImportaData") << "31/12/2025";
    QTest::newRow("Annulla writes nothing") << "txtScadBollo" << QByteArray("btnAnnulla") << "01/01/2020";
}

void tst_GuiFields::pickerWritesTheTaggedBox()
{
    QFETCH(QString, box);
    QFETCH(QByteArray, button);
    QFETCH(QString, text);

    CardFixture f;
    for (const char* name : Ring) {
        if (f.box(name)->isReadOnly())
            f.box(name)->setText(QStringLiteral("01/01/2020"));
    }
    QLineEdit* target = f.box(box.toLatin1().constData());
    target->setFocus();
    pickWith([target] { QTest::keyClick(target, Qt::Key_X); }, QDate(2025, 12, 31), button.constData());
    QCOMPARE(target->text(), text);
    // Only the box that opened the picker changes.
    for (const char* name : Ring) {
        if (f.box(name)->isReadOnly() && QLatin1String(name) != box)
            QCOMPARE(f.box(name)->text(), QStringLiteral("01/01/2020"));
    }
}

void tst_GuiFields::pickerStartsAtToday()
{
    CardFixture f;
    QLineEdit* bollo = f.box("txtScadBollo");
    bollo->setText(QStringLiteral("01/01/2020"));
    bollo->setFocus();
    QDate shown;
    pickWith([bollo] { QTest::keyClick(bollo, Qt::Key_A); }, QDate(), "btnAnnulla", &shown);
    QCOMPARE(shown, f.platform.fixedToday);
}

void tst_GuiFields::pickerWithUnknownTagStaysOpen()
{
    CardFixture f;
    f.box("txtScadBollo")->setText(QStringLiteral("01/01/2020"));
    TfrmCalendario picker(&f.card);
    picker.setCard(&f.card);
    picker.setTag(QStringLiteral("autoparco_scadbollo "));
    picker.show();
    QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("btnImportaData")), Qt::LeftButton);
    QVERIFY(picker.isVisible());
    QCOMPARE(f.box("txtScadBollo")->text(), QStringLiteral("01/01/2020"));
}

void tst_GuiFields::rectangleFollowsFocus()
{
    QWidget window;
    auto* first = new QLineEdit(&window);
    first->setGeometry(20, 20, 200, 22);
    auto* second = new QLineEdit(&window);
    second->setGeometry(20, 60, 200, 22);
    ShapeRect* effFirst = FocusHighlight::rectangle(first, "effCampo01");
    ShapeRect* effSecond = FocusHighlight::rectangle(second, "effCampo02");
    // Invisible at start, a little larger than its box, behind it.
    QVERIFY(effFirst->isHidden() && effSecond->isHidden());
    QCOMPARE(effFirst->height(), 30);
    QVERIFY(effFirst->geometry().contains(first->geometry()));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    first->setFocus();
    QVERIFY(effFirst->isVisible());
    QVERIFY(effSecond->isHidden());
    QCOMPARE(window.childAt(first->geometry().center()), first);
    second->setFocus();
    QVERIFY(effFirst->isHidden());
    QVERIFY(effSecond->isVisible());
}

QTEST_MAIN(tst_GuiFields)
#include "tst_gui_fields.moc"
