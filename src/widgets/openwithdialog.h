#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnwick {

// Every application the desktop shows, with its icon, to choose one to open
// files with; the search box filters the list as it is typed in.
class OpenWithDialog : public QDialog
{
    Q_OBJECT
public:
    OpenWithDialog(const QString &contentType, const QString &prompt, QWidget *parent = nullptr);

    // The desktop id chosen; empty when none is.
    QString chosenId() const;
    // Whether the choice is to become the type's default.
    bool always() const;

    QLineEdit *searchBox() const { return search_; }
    QListWidget *applications() const { return list_; }
    QCheckBox *alwaysBox() const { return always_; }

private:
    void filter(const QString &text);

    QLabel *prompt_;
    QLineEdit *search_;
    QListWidget *list_;
    QCheckBox *always_;
    QPushButton *ok_;
};

} // namespace tarnwick
