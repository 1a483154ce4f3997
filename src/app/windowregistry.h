#pragma once

#include "formobject.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tarnwick {

// The program's window objects, each reachable by name and created on first
// use, and the two ways the program ends.
class WindowRegistry
{
public:
    using Factory = std::function<std::unique_ptr<FormObject>(WindowRegistry &)>;
    using Exit = std::function<void(int code)>;

    explicit WindowRegistry(Exit exit);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    void define(const QString &name, Factory factory);
    // The object of that name, created on first use; null for unknown names.
    FormObject *form(const QString &name);
    template <class T> T &get(const QString &name) { return *static_cast<T *>(form(name)); }
    // The object if it has been created, without creating it.
    FormObject *existing(const QString &name) const;

    // The orderly end: runs the teardown of every window object created in
    // this run (windows loaded but hidden do not hold the end back), then
    // ends the program.
    void endOrderly();
    // The end at once: no teardown runs, loaded windows are discarded.
    void endNow();

private:
    void releaseAll();

    std::map<QString, Factory> factories_;
    std::vector<std::pair<QString, std::unique_ptr<FormObject>>> forms_; // creation order
    Exit exit_;
    bool ending_ = false;
};

} // namespace tarnwick
