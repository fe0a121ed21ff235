// The folders of src/ stand in one order, written once as the add_subdirectory list of
// src/CMakeLists.txt: a file includes only its own folder and the folders before its own.
// The README's folder table follows the same order. The core files, those compiled into
// corvanta_core, include no widget: neither a Qt Widgets header nor a window-side file.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
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

// The files of src/ compiled into corvanta_core, as "folder/File.h", from the
// target_sources(corvanta_core ...) lists of the folders' CMakeLists.txt.
QSet<QString> coreFiles()
{
    static const QRegularExpression coreSources(QStringLiteral("target_sources\\(\\s*corvanta_core\\b([^)]*)\\)"));
    static const QRegularExpression comment(QStringLiteral("#[^\n]*"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QStringList keywords{QStringLiteral("PRIVATE"), QStringLiteral("PUBLIC"), QStringLiteral("INTERFACE")};
    QSet<QString> files;
    for (const QString& folder : folderOrder()) {
        QString lists = readText(SourceDir + QStringLiteral("/src/%1/CMakeLists.txt").arg(folder));
        lists.remove(comment);
        for (const QString& block : captured(lists, coreSources)) {
            for (const QString& name : block.split(blanks, Qt::SkipEmptyParts)) {
                if (!keywords.contains(name))
                    files.insert(folder + QLatin1Char('/') + name);
            }
        }
    }
    return files;
}

// Whether a bracketed include names a header of Qt Widgets.
bool isQtWidgetsHeader(const QString& header)
{
    static const QString widgets = QLibraryInfo::path(QLibraryInfo::HeadersPath) + QStringLiteral("/QtWidgets/");
    if (header == QLatin1String("QtWidgets") || header.startsWith(QLatin1String("QtWidgets/")))
        return true;
    return header.startsWith(QLatin1Char('Q')) && QFileInfo::exists(widgets + header);
}

} // namespace

class TestIncludeOrder : public QObject {
    Q_OBJECT
private slots:
    void everyFolderIsInTheOrder();
    void includesGoDownOnly();
    void coreIncludesNoWidgets();
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

void TestIncludeOrder::coreIncludesNoWidgets()
{
    // Without Qt's own headers at hand no Qt Widgets header could be told apart.
    QVERIFY(isQtWidgetsHeader(QStringLiteral("QWidget")));
    QVERIFY(!isQtWidgetsHeader(QStringLiteral("QString")));
    const QSet<QString> core = coreFiles();
    QVERIFY(core.contains(QStringLiteral("archive/TSchedaVeicolo.h")));

    static const QRegularExpression project(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    static const QRegularExpression bracketed(QStringLiteral("^\\s*#\\s*include\\s+<([^>]+)>"),
                                              QRegularExpression::MultilineOption);
    QStringList widgets;
    for (const QString& file : core) {
        const QString text = readText(SourceDir + QStringLiteral("/src/") + file);
        for (const QString& header : captured(text, project)) {
            if (!core.contains(header))
                widgets << QStringLiteral("%1 includes \"%2\", which is not core").arg(file, header);
        }
        for (const QString& header : captured(text, bracketed)) {
            if (isQtWidgetsHeader(header))
                widgets << QStringLiteral("%1 includes <%2>").arg(file, header);
        }
    }
    widgets.sort();
    QVERIFY2(widgets.isEmpty(), qPrintable(widgets.join(QLatin1Char('\n'))));
}

void TestIncludeOrder::readmeTableFollowsTheOrder()
{
    static const QRegularExpression row(QStringLiteral("^\\| `src/(\\w+)/` \\|"), QRegularExpression::MultilineOption);
    QCOMPARE(captured(readText(SourceDir + QStringLiteral("/README.md")), row), folderOrder());
}

QTEST_GUILESS_MAIN(TestIncludeOrder)
#include "tst_include_order.moc"
