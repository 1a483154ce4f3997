#include "windowregistry.h"

namespace tarnwick {

WindowRegistry::WindowRegistry(Exit exit) : exit_(std::move(exit)) {}

WindowRegistry::~WindowRegistry()
{
    // Widgets first, while their objects still exist to hear of it; the last
    // made first, as a window may be owned by one made before it.
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        it->second->unload();
}

void WindowRegistry::define(const QString &name, Factory factory)
{
    factories_[name] = std::move(factory);
}

FormObject *WindowRegistry::form(const QString &name)
{
    if (FormObject *f = existing(name))
        return f;
    auto it = factories_.find(name);
    if (it == factories_.end())
        return nullptr;
    forms_.emplace_back(name, it->second(*this));
    return forms_.back().second.get();
}

FormObject *WindowRegistry::existing(const QString &name) const
{
    for (const auto &[n, f] : forms_) {
        if (n == name)
            return f.get();
    }
    return nullptr;
}

void WindowRegistry::endOrderly()
{
    if (ending_)
        return;
    ending_ = true;
    for (auto &[name, form] : forms_)
        form->teardown();
    releaseAll();
    exit_(0);
}

void WindowRegistry::endNow()
{
    if (ending_)
        return;
    ending_ = true;
    releaseAll();
    exit_(0);
}

void WindowRegistry::releaseAll()
{
    // The end is often asked for from inside a window's own handler: a menu
    // entry, the close box, a message box's event loop. Deleting the window
    // there would pull the menu or dialog out from under the code running
    // it, so windows go at once from the screen and are destroyed later.
    for (auto &[name, form] : forms_)
        form->release();
}

} // namespace tarnwick
