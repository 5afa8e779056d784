#include "i18n/qt/captions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>
#include <vector>

#include "i18n/language_flag.h"

namespace pl63::i18n {
namespace {

QString describe(const CaptionRow& row) {
    QString name = QString::fromStdString(row.objectName);
    if (row.element >= 0) name += QStringLiteral("[%1]").arg(row.element);
    return QStringLiteral("%1 (index %2)").arg(name).arg(row.index);
}

bool setText(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else {
        return false;
    }
    return true;
}

bool setListEntry(QObject* target, int index, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(target);
    if (!combo || index < 0 || index >= combo->count()) return false;
    combo->setItemText(index, text);
    return true;
}

bool setHeaderCell(QObject* target, int column, const QString& text) {
    if (auto* table = qobject_cast<QTableWidget*>(target)) {
        if (column < 0 || column >= table->columnCount()) return false;
        auto* item = table->horizontalHeaderItem(column);
        if (!item) {
            item = new QTableWidgetItem;
            table->setHorizontalHeaderItem(column, item);
        }
        item->setText(text);
        return true;
    }
    auto* view = qobject_cast<QAbstractItemView*>(target);
    if (!view || !view->model() || column < 0 || column >= view->model()->columnCount())
        return false;
    return view->model()->setHeaderData(column, Qt::Horizontal, text);
}

bool setToolTip(QObject* target, int number, const QString& text) {
    auto* toolbar = qobject_cast<QToolBar*>(target);
    if (!toolbar) return false;
    const auto actions = toolbar->actions();
    if (number < 1 || number > actions.size()) return false;
    actions[number - 1]->setToolTip(text);
    return true;
}

// The window a control belongs to. The option windows are children of the
// main window (it owns them) yet windows of their own, and several of them
// reuse the main window's control names (Combo1, Label2, Text2), so a search
// from the main window must not reach into them. Menus are popups: their
// actions belong to the window that holds the menu bar.
QWidget* owningWindow(QObject* object) {
    for (QObject* at = object; at; at = at->parent()) {
        auto* widget = qobject_cast<QWidget*>(at);
        if (widget && widget->isWindow() && widget->windowType() != Qt::Popup) return widget;
    }
    return nullptr;
}

// A window's own controls by objectName, each name's controls in the order
// findChildren gives them. A table looks up dozens of names; one walk over
// the window's children serves them all.
class WindowControls {
public:
    explicit WindowControls(QWidget* window) : window_(window) {
        if (!window) return;
        for (QObject* child : window->findChildren<QObject*>()) {
            if (!child->objectName().isEmpty() && owningWindow(child) == window) {
                byName_[child->objectName()].push_back(child);
            }
        }
    }

    QObject* find(const CaptionRow& row) const {
        if (!window_) return nullptr;
        const QString name = QString::fromStdString(row.objectName);
        if (row.target == CaptionTarget::WindowTitle || window_->objectName() == name) {
            return window_;
        }
        const auto named = byName_.constFind(name);
        if (named == byName_.cend()) return nullptr;
        for (QObject* candidate : *named) {
            if (row.element < 0) return candidate;
            const QVariant element = candidate->property(kControlIndexProperty);
            if (element.isValid() && element.toInt() == row.element) return candidate;
        }
        return nullptr;
    }

private:
    QWidget* window_;
    QHash<QString, std::vector<QObject*>> byName_;
};

}  // namespace

QStringList designEntries(std::string_view window, std::string_view list, int element) {
    QStringList texts;
    for (const Bilingual& entry : listEntries(window, list, element)) {
        texts << QString::fromStdString(entry.zh);
    }
    return texts;
}

QObject* findCaptionTarget(QWidget* window, const CaptionRow& row) {
    return WindowControls(window).find(row);
}

QStringList applyCaptionTable(QWidget* window, const CaptionTable& table, int languageFlag) {
    QStringList failures;
    if (!flagHasCaptions(languageFlag)) return failures;
    const WindowControls controls(window);
    for (const CaptionRow& row : table) {
        const QString text = QString::fromStdString(row.text.in(languageFromFlag(languageFlag)));
        QObject* target = controls.find(row);
        bool done = false;
        if (target) {
            switch (row.target) {
                case CaptionTarget::WindowTitle:
                    if (auto* widget = qobject_cast<QWidget*>(target)) {
                        widget->setWindowTitle(text);
                        done = true;
                    }
                    break;
                case CaptionTarget::Text:
                    done = setText(target, text);
                    break;
                case CaptionTarget::ListEntry:
                    done = setListEntry(target, row.index, text);
                    break;
                case CaptionTarget::HeaderCell:
                    done = setHeaderCell(target, row.index, text);
                    break;
                case CaptionTarget::ToolTip:
                    done = setToolTip(target, row.index, text);
                    break;
            }
        }
        if (!done) failures << describe(row);
    }
    return failures;
}

}  // namespace pl63::i18n
