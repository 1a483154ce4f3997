#include "pagedprint.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <cmath>

namespace tarnwick {

namespace {

// A text layout counts in 64ths of a device pixel in 32 bits, so one
// document ends at 2^25 pixels: at a printer's 1200 dpi some 2,700 pages,
// about 180,000 lines of a listing. Past that its height wraps round and the
// whole of it prints as one blank page. A piece of this many blocks stays
// far below it.
constexpr int PieceBlocks = 2000;
constexpr qreal LayoutLimit = qreal(1 << 25);

// Draws the part of `layout` from `top` to `bottom` on the current page.
void drawPage(QPainter &painter, QAbstractTextDocumentLayout *layout, qreal top, qreal bottom,
              qreal width)
{
    painter.save();
    painter.translate(0, -top);
    painter.setClipRect(QRectF(0, top, width, bottom - top));
    QAbstractTextDocumentLayout::PaintContext context;
    // Half a pixel in at each edge: a line that only touches the page's edge
    // belongs to the next page or the last one, and is drawn there alone.
    context.clip = QRectF(0, top + 0.5, width, bottom - top - 1);
    context.palette.setColor(QPalette::Text, Qt::black);
    layout->draw(&painter, context);
    painter.restore();
}

} // namespace

bool printPaged(const QTextDocument &document, int from, int to, QPrinter *printer)
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    // The painter's origin is the top left of the printable area.
    const QSizeF page = printer->pageLayout().paintRectPixels(printer->resolution()).size();
    bool firstPage = true;
    for (int at = from; at < to;) {
        const QTextBlock beyond =
            document.findBlockByNumber(document.findBlock(at).blockNumber() + PieceBlocks);
        const int end = beyond.isValid() ? std::min(beyond.position(), to) : to;

        QTextDocument piece;
        piece.setDefaultFont(document.defaultFont());
        piece.setDefaultTextOption(document.defaultTextOption());
        piece.setDocumentMargin(0);
        piece.setPageSize(page);
        // Laid out for the printer itself, not the screen.
        QAbstractTextDocumentLayout *layout = piece.documentLayout();
        layout->setPaintDevice(printer);
        QTextCursor range(document.begin());
        range.setPosition(at);
        range.setPosition(end, QTextCursor::KeepAnchor);
        QTextCursor(&piece).insertFragment(range.selection());

        const int pages = piece.pageCount();
        if (pages < 1 || piece.size().height() >= LayoutLimit)
            return false;
        // All of the last piece prints. Before it, the last page may be part
        // full: from the block that reaches onto it, the text goes on with
        // the next piece, on a new page; the page where that block begins is
        // cut off above it.
        int printed = pages;
        qreal bottom = pages * page.height();
        int next = end;
        if (end < to) {
            const qreal lastTop = (pages - 1) * page.height();
            QTextBlock block = piece.begin().next();
            while (block.isValid() && layout->blockBoundingRect(block).bottom() <= lastTop)
                block = block.next();
            if (block.isValid()) {
                bottom = layout->blockBoundingRect(block).top();
                // A block at the very top of a page leaves that page out.
                printed = int(std::ceil(bottom / page.height() - 1e-3));
                next = at + block.position();
            }
        }
        for (int p = 0; p < printed; ++p) {
            if (!firstPage && !printer->newPage())
                return false;
            firstPage = false;
            const qreal top = p * page.height();
            drawPage(painter, layout, top, std::min(top + page.height(), bottom), page.width());
        }
        at = next;
    }
    return painter.end();
}

} // namespace tarnwick
