#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// "Trova" in a list of lines: finds a line that holds the text as a contiguous part,
// folding only A to Z. The same text again continues after the selected line and wraps
// around; a new text starts from the top. One finder lives as long as its window.
class ListFinder {
public:
    enum class Outcome {
        EmptyList, // nothing to search: the window shows its plain message
        Found,     // select the line (and bring it into view)
        NotFound,  // the selection stays where it is (first line when there was none)
    };

    struct Result {
        Outcome outcome;
        int selected; // the line to select afterwards; -1 only for an empty list
    };

    // selected is the selected line, or -1 when none is.
    Result findNext(const QStringList& lines, int selected, QStringView text);

    // As when the window opens: the next text counts as new.
    void forget() { m_lastText.clear(); }

private:
    QString m_lastText;
};
