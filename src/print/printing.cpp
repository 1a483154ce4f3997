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
#include <QLayout>
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

// The row of `layout`, or of a layout in it, that holds `widget`.
QLayout *rowOf(QLayout *layout, QWidget *widget)
{
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout *inner = layout->itemAt(i)->layout()) {
            if (QLayout *row = rowOf(inner, widget))
                return row;
        }
    }
    return nullptr;
}

// The listing prints whole, or the selection: there are no pages to choose.
// Qt's dialog offers "Pages from" whatever its options say wherever the print
// system could pick pages itself, so those controls are turned off each time
// the dialog has set itself up to show: found by the names Qt gives them,
// and the row "Pages from ... to ..." by its "from" box.
class ListingPrintDialog : public QPrintDialog
{
public:
    using QPrintDialog::QPrintDialog;
    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        if (!visible)
            return;
        const auto off = [](QWidget *control) {
            control->setEnabled(false);
            control->hide();
        };
        auto *from = findChild<QWidget *>(QStringLiteral("from"));
        QLayout *group = from && from->parentWidget() ? from->parentWidget()->layout() : nullptr;
        if (QLayout *row = group ? rowOf(group, from) : nullptr; row && row != group) {
            for (int i = 0; i < row->count(); ++i) {
                if (QWidget *control = row->itemAt(i)->widget())
                    off(control);
            }
        }
        for (const char *name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit",
                                 "printCurrentPage"}) {
            if (auto *control = findChild<QWidget *>(QLatin1String(name)))
                off(control);
        }
    }
};

} // namespace

void frmExplore::mnuPrintWindow_Click()
{
    PrintFolderContents();
}

void frmExplore::PrintFolderContents()
{
    const QString folder = CcXploreTreeView1->CurrentFolder();
    StatusBar1->setSimpleText(tr("Printing Contents of %1").arg(folder));

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
        windows_.get<Form1>(QString::fromLatin1(Form1::Name))
            .loadListing(listed.text, listed.markedLines);
    }

    if (PrintListing())
        invalidArgument = true;
    if (invalidArgument)
        services_.messages->error(window(), tr("Can not print this window"));
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
        ListingPrintDialog dialog(printer, window());
        dialog.setWindowTitle(tr("Print"));
        // No page range; the selection stays offered, and is chosen when the
        // box has one.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintSelection |
                          QAbstractPrintDialog::PrintShowPageSize |
                          QAbstractPrintDialog::PrintCollateCopies);
        const bool selection = box->textCursor().hasSelection();
        printer->setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
        printer->setPageRanges({});
        dialog.setPrintRange(selection ? QAbstractPrintDialog::Selection
                                       : QAbstractPrintDialog::AllPages);
        if (dialog.exec() == QDialog::Accepted) {
            const WaitCursor busy;
            // Whatever range the printer came back with, all of it prints.
            const bool selectionOnly = printer->printRange() == QPrinter::Selection;
            printer->setPrintRange(selectionOnly ? QPrinter::Selection : QPrinter::AllPages);
            printer->setPageRanges({});
            failed = !staging.print(printer, selectionOnly);
        }
    }
    if (StatusBar1.get())
        StatusBar1->setSimpleText(QStringLiteral(" "));
    return failed;
}

} // namespace tarnwick
