#include "toolbar.h"
#include "twips.h"

#include "toolbarcustomizer.h"

#include <QStringList>
#include <QToolButton>

namespace tarnwick {

// Width of a separator's gap, in pixels.
constexpr int SeparatorWidth = 8;

Toolbar::Toolbar(QWidget *parent) : QWidget(parent) {}

void Toolbar::setButtonSize(QSize pixels)
{
    buttonSize_ = pixels;
    rebuild();
}

void Toolbar::setIconSize(QSize pixels)
{
    iconSize_ = pixels;
    rebuild();
}

void Toolbar::setDesignButtons(std::vector<Button> buttons)
{
    design_ = buttons;
    setButtons(std::move(buttons));
}

void Toolbar::customize()
{
    ToolbarCustomizeDialog dialog(design_, buttons_, this, extra_);
    connect(&dialog, &ToolbarCustomizeDialog::arrangementChanged, this, [this, &dialog] {
        setButtons(dialog.arrangement());
        emit arrangementChanged();
    });
    dialog.exec();
}

namespace {

const QString SeparatorWord = QStringLiteral("|");
const QString BlankWord = QStringLiteral("_");

} // namespace

QString Toolbar::arrangementText() const
{
    QStringList words;
    for (const Button &b : buttons_) {
        if (b.style == Style::Separator)
            words << SeparatorWord;
        else
            words << (b.key.isEmpty() ? BlankWord : b.key);
    }
    return words.join(QLatin1Char(','));
}

void Toolbar::setArrangementText(const QString &text)
{
    std::vector<Button> offered = design_;
    offered.insert(offered.end(), extra_.begin(), extra_.end());
    std::vector<Button> out;
    for (const QString &word : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        for (const Button &b : offered) {
            const bool separator = b.style == Style::Separator;
            if ((separator && word == SeparatorWord) ||
                (!separator && (b.key.isEmpty() ? word == BlankWord : word == b.key))) {
                out.push_back(b);
                break;
            }
        }
    }
    setButtons(std::move(out));
}

void Toolbar::setButtons(std::vector<Button> buttons)
{
    // The pressed button stays pressed if it is still there.
    const QString pressed = pressedKey();
    buttons_ = std::move(buttons);
    rebuild();
    if (!pressed.isEmpty())
        press(pressed);
}

int Toolbar::indexOf(const QString &key) const
{
    if (key.isEmpty())
        return -1;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].key == key && buttons_[i].style != Style::Separator)
            return int(i);
    }
    return -1;
}

bool Toolbar::press(const QString &key)
{
    const int i = indexOf(key);
    if (i < 0 || buttons_[size_t(i)].style != Style::Group)
        return false;
    for (size_t k = 0; k < buttons_.size(); ++k) {
        if (buttons_[k].style == Style::Group)
            widgets_[k]->setChecked(int(k) == i);
    }
    return true;
}

void Toolbar::releaseGroup()
{
    for (size_t k = 0; k < buttons_.size(); ++k) {
        if (buttons_[k].style == Style::Group)
            widgets_[k]->setChecked(false);
    }
}

bool Toolbar::isPressed(const QString &key) const
{
    const int i = indexOf(key);
    return i >= 0 && widgets_[size_t(i)]->isChecked();
}

QString Toolbar::pressedKey() const
{
    for (size_t k = 0; k < buttons_.size(); ++k) {
        if (buttons_[k].style == Style::Group && widgets_[k]->isChecked())
            return buttons_[k].key;
    }
    return {};
}

void Toolbar::rebuild()
{
    const QString pressed = widgets_.size() == buttons_.size() ? pressedKey() : QString();
    for (QToolButton *w : widgets_)
        delete w;
    widgets_.clear();
    int x = 0;
    for (const Button &b : buttons_) {
        auto *w = new QToolButton(this);
        widgets_.push_back(w);
        if (b.style == Style::Separator) {
            w->setEnabled(false);
            w->hide();
            x += SeparatorWidth;
            continue;
        }
        w->setAutoRaise(true);
        w->setIcon(b.picture);
        w->setIconSize(iconSize_);
        w->setToolTip(b.toolTip);
        w->setAccessibleName(b.toolTip.isEmpty() ? b.description : b.toolTip);
        w->setFocusPolicy(Qt::NoFocus);
        w->setCheckable(b.style == Style::Group);
        placeByDirection(w, QRect(x, 0, buttonSize_.width(), buttonSize_.height()));
        w->show();
        x += buttonSize_.width();
        const QString key = b.key;
        const bool group = b.style == Style::Group;
        connect(w, &QToolButton::clicked, this, [this, key, group] {
            if (group)
                press(key);
            emit ButtonClick(key);
        });
    }
    if (!pressed.isEmpty())
        press(pressed);
}

} // namespace tarnwick
