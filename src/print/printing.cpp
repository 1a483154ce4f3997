// Print: a plain-text listing of the tree's folder, staged in a rich-text box
// with folder glyphs, then sent to the printer the user picks.
#include "contentslisting.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "form1.h"
#include "frmexplore.h"
#include "usermessages.h"
#include "windowregistry.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace tarnwick {

namespace {

// The listing file's name, in the working folder; other tools read it there.
constexpr char ListingFile[] = "XTemp.txt";

// Shows the wait cursor for as long as it lives.
struct WaitCursor
{
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

void frmExplore::mnuPrintWindow_Click()
{
    PrintFolderContents();
}

void frmExplore::PrintFolderContents()
{
    const QString folder = CcXploreTreeView1->CurrentFolder();
    StatusBar1->setSimpleText(QStringLiteral("Printing Contents of ") + folder);

    bool invalidArgument = false;
    {
        const WaitCursor busy;
        ExplorerListView *list = CcXploreListView1.get();
        const int count = list->ItemCount();
        QList<QString> paths;
        paths.reserve(count);
        for (int i = 0; i < count; ++i)
            paths << list->ItemPath(i);

        const listing::Result listed = listing::build(folder, paths);
        invalidArgument = listed.cutFailed;
        // Nothing is said when the file cannot be written: the listing is
        // printed from the staging box all the same.
        if (const int error = listing::replaceFile({}, ListingFile, listed.file))
            qWarning("%s could not be written: %s", ListingFile, strerror(error));
        windows_.get<Form1>(QString::fromLatin1(Form1::Name)).loadListing(listed.text);
    }

    if (PrintListing())
        invalidArgument = true;
    if (invalidArgument)
        services_.messages->error(window(), QStringLiteral("Can not print this window"));
}

bool frmExplore::PrintListing()
{
    Form1 &staging = windows_.get<Form1>(QString::fromLatin1(Form1::Name));
    QTextEdit *box = staging.box();
    if (!dlgCommonDialog) {
        dlgCommonDialog = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The margins a printed document usually has; the dialog's page
        // set-up changes them.
        dlgCommonDialog->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    }
    QPrinter *printer = dlgCommonDialog.get();

    bool failed = false;
    {
        QPrintDialog dialog(printer, window());
        dialog.setWindowTitle(QStringLiteral("Print"));
        // No page range; the selection stays offered, and is chosen when the
        // box has one.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintSelection |
                          QAbstractPrintDialog::PrintShowPageSize |
                          QAbstractPrintDialog::PrintCollateCopies);
        const bool selection = box->textCursor().hasSelection();
        printer->setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
        dialog.setPrintRange(selection ? QAbstractPrintDialog::Selection
                                       : QAbstractPrintDialog::AllPages);
        if (dialog.exec() == QDialog::Accepted) {
            const WaitCursor busy;
            failed = !staging.print(printer, printer->printRange() == QPrinter::Selection);
        }
    }
    if (StatusBar1.get())
        StatusBar1->setSimpleText(QStringLiteral(" "));
    return failed;
}

} // namespace tarnwick
