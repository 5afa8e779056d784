#pragma once
// The program's windows besides Form1, each a single instance created on
// first touch and afterwards only shown and hidden. ApplyCaptions touches
// them in its fixed order, which is how the option windows come to exist at
// start-up; the menus touch them to show them.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>

namespace pl63::ui {

struct AppContext;

// A window that shows Codeplug stores: filled from them at creation and
// again whenever DecodeImage has run.
class StoreView {
public:
    virtual ~StoreView() = default;
    virtual void showStores() = 0;
};

class WindowRegistry {
public:
    // Builds the window (owned by `owner`, a separate top-level window that
    // is hidden, not destroyed, when closed) and fills it from the stores.
    using Factory = std::function<QWidget*(AppContext& context, QWidget* owner)>;

    void setOwner(QWidget* owner) { owner_ = owner; }
    void registerWindow(const QString& objectName, Factory factory);
    bool isRegistered(const QString& objectName) const;

    // The window, created on first touch; nullptr when no such window is
    // registered (the program is being built without it).
    QWidget* window(AppContext& context, const QString& objectName);
    // The window only if it already exists.
    QWidget* existing(const QString& objectName) const;

    template <typename W>
    W* window(AppContext& context, const QString& objectName) {
        return qobject_cast<W*>(window(context, objectName));
    }

    // showStores() of every window created so far.
    void showStoresEverywhere();

private:
    QWidget* owner_ = nullptr;
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<QWidget>> windows_;
};

}  // namespace pl63::ui
