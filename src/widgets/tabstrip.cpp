#include "tabstrip.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace tarnwick {

TabStrip::TabStrip(QWidget *parent) : QWidget(parent), bar_(new QTabBar(this))
{
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(false);
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        if (!settingIndex_ && index >= 0)
            emit Click(index);
    });
}

int TabStrip::addTab(const QString &caption)
{
    // Adding the first tab makes it current: that is no pick by the user.
    settingIndex_ = true;
    const int index = bar_->addTab(caption);
    settingIndex_ = false;
    placeBar();
    update();
    return index;
}

int TabStrip::count() const
{
    return bar_->count();
}

int TabStrip::currentIndex() const
{
    return bar_->currentIndex();
}

void TabStrip::setCurrentIndex(int index)
{
    settingIndex_ = true;
    bar_->setCurrentIndex(index);
    settingIndex_ = false;
}

void TabStrip::frameOption(QStyleOptionTabWidgetFrame *option) const
{
    option->initFrom(this);
    option->lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option->shape = QTabBar::RoundedNorth;
    option->tabBarSize = bar_->sizeHint().boundedTo(size());
    option->tabBarRect = bar_->geometry();
    option->selectedTabRect = bar_->tabRect(bar_->currentIndex()).translated(bar_->pos());
}

QRect TabStrip::displayArea() const
{
    QStyleOptionTabWidgetFrame option;
    frameOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}

QSize TabStrip::sizeHint() const
{
    return bar_->sizeHint() + QSize(0, 100);
}

void TabStrip::placeBar()
{
    QStyleOptionTabWidgetFrame option;
    frameOption(&option);
    const QRect bar = style()->subElementRect(QStyle::SE_TabWidgetTabBar, &option, this);
    bar_->setGeometry(bar.isValid() ? bar : QRect(QPoint(0, 0), bar_->sizeHint()));
}

void TabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeBar();
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    frameOption(&option);
    option.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

TabPage::TabPage(QWidget *parent) : QWidget(parent) {}

void TabPage::paintEvent(QPaintEvent *)
{
    QRect cover = rect();
    if (strip_ && strip_->parentWidget() == parentWidget()) {
        const QRect area = strip_->displayArea().translated(strip_->pos() - pos());
        cover &= area;
    }
    QPainter painter(this);
    painter.fillRect(cover, palette().window());
}

} // namespace tarnwick
