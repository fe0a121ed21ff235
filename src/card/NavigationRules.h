#pragma once

#include <QString>

// The card's paging commands.
enum class NavigationCommand { First, Previous, Next, Last };

// What a paging command does, once the archive's record count is known.
struct NavigationStep {
    enum class Kind {
        Nothing,      // the card stays as it is
        Show,         // show the record at index
        EmptyArchive, // tell the user the archive holds no card
    };
    Kind kind = Kind::Nothing;
    int index = 0;                // 0-based, for Show
    bool forgetsPosition = false; // the card becomes a new card before anything else

    bool operator==(const NavigationStep& other) const
    {
        return kind == other.kind && index == other.index && forgetsPosition == other.forgetsPosition;
    }
};

// position is the trimmed text of the card's position label, empty for a new card;
// count is the number of records in the archive.
NavigationStep navigationStep(NavigationCommand command, const QString& position, int count);
