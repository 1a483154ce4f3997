// Print of a big folder: the time from the click to the printer dialog, as a
// ratio to a plain C program writing the same lines with stdio (a stat and
// an fprintf per item) in the same run. Then the time to print the listing to
// a PDF file. Run by hand or with `make bench`, never in CI.
#include "benchsupport.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "form1.h"
#include "harness.h"
#include "panels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

// The baseline: enumerate, stat, and write each line with fprintf.
double stdioSeconds(const QByteArray &folder, const char *out)
{
    QElapsedTimer t;
    t.start();
    FILE *f = fopen(out, "w");
    DIR *d = opendir(folder.constData());
    fprintf(f, "Contents of '%s'\r\n \r\n", folder.constData());
    char when[64];
    while (dirent *e = readdir(d)) {
        struct stat st;
        if (fstatat(dirfd(d), e->d_name, &st, 0) != 0)
            continue;
        struct tm tm;
        localtime_r(&st.st_mtim.tv_sec, &tm);
        strftime(when, sizeof when, "%x %X", &tm);
        fprintf(f, "%s%-30.30s%lldkb%s\r\n", S_ISDIR(st.st_mode) ? ";;;" : "", e->d_name,
                (long long)((st.st_size + 1023) / 1024), when);
    }
    closedir(d);
    fclose(f);
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    test::IsolatedHome home;
    QApplication app(argc, argv);
    const QByteArray base =
        argc > 1 ? QByteArray(argv[1]) : QByteArray("/tmp/tarnwick-bench-print");
    mkdir(base.constData(), 0755);
    chdir(base.constData());

    for (const int items : {10000, 100000}) {
        const QByteArray folder = base + "/items-" + QByteArray::number(items);
        bench::makeMixedFolder(folder, items, "folder ", "file number ", ".txt");

        test::ExploreHarness h;
        frmExplore &f = h.open();
        f.CcXploreTreeView1->setCurrentFolder(QString::fromLocal8Bit(folder));
        test::waitListed(f.CcXploreListView1.get());

        // Warm both sides once, then take the best of three.
        double ours = 1e9, plain = 1e9, pdf = 0;
        for (int round = 0; round < 4; ++round) {
            plain = std::min(plain, round ? stdioSeconds(folder, "stdio.txt") : 1e9);
            QElapsedTimer t;
            double toDialog = 0;
            const bool printing = round == 3;
            QTimer::singleShot(0, [&] {
                toDialog = double(t.nsecsElapsed()) / 1e9;
                auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                if (!printing) {
                    dialog->reject();
                    return;
                }
                t.restart();
                dialog->accept();
            });
            if (printing) {
                // Chosen before the dialog opens, which shows and keeps it.
                f.dlgCommonDialog = std::make_unique<QPrinter>(QPrinter::HighResolution);
                f.dlgCommonDialog->setOutputFileName(QString::fromLocal8Bit(base) + "/listing.pdf");
            }
            t.start();
            f.PrintFolderContents();
            if (printing)
                pdf = double(t.nsecsElapsed()) / 1e9;
            if (round)
                ours = std::min(ours, toDialog);
        }
        printf("%7d items: click to printer dialog %.3f s, stdio lines %.3f s, ratio %.2f; "
               "printing it to a PDF of %.1f MB %.1f s\n",
               items, ours, plain, ours / plain,
               double(QFileInfo(QString::fromLocal8Bit(base) + "/listing.pdf").size()) / 1e6, pdf);
    }
    return 0;
}
