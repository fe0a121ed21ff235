// Writes the user guide Guida.pdf from the help topics, so the guide and the help
// windows always say the same. Run by the build: corvanta_guide_pdf <output file>
#include "help/HelpTopics.h"
#include "widgets/Colours.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

namespace {

void addTopic(QTextCursor& cursor, const HelpTopic& topic)
{
    QTextBlockFormat heading;
    heading.setTopMargin(18);
    heading.setBottomMargin(8);
    QTextCharFormat headingText;
    headingText.setFontPointSize(16);
    headingText.setFontWeight(QFont::Bold);
    headingText.setForeground(Colours::Crimson);
    cursor.insertBlock(heading, headingText);
    cursor.insertText(topic.title);

    QTextBlockFormat paragraph;
    paragraph.setBottomMargin(8);
    paragraph.setAlignment(Qt::AlignJustify);
    QTextCharFormat body;
    body.setFontPointSize(11);
    for (const QString& text : topic.text.split(QStringLiteral("\r\n\r\n"))) {
        cursor.insertBlock(paragraph, body);
        cursor.insertText(text);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // No display is needed to lay out text.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: corvanta_guide_pdf <Guida.pdf>" << Qt::endl;
        return 2;
    }

    QTextDocument guide;
    guide.setDefaultFont(QFont(QStringLiteral("Verdana"), 11));
    QTextCursor cursor(&guide);
    QTextCharFormat title;
    title.setFontPointSize(24);
    title.setFontWeight(QFont::Bold);
    title.setForeground(QColor(0x2C, 0x5A, 0x85));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setBottomMargin(12);
    cursor.setBlockFormat(centred);
    cursor.setBlockCharFormat(title);
    cursor.insertText(QStringLiteral("Corvanta - Guida all'utilizzo del software"));

    // The launcher's topic holds the card's and the deadline menu's; the export's and the import's follow.
    addTopic(cursor, HelpTopics::launcher());
    addTopic(cursor, HelpTopics::exportWindow());
    addTopic(cursor, HelpTopics::importWindow());

    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setTitle(QStringLiteral("Corvanta - Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Corvanta"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    guide.print(&writer);
    return 0;
}
