// corvanta_bench [group...]: prints one line per figure; without arguments every group runs.
#include "bench_analysis.h"
#include "bench_archive.h"
#include "bench_backups.h"
#include "bench_dashboard.h"
#include "bench_export.h"
#include "bench_history.h"
#include "bench_import.h"
#include "bench_photos.h"
#include "bench_report.h"
#include "bench_workbook.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <functional>

int main(int argc, char* argv[])
{
    // Fonts for the reports and the windows; no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const struct {
        const char* name;
        std::function<int()> run;
    } groups[] = {
        // The workbook and the register first: their peak memory is read before the other groups'.
        {"workbook", benchWorkbook},
        {"dashboard", benchDashboard},
        {"archive", benchArchive},
        {"reports", benchReports},
        {"photos", [] { return benchPhotos(), 0; }},
        {"export", benchExport},
        {"backups", benchBackups},
        {"import", benchImport},
        {"analysis", benchAnalysis},
        {"history", benchHistory},
    };
    int failures = 0;
    for (const auto& group : groups) {
        bool chosen = argc == 1;
        for (int i = 1; i < argc; ++i)
            chosen = chosen || std::strcmp(argv[i], group.name) == 0;
        if (chosen)
            failures += group.run() != 0;
    }
    if (failures)
        std::fprintf(stderr, "%d group(s) could not be measured\n", failures);
    return failures == 0 ? 0 : 1;
}
