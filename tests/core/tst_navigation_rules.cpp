// The card's paging rules, without a window: which record each command shows.
#include "card/NavigationRules.h"

#include <QTest>

Q_DECLARE_METATYPE(NavigationCommand)
Q_DECLARE_METATYPE(NavigationStep)

namespace QTest {
template <> char* toString(const NavigationStep& step)
{
    const char* kinds[] = {"Nothing", "Show", "EmptyArchive"};
    const QByteArray text = QByteArray(kinds[static_cast<int>(step.kind)]) + " index " +
                            QByteArray::number(step.index) + (step.forgetsPosition ? " forgetting the position" : "");
    return qstrdup(text.constData());
}
} // namespace QTest

class tst_NavigationRules : public QObject {
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
};

void tst_NavigationRules::steps_data()
{
    QTest::addColumn<NavigationCommand>("command");
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<NavigationStep>("step");

    using C = NavigationCommand;
    using K = NavigationStep::Kind;
    const NavigationStep nothing{};
    const NavigationStep empty{K::EmptyArchive, 0, false};
    const auto show = [](int index) { return NavigationStep{K::Show, index, false}; };
    const struct {
        const char* name;
        NavigationCommand command;
        const char* position;
        int count;
        NavigationStep step;
    } rows[] = {
        {"first, empty archive", C::First, "", 0, empty},
        {"first from new", C::First, "", 3, show(0)},
        {"first from 3", C::First, "3", 3, show(0)},
        {"last, empty archive", C::Last, "2", 0, empty},
        {"last from new", C::Last, "", 3, show(2)},
        {"last from 1", C::Last, "1", 3, show(2)},
        {"next, empty archive, forgets the position", C::Next, "1", 0, {K::EmptyArchive, 0, true}},
        {"next from new", C::Next, "", 3, show(0)},
        {"next from 2", C::Next, "2", 3, show(2)},
        {"next from last", C::Next, "3", 3, nothing},
        {"next beyond the end", C::Next, "5", 3, nothing},
        {"previous from 1, before the count", C::Previous, "1", 0, nothing},
        {"previous, empty archive", C::Previous, "2", 0, empty},
        {"previous, empty archive, new card", C::Previous, "", 0, empty},
        {"previous from new", C::Previous, "", 3, show(0)},
        {"previous from 3", C::Previous, "3", 3, show(1)},
        {"previous from 2", C::Previous, "2", 3, show(0)},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.command << QString::fromLatin1(row.position) << row.count << row.step;
}

void tst_NavigationRules::steps()
{
    QFETCH(NavigationCommand, command);
    QFETCH(QString, position);
    QFETCH(int, count);
    QFETCH(NavigationStep, step);

    QCOMPARE(navigationStep(command, position, count), step);
}

QTEST_GUILESS_MAIN(tst_NavigationRules)
#include "tst_navigation_rules.moc"
