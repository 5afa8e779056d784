#pragma once
// File > Import channels, Export channels, Compare with file, Print and
// Export PDF: the channel-list commands of the window over the same codec and
// report code as `pl63 import`, `export`, `diff` and `print`. Import is one
// undoable step of the CodeplugDocument; the rows an import leaves out and
// the differences a comparison finds are listed in a window of their own.
#include <QObject>
#include <QDialog>
#include <QPlainTextEdit>
#include <QString>
#include <functional>
#include <memory>

#include "codec/bilingual.h"
#include "ui/main/file_commands.h"

class QPrinter;
class QPrintPreviewDialog;

namespace pl63::ui {

struct AppContext;

// A list of lines to read (and copy from), with a title; shown without
// blocking the main window.
class TextListWindow : public QDialog {
    Q_OBJECT

public:
    explicit TextListWindow(QWidget* owner);
    void showList(const QString& title, const QString& heading, const QString& lines);
    QString heading() const;
    QString lines() const;

private:
    class QLabel* heading_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

class ChannelListCommands : public QObject {
    Q_OBJECT

public:
    enum class Layout { Chirp, Pl63 };

    // `showChannels` makes the grid show the document's channels again; the
    // file dialogs are the file commands' own.
    ChannelListCommands(AppContext& context, QWidget& owner, FileCommands& files,
                        std::function<void()> showChannels);

    // Test seam: what Print does with its preview (default: QPrintPreviewDialog::exec).
    void setPreview(std::function<void(const std::function<void(QPrinter&)>&)> preview) {
        preview_ = std::move(preview);
    }

    // A CSV of either layout (recognised by its header) into the grid.
    void importChannels();
    void exportChannels(Layout layout);
    void compareWithFile();
    void print();
    void exportPdf();

    TextListWindow* listWindow() const { return list_; }

private:
    Language language() const;
    int languageFlag() const;
    void tell(const Bilingual& message, const std::string& detail = {});
    void showList(const Bilingual& title, const QString& heading, const std::string& lines);

    AppContext& context_;
    QWidget& owner_;
    std::function<void()> showChannels_;
    FileCommands& files_;
    std::function<void(const std::function<void(QPrinter&)>&)> preview_;
    TextListWindow* list_ = nullptr;
};

// The print preview opened wide enough that its toolbar shows every button:
// at Qt's own size the last ones, Print among them, hide behind the
// toolbar's overflow arrow.
void widenToItsToolbar(QPrintPreviewDialog& preview);

}  // namespace pl63::ui
