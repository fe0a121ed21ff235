#pragma once

#include "platform/Platform.h"
#include "report/PreparedReport.h"

// The print dialog's and the preview's view of a prepared report. The job refers to
// report, which must outlive it.
Platform::PrintJob printJob(const Report::PreparedReport& report, const QString& documentName);
