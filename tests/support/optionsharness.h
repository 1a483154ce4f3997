#pragma once

#include "frmoptions.h"
#include "harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <optional>

namespace tarnwick::test {

// Key by key, as typed; characters beyond ASCII as a keyboard layout delivers
// them, by their text, and control characters pasted, as no key types them.
void typeText(QWidget *w, const QString &text);
void clickBox(QCheckBox *box);
// Picks a tab (0-based) with the mouse.
void clickTab(frmOptions &o, int index);

// The main window and the Options dialog over a settings file of their own,
// with the file read back as it lies on disk.
class OptionsHarness : public ExploreHarness
{
public:
    frmOptions &options();
    // Opens the dialog without waiting in it, as its load step leaves it.
    frmOptions &openOptions();

    // The stored text as the file holds it now, read by an INI reader that is
    // not the program's; nullopt when absent.
    std::optional<QString> onDisk(const QString &key);
    QByteArray fileBytes() const;
    // The file as a person editing it by hand would leave it.
    bool writeSettings(const QByteArray &body);

    // Outer pixels of the main window for a size in twips, as the screen
    // allows, and its outer size now.
    QSize expectedOuter(float widthTwips, float heightTwips);
    QSize outerSize();

private:
    int reads_ = 0;
};

} // namespace tarnwick::test
