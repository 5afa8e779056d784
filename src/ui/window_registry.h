#pragma once
// The program's windows besides Form1, each a single instance created on
// first touch and afterwards only shown and hidden. ApplyCaptions touches
// them in its fixed order, which is how the option windows come to exist at
// start-up; the menus touch them to show them.
//
// Start-up may hand that first ApplyCaptions over as deferred work, to run
// once the main window has been painted. Every lookup runs it first, so no
// one ever finds a window missing that start-up would have made, nor one made
// in another order or from other stores.
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
    // The window only if it already exists (after any deferred work).
    QWidget* existing(const QString& objectName);

    // `work` runs on the next runDeferred(), which every lookup makes first.
    void defer(std::function<void()> work) { deferred_ = std::move(work); }
    void runDeferred();
    // Forgets work not yet run, for an owner that is going away.
    void dropDeferred() { deferred_ = nullptr; }
    bool hasDeferred() const { return static_cast<bool>(deferred_); }

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
    std::function<void()> deferred_;
};

}  // namespace pl63::ui
