#include "form1.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

// Outside any namespace: the resource's initialiser is declared where this
// stands.
static void initSymbolFontResource()
{
    Q_INIT_RESOURCE(symbolfonts);
}

namespace tarnwick {

namespace {

const QString SymbolFamily = QStringLiteral("Tarnwick Symbols");

struct Glyph
{
    QLatin1StringView marker;
    QChar character;
    const char *family;
};
// In the order the markers are replaced.
const Glyph Glyphs[] = {
    {QLatin1StringView(";;;"), QLatin1Char('1'), "wingdings"},
    {QLatin1StringView("|||"), QLatin1Char('q'), "webdings"},
};

} // namespace

void installSymbolFonts()
{
    static const bool installed = [] {
        initSymbolFontResource();
        if (QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tarnwick-symbols.ttf")) < 0)
            qWarning("the symbol font could not be loaded: folders print as plain letters");
        for (const Glyph &g : Glyphs)
            QFont::insertSubstitution(QString::fromLatin1(g.family), SymbolFamily);
        return true;
    }();
    Q_UNUSED(installed);
}

Form1::Form1() : FormObject(QString::fromLatin1(Name)), rtfPrintWindow(&scale_) {}

Form1::~Form1()
{
    unload();
}

QWidget *Form1::build()
{
    installSymbolFonts();
    auto *form = new QWidget;
    form->setWindowTitle(QStringLiteral("Form1"));
    scale_ = TwipsScale::forWidget(form);
    auto *box = new QTextEdit(form);
    box->setAccessibleName(tr("Print staging"));
    QFont font(QString::fromLatin1(FontFamily));
    font.setPointSizeF(FontPoints);
    font.setStyleHint(QFont::TypeWriter);
    box->document()->setDefaultFont(font);
    rtfPrintWindow.attach(box, {0, 0, 4800, 3600});
    return form;
}

void Form1::released()
{
    rtfPrintWindow.detach();
}

QTextEdit *Form1::box()
{
    load();
    return rtfPrintWindow.get();
}

void Form1::loadListing(const QString &text)
{
    QTextEdit *edit = box();
    QTextDocument *doc = edit->document();
    // The listing is never edited: no undo history for it, which would
    // double what a large listing costs.
    doc->setUndoRedoEnabled(false);
    doc->clear();

    QTextCharFormat plain;
    plain.setFont(doc->defaultFont());
    QTextCharFormat symbols[std::size(Glyphs)];
    for (size_t g = 0; g < std::size(Glyphs); ++g) {
        symbols[g] = plain;
        symbols[g].setFontFamilies({QString::fromLatin1(Glyphs[g].family)});
    }

    // Replacing a marker cannot make or break another one (the glyphs are
    // neither ';' nor '|'), so one pass from the start finds exactly what
    // searching again from the start after each replacement would.
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    qsizetype done = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i + 3 <= size;) {
        const QChar c = text[i];
        size_t g = std::size(Glyphs);
        if (c == QLatin1Char(';') || c == QLatin1Char('|')) {
            for (size_t k = 0; k < std::size(Glyphs); ++k) {
                if (QStringView(text).sliced(i, 3) == Glyphs[k].marker)
                    g = k;
            }
        }
        if (g == std::size(Glyphs)) {
            ++i;
            continue;
        }
        if (i > done)
            cursor.insertText(text.sliced(done, i - done), plain);
        cursor.insertText(QString(Glyphs[g].character), symbols[g]);
        i += 3;
        done = i;
    }
    if (done < size)
        cursor.insertText(text.sliced(done), plain);
    cursor.endEditBlock();
    edit->setTextCursor(cursor);
}

bool Form1::print(QPrinter *printer, bool selectionOnly)
{
    QTextEdit *edit = box();
    const QTextCursor selected = edit->textCursor();
    std::unique_ptr<QTextDocument> copy;
    if (selectionOnly && selected.hasSelection()) {
        copy = std::make_unique<QTextDocument>();
        copy->setDefaultFont(edit->document()->defaultFont());
        QTextCursor(copy.get()).insertFragment(selected.selection());
    } else {
        copy.reset(edit->document()->clone());
    }

    QPainter painter;
    if (!painter.begin(printer))
        return false;
    // Laid out for the printer itself, a page at a time down the document.
    QAbstractTextDocumentLayout *layout = copy->documentLayout();
    layout->setPaintDevice(printer);
    // The painter's origin is the top left of the printable area.
    const QRectF page(QPointF(0, 0),
                      printer->pageLayout().paintRectPixels(printer->resolution()).size());
    copy->setDocumentMargin(0);
    copy->setPageSize(page.size());
    const int pages = copy->pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !printer->newPage())
            return false;
        painter.save();
        const QRectF view(0, p * page.height(), page.width(), page.height());
        painter.translate(0, -view.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace tarnwick
