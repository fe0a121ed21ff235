// First, previous, next and last: each opens the archive, decides which record to show,
// closes the archive and only then shows the record with its photo.
#include "card/TfrmAutoparco.h"

#include "archive/VehicleArchive.h"
#include "platform/Platform.h"

#include <QLabel>

#include <optional>

namespace {

// What a navigation command decided once it knew the record count.
struct Step {
    enum class Kind { Nothing, Show, EmptyArchive } kind = Kind::Nothing;
    int index = 0;

    static Step nothing() { return {}; }
    static Step show(int index) { return {Kind::Show, index}; }
    static Step emptyArchive() { return {Kind::EmptyArchive, 0}; }
};

} // namespace

template <typename Decide> void TfrmAutoparco::navigate(Decide decide)
{
    const QString current = position();
    // A new card counts as standing before the first record.
    const int k = current.isEmpty() ? 0 : current.toInt();

    std::optional<TSchedaVeicolo> record;
    Step step;
    try {
        VehicleArchive archive(Platform::instance().programFolder());
        step = decide(current, k, archive.count());
        if (step.kind == Step::Kind::Show)
            record = archive.readAt(step.index);
        archive.close();
    } catch (...) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    }

    if (record) {
        subMostraScheda(*record, step.index + 1);
    } else if (step.kind == Step::Kind::EmptyArchive) {
        Messages::information(this, ArchiveMessages::empty());
    }
}

void TfrmAutoparco::cmdPrimoClick()
{
    navigate([](const QString&, int, int n) { return n == 0 ? Step::emptyArchive() : Step::show(0); });
}

void TfrmAutoparco::cmdUltimoClick()
{
    navigate([](const QString&, int, int n) { return n == 0 ? Step::emptyArchive() : Step::show(n - 1); });
}

void TfrmAutoparco::cmdAvantiClick()
{
    navigate([this](const QString&, int k, int n) {
        if (n == 0) {
            lblPosizione->clear();
            return Step::emptyArchive();
        }
        return k < n ? Step::show(k) : Step::nothing();
    });
}

void TfrmAutoparco::cmdIndietroClick()
{
    navigate([](const QString& current, int k, int n) {
        if (current == QLatin1String("1"))
            return Step::nothing();
        if (n == 0)
            return Step::emptyArchive();
        return current.isEmpty() ? Step::show(0) : Step::show(k - 2);
    });
}
