// Print of a big folder: the time from the click to the printer dialog, as a
// ratio to a plain C program writing the same lines with stdio (a stat and
// an fprintf per item) in the same run. Then the time to print the listing to
// a PDF file. Last, the whole print of 200,000 entries to a PDF file, its
// time and its memory against the listing's lines drawn one by one with
// QPainter on the same printer in the same run. Run by hand or with `make
// bench`, never in CI.
#include "benchsupport.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "form1.h"
#include "harness.h"
#include "panels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
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

// The baseline for the whole print: each line of the listing file drawn
// with QPainter::drawText in the listing's font, a new page whenever the
// next line would not fit. The least a print of those lines can do.
double drawTextSeconds(const QByteArray &file, const QString &pdf)
{
    QElapsedTimer t;
    t.start();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setOutputFileName(pdf);
    QPainter painter(&printer);
    QFont font(QString::fromLatin1(Form1::FontFamily));
    font.setPointSizeF(Form1::FontPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const qreal pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    qreal y = 0;
    for (const QByteArray &line : file.split('\n')) {
        if (y + metrics.height() > pageHeight) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), QString::fromLocal8Bit(line.trimmed()));
        y += metrics.lineSpacing();
    }
    painter.end();
    return double(t.nsecsElapsed()) / 1e9;
}

// The page count pdfinfo reads, or 0 without it.
int pdfPages(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(120000))
        return 0;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.readAllStandardOutput());
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// File > Print of 200,000 entries to a PDF file, from the click to the last
// page, with the printer dialog accepted at once; then the baseline.
void wholePrint(const QByteArray &base)
{
    const int items = 200000;
    const QByteArray folder = base + "/items-" + QByteArray::number(items);
    bench::makeMixedFolder(folder, items, "folder ", "file number ", ".txt");
    test::ExploreHarness h;
    frmExplore &f = h.open();
    f.CcXploreTreeView1->setCurrentFolder(QString::fromLocal8Bit(folder));
    test::waitListed(f.CcXploreListView1.get());

    const QString ours = QString::fromLocal8Bit(base) + "/listing-200000.pdf";
    const QString plain = QString::fromLocal8Bit(base) + "/drawtext-200000.pdf";
    f.dlgCommonDialog = std::make_unique<QPrinter>(QPrinter::HighResolution);
    f.dlgCommonDialog->setOutputFileName(ours);
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    bench::resetPeakMiB();
    const double before = bench::residentMiB();
    QElapsedTimer t;
    t.start();
    f.PrintFolderContents();
    const double oursSeconds = double(t.nsecsElapsed()) / 1e9;
    const double oursPeak = bench::phasePeakMiB() - before;
    const bool failed = !h.messages.errors.isEmpty();

    QFile listing(QStringLiteral("XTemp.txt"));
    if (!listing.open(QIODevice::ReadOnly))
        return;
    const QByteArray lines = listing.readAll();
    bench::resetPeakMiB();
    const double beforePlain = bench::residentMiB();
    const double plainSeconds = drawTextSeconds(lines, plain);
    const double plainPeak = bench::phasePeakMiB() - beforePlain;

    printf("%7d items, %lld lines: File > Print to a PDF of %d pages (%.1f MB) in %.1f s%s, "
           "memory +%.0f MiB over the window's %.0f MiB; drawText line by line %d pages in %.1f s, "
           "memory +%.0f MiB; ratio %.2f\n",
           items, (long long)lines.count('\n'), pdfPages(ours),
           double(QFileInfo(ours).size()) / 1e6, oursSeconds, failed ? " (REPORTED A FAILURE)" : "",
           oursPeak, before, pdfPages(plain), plainSeconds, plainPeak, oursSeconds / plainSeconds);
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
    wholePrint(base);
    return 0;
}
