#include "form1.h"

#include "pagedprint.h"

#include <QFontDatabase>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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

void Form1::loadListing(const QString &text, const QList<int> &markedLines)
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

    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    qsizetype done = 0; // the text before this is in the box
    qsizetype lineStart = 0;
    int line = 0;
    for (const int marked : markedLines) {
        while (line < marked && lineStart >= 0) {
            lineStart = text.indexOf(QLatin1Char('\n'), lineStart);
            if (lineStart >= 0)
                ++lineStart;
            ++line;
        }
        if (lineStart < 0)
            break;
        const QStringView start = QStringView(text).sliced(lineStart).left(3);
        const auto glyph = std::find_if(std::begin(Glyphs), std::end(Glyphs),
                                        [&](const Glyph &g) { return start == g.marker; });
        if (glyph == std::end(Glyphs))
            continue;
        if (lineStart > done)
            cursor.insertText(text.sliced(done, lineStart - done), plain);
        cursor.insertText(QString(glyph->character), symbols[glyph - std::begin(Glyphs)]);
        done = lineStart + 3;
    }
    if (done < text.size())
        cursor.insertText(text.sliced(done), plain);
    cursor.endEditBlock();
    edit->setTextCursor(cursor);
}

bool Form1::print(QPrinter *printer, bool selectionOnly)
{
    QTextEdit *edit = box();
    const QTextDocument *doc = edit->document();
    const QTextCursor selected = edit->textCursor();
    if (selectionOnly && selected.hasSelection())
        return printPaged(*doc, selected.selectionStart(), selected.selectionEnd(), printer);
    return printPaged(*doc, 0, doc->characterCount() - 1, printer);
}

} // namespace tarnwick
