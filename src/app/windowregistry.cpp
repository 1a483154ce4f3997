#include "windowregistry.h"

namespace tarnwick {

WindowRegistry::WindowRegistry(Exit exit) : exit_(std::move(exit)) {}

WindowRegistry::~WindowRegistry()
{
    // Widgets first, while their objects still exist to hear of it.
    for (auto &[name, form] : forms_)
        form->unload();
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
    for (auto &[name, form] : forms_)
        form->unload();
    exit_(0);
}

void WindowRegistry::endNow()
{
    if (ending_)
        return;
    ending_ = true;
    for (auto &[name, form] : forms_)
        form->unload();
    exit_(0);
}

} // namespace tarnwick
