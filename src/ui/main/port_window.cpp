#include "ui/main/port_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/cancel_on_escape.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kColumns = 4;  // five rows of four: "COM20" fits beside its button
constexpr int kWidthTwips = 5145;
constexpr int kHeightTwips = 3000;

int indexOf(int number) {
    return number - settings::kFirstPort;
}

}  // namespace

PortWindow::PortWindow(AppContext& context, QSerialPort& port, QWidget* owner,
                       const std::vector<std::string>& systemPorts)
    : QWidget(owner, Qt::Dialog), context_(context), port_(port) {
    setObjectName("FormCOM");
    setWindowTitle("Com");

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < settings::kPortCount; ++i) {
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(settings::kFirstPort + i));
        // A control array: one name, the element in "controlIndex".
        button->setObjectName("OptionCOM");
        button->setProperty("controlIndex", i);
        connect(button, &QRadioButton::clicked, this,
                [this, i] { choose(settings::kFirstPort + i); });
        grid->addWidget(button, i / kColumns, i % kColumns);
        options_[static_cast<std::size_t>(i)] = button;
    }
    status_ = new QLabel;
    status_->setObjectName("PortStatus");
    status_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(status_);

    probe_ = link::probePorts(port_, context_.state.SavedPort, link::portDevices(systemPorts));
    for (int i = 0; i < settings::kPortCount; ++i) {
        options_[static_cast<std::size_t>(i)]->setEnabled(probe_.states[i] ==
                                                          link::PortState::Open);
    }
    const int saved = context_.state.SavedPort;
    if (saved >= settings::kFirstPort && saved <= settings::kLastPort &&
        probe_.states[indexOf(saved)] == link::PortState::Open) {
        option(indexOf(saved))->setChecked(true);
    } else if (probe_.opened != 0) {
        // Another port is left open and remembered, with no button selected, so
        // the user sees that the choice was the program's.
        context_.state.SavedPort = probe_.opened;
    }
    describePorts();
    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));
    // The status line and the tooltips are no caption rows: they follow a
    // switch here, shown or not.
    connect(&context_.state, &ProgramState::languageChanged, this, &PortWindow::describePorts);
    // No Cancel here: Escape does what the close box does.
    cancelOnEscape(this, [this] { hide(); });
}

void PortWindow::choose(int number) {
    context_.state.SavedPort = number;
    const bool opened =
        link::openSerialPort(port_, probe_.devices[indexOf(number)]) == link::PortState::Open;
    describePorts();
    context_.state.announceSettingsChanged();
    emit portChosen(number, opened);
}

// The tooltips name the device behind each number and, for a disabled one,
// why it could not be opened; the line below tells which port is open now.
void PortWindow::describePorts() {
    const Language language = context_.state.language();
    const bool english = language == Language::English;
    for (int i = 0; i < settings::kPortCount; ++i) {
        const QString& device = probe_.devices[i];
        QString tip = device.isEmpty() ? (english ? "no device" : "没有设备") : device;
        if (probe_.states[i] != link::PortState::Open) {
            tip += QStringLiteral(": ") + link::portStateText(probe_.states[i], language);
        }
        options_[static_cast<std::size_t>(i)]->setToolTip(tip);
    }

    const int number = context_.state.SavedPort;
    QString line;
    if (port_.isOpen() && number >= settings::kFirstPort && number <= settings::kLastPort) {
        line =
            (english ? QStringLiteral("Open: COM%1 (%2)") : QStringLiteral("已打开：COM%1（%2）"))
                .arg(number)
                .arg(probe_.devices[indexOf(number)]);
    } else {
        line = english ? QStringLiteral("No serial port is open.")
                       : QStringLiteral("没有打开的串口。");
    }
    status_->setText(line);
}

void PortWindow::showEvent(QShowEvent* event) {
    // The language may have changed since the last show.
    describePorts();
    QWidget::showEvent(event);
}

void PortWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace pl63::ui
