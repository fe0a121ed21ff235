// The folders of src/ stand in one order, written once as the add_subdirectory list of
// src/CMakeLists.txt: a file includes only its own folder and the folders before its own.
// The README's folder table follows the same order.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString SourceDir = QStringLiteral(CORVANTA_SOURCE_DIR);

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList captured(const QString& text, const QRegularExpression& pattern)
{
    QStringList found;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// The folder order, bottom first.
QStringList folderOrder()
{
    static const QRegularExpression subdirectory(QStringLiteral("^add_subdirectory\\((\\w+)\\)"),
                                                 QRegularExpression::MultilineOption);
    return captured(readText(SourceDir + QStringLiteral("/src/CMakeLists.txt")), subdirectory);
}

} // namespace

class TestIncludeOrder : public QObject {
    Q_OBJECT
private slots:
    void everyFolderIsInTheOrder();
    void includesGoDownOnly();
    void readmeTableFollowsTheOrder();
};

void TestIncludeOrder::everyFolderIsInTheOrder()
{
    const QStringList order = folderOrder();
    QVERIFY(order.size() > 1);
    const QStringList folders = QDir(SourceDir + QStringLiteral("/src")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& folder : folders)
        QVERIFY2(order.contains(folder), qPrintable(QStringLiteral("src/%1/ is not in the folder order").arg(folder)));
}

void TestIncludeOrder::includesGoDownOnly()
{
    const QStringList order = folderOrder();
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"(\\w+)/"),
                                            QRegularExpression::MultilineOption);
    const QString src = SourceDir + QStringLiteral("/src/");
    QStringList upward;
    QDirIterator it(src, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(src.size());
        const qsizetype slash = relative.indexOf(QLatin1Char('/'));
        // Files directly in src/ (main.cpp) stand above every folder.
        const qsizetype own = slash < 0 ? order.size() : order.indexOf(relative.left(slash));
        for (const QString& folder : captured(readText(path), include)) {
            const qsizetype included = order.indexOf(folder);
            if (included < 0 || included > own)
                upward << QStringLiteral("%1 includes %2/").arg(relative, folder);
        }
    }
    QVERIFY2(upward.isEmpty(), qPrintable(upward.join(QLatin1Char('\n'))));
}

void TestIncludeOrder::readmeTableFollowsTheOrder()
{
    static const QRegularExpression row(QStringLiteral("^\\| `src/(\\w+)/` \\|"), QRegularExpression::MultilineOption);
    QCOMPARE(captured(readText(SourceDir + QStringLiteral("/README.md")), row), folderOrder());
}

QTEST_GUILESS_MAIN(TestIncludeOrder)
#include "tst_include_order.moc"
