#include "formobject.h"

namespace tarnwick {

FormObject::FormObject(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

void FormObject::load()
{
    if (window_)
        return;
    window_ = build();
    window_->setAttribute(Qt::WA_DeleteOnClose);
    connect(window_, &QObject::destroyed, this, &FormObject::onDestroyed);
    Form_Load();
}

void FormObject::show()
{
    load();
    window_->show();
}

void FormObject::unload()
{
    if (window_)
        delete window_.data();
}

void FormObject::release()
{
    if (!window_)
        return;
    window_->hide();
    window_->deleteLater();
}

void FormObject::onDestroyed()
{
    window_ = nullptr;
    released();
    emit unloaded();
}

} // namespace tarnwick
