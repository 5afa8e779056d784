#include "ui/window_registry.h"

#include <utility>

namespace pl63::ui {

void WindowRegistry::registerWindow(const QString& objectName, Factory factory) {
    factories_[objectName] = std::move(factory);
}

bool WindowRegistry::isRegistered(const QString& objectName) const {
    return factories_.count(objectName) != 0;
}

QWidget* WindowRegistry::window(AppContext& context, const QString& objectName) {
    if (QWidget* made = existing(objectName)) return made;
    auto factory = factories_.find(objectName);
    if (factory == factories_.end()) return nullptr;
    QWidget* made = factory->second(context, owner_);
    windows_[objectName] = made;
    return made;
}

QWidget* WindowRegistry::existing(const QString& objectName) {
    runDeferred();
    auto found = windows_.find(objectName);
    return found == windows_.end() ? nullptr : found->second.data();
}

void WindowRegistry::runDeferred() {
    if (!deferred_) return;
    // Taken out first: the work itself looks windows up.
    const std::function<void()> work = std::move(deferred_);
    deferred_ = nullptr;
    work();
}

void WindowRegistry::showStoresEverywhere() {
    runDeferred();
    for (auto& [name, window] : windows_) {
        if (auto* view = dynamic_cast<StoreView*>(window.data())) view->showStores();
    }
}

}  // namespace pl63::ui
