#include "ui/options/hidden_dtmf_controls.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

namespace pl63::ui {
namespace {

constexpr int kFirstDigitDelay = 2;  // DtmfSettings index held in milliseconds
constexpr int kDelayFirstMs = 100;
constexpr int kDelayStepMs = 50;
constexpr int kCodeRows = 9;  // row 0 is the table's header row, rows 1..8 the memories
constexpr int kCodeColumn = 1;

// The value a list carries, kept beside its selection. A value no entry
// stands for (a first digit delay off the 50 ms raster, 0 ms at start-up, a
// group call digit past "D") leaves the list without selection, and this is
// what goes back into the store then.
constexpr const char* kStoreValueProperty = "storeValue";

QStringList numbered(const QString& first, int from, int to, const QString& suffix) {
    QStringList entries;
    if (!first.isEmpty()) entries << first;
    for (int n = from; n <= to; ++n) entries << QString::number(n) + suffix;
    return entries;
}

QStringList delayEntries() {
    QStringList entries;
    for (int ms = kDelayFirstMs; ms <= 1000; ms += kDelayStepMs)
        entries << QString::number(ms) + QStringLiteral("MS");
    return entries;
}

struct HiddenList {
    const char* name;
    const char* caption;  // the design caption, Chinese only
    QStringList entries;
};

// In DtmfSettings order.
std::array<HiddenList, 8> hiddenLists() {
    const QStringList times{"OFF", "100MS", "500MS", "1000MS"};
    return {{
        {"Combo0", "DTMF 速率", {"6位", "8位", "10位", "15位"}},
        {"Combo16", "首位数码时间", times},
        {"Combo18", "首位数码延迟", delayEntries()},
        {"Combo17", "*和#音", times},
        {"Combo19", "D键设定", numbered(QStringLiteral("D码"), 1, 16, QStringLiteral("秒"))},
        {"Combo20", "DTMF 侧音", {"禁止", "使能"}},
        {"Combo22", "组呼码", {"关闭", "*", "#", "A", "B", "C", "D"}},
        {"Combo21", "自动复位定时器",
         numbered(QStringLiteral("关闭"), 1, 15, QStringLiteral("秒"))},
    }};
}

int positionOf(int setting, int value, int count) {
    int position = value;
    if (setting == kFirstDigitDelay) {
        const int offset = value - kDelayFirstMs;
        position = offset >= 0 && offset % kDelayStepMs == 0 ? offset / kDelayStepMs : -1;
    }
    return position >= 0 && position < count ? position : -1;
}

int valueAt(int setting, int position) {
    if (position < 0) return -1;
    return setting == kFirstDigitDelay ? kDelayFirstMs + kDelayStepMs * position : position;
}

}  // namespace

HiddenDtmfControls::HiddenDtmfControls(QWidget* window) {
    const auto lists = hiddenLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        auto* list = new QComboBox(window);
        list->setObjectName(QString::fromLatin1(lists[i].name));
        list->setAccessibleName(QString::fromUtf8(lists[i].caption));
        list->addItems(lists[i].entries);
        list->hide();
        lists_[i] = list;
    }
    codes_ = new QTableWidget(window);
    codes_->setObjectName(QStringLiteral("mfgrid1"));
    // Never shown: with its headers hidden before it has rows and columns,
    // nothing ever measures them.
    codes_->horizontalHeader()->hide();
    codes_->verticalHeader()->hide();
    codes_->setRowCount(kCodeRows);
    codes_->setColumnCount(2);
    for (int row = 1; row < kCodeRows; ++row) {
        codes_->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
        codes_->setItem(row, kCodeColumn, new QTableWidgetItem);
    }
    codes_->hide();
}

void HiddenDtmfControls::showStores(const Codeplug& codeplug) {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const int setting = static_cast<int>(i);
        const int value = codeplug.DtmfSettings[i];
        lists_[i]->setProperty(kStoreValueProperty, value);
        lists_[i]->setCurrentIndex(positionOf(setting, value, lists_[i]->count()));
    }
    // The stores hold the radio's bytes one char each; Latin-1 maps every
    // byte to one character and back, so no code changes on its way through.
    for (int row = 1; row < kCodeRows; ++row) {
        codes_->item(row, kCodeColumn)->setText(QString::fromLatin1(codeplug.DtmfCodes[row - 1]));
    }
}

void HiddenDtmfControls::writeCodes(Codeplug& codeplug) const {
    for (int row = 1; row < kCodeRows; ++row) {
        codeplug.DtmfCodes[row - 1] =
            codes_->item(row, kCodeColumn)->text().toLatin1().toStdString();
    }
}

void HiddenDtmfControls::writeSettings(Codeplug& codeplug) const {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const int setting = static_cast<int>(i);
        const QComboBox* list = lists_[i];
        const QVariant carried = list->property(kStoreValueProperty);
        const int position = list->currentIndex();
        // The selection decides only if it no longer stands for the carried
        // value, which nothing in this program does.
        if (carried.isValid() && position == positionOf(setting, carried.toInt(), list->count())) {
            codeplug.DtmfSettings[i] = carried.toInt();
        } else {
            codeplug.DtmfSettings[i] = valueAt(setting, position);
        }
    }
}

}  // namespace pl63::ui
