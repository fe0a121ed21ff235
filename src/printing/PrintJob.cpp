#include "printing/PrintJob.h"

#include "report/ReportPainter.h"

Platform::PrintJob printJob(const Report::PreparedReport& report, const QString& documentName)
{
    Platform::PrintJob job;
    job.documentName = documentName;
    job.layout = report.pageLayout();
    job.pageCount = static_cast<int>(report.pages.size());
    job.paint = [&report](QPagedPaintDevice& device, int fromPage, int toPage) {
        Report::paint(report, device, fromPage, toPage);
    };
    return job;
}
