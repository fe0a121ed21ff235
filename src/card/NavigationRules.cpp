#include "card/NavigationRules.h"

namespace {

NavigationStep nothing()
{
    return {};
}

NavigationStep show(int index)
{
    return {NavigationStep::Kind::Show, index, false};
}

NavigationStep emptyArchive(bool forgetsPosition = false)
{
    return {NavigationStep::Kind::EmptyArchive, 0, forgetsPosition};
}

} // namespace

NavigationStep navigationStep(NavigationCommand command, const QString& position, int count)
{
    // A new card counts as standing before the first record.
    const int current = position.isEmpty() ? 0 : position.toInt();
    switch (command) {
    case NavigationCommand::First:
        return count == 0 ? emptyArchive() : show(0);
    case NavigationCommand::Last:
        return count == 0 ? emptyArchive() : show(count - 1);
    case NavigationCommand::Next:
        // Next on an empty archive also forgets a position the card may still show.
        if (count == 0)
            return emptyArchive(true);
        return current < count ? show(current) : nothing();
    case NavigationCommand::Previous:
        // The first record is recognised by its position alone, before the count.
        if (position == QLatin1String("1"))
            return nothing();
        if (count == 0)
            return emptyArchive();
        return position.isEmpty() ? show(0) : show(current - 2);
    }
    return nothing();
}
