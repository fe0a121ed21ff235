#pragma once

#include <QString>

// One step of the slideshow, decided from the counter and the archive's record count.
struct SlideshowStep {
    enum class Kind {
        EmptyArchive, // tell the user, and end the slideshow
        Show,         // walk to the record at index and show its position's photo
        Wrap,         // the last position stays one step more
    };
    Kind kind = Kind::EmptyArchive;
    int index = 0;   // 0-based, for Show
    QString counter; // the counter's text after the step

    bool operator==(const SlideshowStep& other) const
    {
        return kind == other.kind && index == other.index && counter == other.counter;
    }
};

// counter is the text of the slideshow's position counter: blank before the first step,
// "0" after the last position has been passed.
SlideshowStep slideshowStep(const QString& counter, int count);
