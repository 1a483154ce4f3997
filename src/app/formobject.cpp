#include "formobject.h"

#include <QDialog>

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

void FormObject::showModal()
{
    unload();
    load();
    QPointer<QDialog> shown = qobject_cast<QDialog *>(window_.data());
    Q_ASSERT(shown);
    shown->setWindowModality(Qt::ApplicationModal);
    shown->exec();
    // Closing asked for the window's destruction; the program's end may have
    // done so already.
    if (shown)
        unload();
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
}

} // namespace tarnwick
