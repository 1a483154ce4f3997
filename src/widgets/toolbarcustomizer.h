#pragma once

#include "toolbar.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tarnwick {

// Arranges a toolbar's buttons: add from the buttons it was designed with (and
// separators), remove, move up and down, reset. Each change is reported at
// once, so the toolbar shows it while the dialog is open.
class ToolbarCustomizeDialog : public QDialog
{
    Q_OBJECT
public:
    // `extra`: buttons offered besides the design's, which Reset leaves off.
    ToolbarCustomizeDialog(std::vector<Toolbar::Button> design,
                           std::vector<Toolbar::Button> current, QWidget *parent = nullptr,
                           std::vector<Toolbar::Button> extra = {});

    const std::vector<Toolbar::Button> &arrangement() const { return current_; }

    // What the dialog lists for a button.
    static QString label(const Toolbar::Button &button);

    // The actions, as the dialog's buttons run them.
    void add();
    void remove();
    void moveUp();
    void moveDown();
    void reset();

    QListWidget *availableList() const { return available_; }
    QListWidget *currentList() const { return shown_; }

signals:
    void arrangementChanged();

private:
    std::vector<Toolbar::Button> availableButtons() const;
    void refill(int selectCurrent);
    void updateButtons();

    std::vector<Toolbar::Button> design_;
    std::vector<Toolbar::Button> extra_;
    std::vector<Toolbar::Button> current_;
    QListWidget *available_;
    QListWidget *shown_;
    QPushButton *addButton_, *removeButton_, *upButton_, *downButton_;
};

} // namespace tarnwick
