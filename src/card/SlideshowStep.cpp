#include "card/SlideshowStep.h"

#include "archive/StoredText.h"

SlideshowStep slideshowStep(const QString& counter, int count)
{
    const QString trimmed = StoredText::trimmed(counter);
    const int current = trimmed.isEmpty() ? 0 : trimmed.toInt();
    if (count == 0)
        return {SlideshowStep::Kind::EmptyArchive, 0, QString()};
    if (current < count)
        return {SlideshowStep::Kind::Show, current, QString::number(current + 1)};
    return {SlideshowStep::Kind::Wrap, 0, QStringLiteral("0")};
}
