#include "printing/PrintJob.h"

#include "report/ReportPainter.h"

Platform::PrintJob printJob(const Report::PreparedReport& report)
{
    Platform::PrintJob job;
    job.layout = report.pageLayout();
    job.pageCount = static_cast<int>(report.pages.size());
    job.paint = [&report](QPagedPaintDevice& device, int fromPage, int toPage) {
        Report::paint(report, device, fromPage, toPage);
    };
    return job;
}
