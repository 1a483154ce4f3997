#pragma once

class QPrinter;
class QTextDocument;

namespace tarnwick {

// Prints the characters [from, to) of `document` on `printer`, filling page
// after page as the printer's page takes them, each character in its own
// font. The text is laid out a piece at a time, so that a listing of any
// length prints whole. False when the printer could not be started or a page
// could not be begun or laid out.
bool printPaged(const QTextDocument &document, int from, int to, QPrinter *printer);

} // namespace tarnwick
