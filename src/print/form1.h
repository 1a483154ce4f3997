#pragma once

#include "formobject.h"
#include "twips.h"

#include <QTextEdit>

class QPrinter;

namespace tarnwick {

// The staging form: never shown, it holds the rich-text box a listing is
// loaded into before it is printed. Created on first use, kept to the end.
class Form1 : public FormObject
{
    Q_OBJECT
public:
    static constexpr const char *Name = "Form1";
    // The box's font: fixed pitch, so the columns line up on paper.
    static constexpr const char *FontFamily = "Courier New";
    static constexpr qreal FontPoints = 9.75;

    Form1();
    ~Form1() override;

    // The box, its form built if need be.
    QTextEdit *box();

    // Loads `text` as the box's whole content in its own font. The marker
    // that begins each of `markedLines` (counted from 0, ascending) becomes
    // its glyph: ";;;" the folder glyph ("1" in "wingdings"), "|||" the
    // system-folder glyph ("q" in "webdings"). The same characters anywhere
    // else, such as in a name, stay as they are. Leaves no selection.
    void loadListing(const QString &text, const QList<int> &markedLines = {});

    // Prints the selection when the printer asks for it and there is one,
    // else the whole content, each character in its own font. False when the
    // printer could not be started.
    bool print(QPrinter *printer, bool selectionOnly);

    Control<QTextEdit> rtfPrintWindow;

protected:
    QWidget *build() override;
    void released() override;

private:
    TwipsScale scale_;
};

// Makes the symbol fonts of the listing available: the program's own symbol
// font stands in for "wingdings" and "webdings". Idempotent.
void installSymbolFonts();

} // namespace tarnwick
