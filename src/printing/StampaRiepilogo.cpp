#include "printing/StampaRiepilogo.h"

#include "platform/Platform.h"
#include "printing/PrintJob.h"
#include "printing/ReportTemplates.h"
#include "report/ReportErrors.h"

#include <new>

namespace {

QString failureMessage(const QString& reason)
{
    return QStringLiteral("Attenzione: la stampa del riepilogo non è andata a buon fine.\n\r\n\r") + reason;
}

} // namespace

void StampaRiepilogo(QWidget* caller, const QString& title, const QStringList& lines)
{
    // The command ends here: no failure of the engine may reach the event loop.
    try {
        // A fresh template for every printout, so nothing carries over from the last one.
        Report::ReportTemplate repRiepilogo = ReportTemplates::riepilogoDati();
        ReportTemplates::fillRiepilogo(repRiepilogo, title, lines);
        const Report::PreparedReport prepared = Report::prepare(repRiepilogo, Platform::instance().today());
        Platform::instance().print(caller, printJob(prepared, title));
    } catch (const Report::Error& error) {
        Messages::error(caller, failureMessage(error.message()));
    } catch (const std::bad_alloc&) {
        Messages::error(caller, failureMessage(QStringLiteral("Memoria insufficiente.")));
    } catch (const std::exception& error) {
        Messages::error(caller, failureMessage(QString::fromUtf8(error.what())));
    }
}
