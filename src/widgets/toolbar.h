#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <vector>

class QToolButton;

namespace tarnwick {

// A toolbar of keyed buttons laid side by side at one button size. Group
// buttons hold one pressed button per toolbar: pressing one releases the
// others, and a click leaves it pressed.
class Toolbar : public QWidget
{
    Q_OBJECT
public:
    enum class Style
    {
        Plain,
        Group,
        Separator
    };
    struct Button
    {
        QString key;
        QIcon picture;
        Style style = Style::Plain;
        QString description; // what the customise dialog lists
        QString toolTip;
    };

    explicit Toolbar(QWidget *parent = nullptr);

    void setButtonSize(QSize pixels);
    QSize buttonSize() const { return buttonSize_; }
    void setIconSize(QSize pixels);

    // The buttons the toolbar is designed with: what it shows at first, what
    // the customise dialog offers to add, and what Reset brings back.
    void setDesignButtons(std::vector<Button> buttons);
    const std::vector<Button> &designButtons() const { return design_; }
    void setButtons(std::vector<Button> buttons);
    const std::vector<Button> &buttons() const { return buttons_; }
    // Buttons the customise dialog offers beyond the design's; none shows
    // until the user adds it.
    void setExtraButtons(std::vector<Button> buttons) { extra_ = std::move(buttons); }
    const std::vector<Button> &extraButtons() const { return extra_; }

    // The arrangement as text to store: the keys in order, "|" for a
    // separator and "_" for a button without a key, joined by commas. Read
    // back against the design's and the extra buttons; a word naming none of
    // them is passed over.
    QString arrangementText() const;
    void setArrangementText(const QString &text);

    // The customise dialog, modal; returns when it is closed, with the new
    // arrangement already shown.
    void customize();
    int indexOf(const QString &key) const;

    // Presses the group button with `key`; false when there is none.
    bool press(const QString &key);
    // Releases every group button.
    void releaseGroup();
    bool isPressed(const QString &key) const;
    // The pressed group button's key, or empty.
    QString pressedKey() const;

signals:
    void ButtonClick(const QString &key);
    // The user changed the arrangement in the customise dialog.
    void arrangementChanged();

private:
    void rebuild();

    std::vector<Button> design_;
    std::vector<Button> extra_;
    std::vector<Button> buttons_;
    std::vector<QToolButton *> widgets_;
    QSize buttonSize_{24, 22};
    QSize iconSize_{16, 16};
};

} // namespace tarnwick
