#pragma once
// The DTMF settings and the eight DTMF code memories of the Optional
// functions window. The radio has them but the window never shows them: its
// eight lists and its code table exist only to carry the values DecodeImage
// (or start-up) left in the stores through to the next OK, untouched.
#include <QComboBox>
#include <QTableWidget>
#include <QWidget>
#include <array>

#include "codec/codeplug.h"

namespace pl63::ui {

class HiddenDtmfControls {
public:
    // Builds the hidden lists Combo0, Combo16, Combo18, Combo17, Combo19,
    // Combo20, Combo22, Combo21 and the table mfgrid1 as children of `window`.
    explicit HiddenDtmfControls(QWidget* window);

    void showStores(const Codeplug& codeplug);
    // DtmfCodes first, then DtmfSettings 0..7, as OK writes them.
    void writeCodes(Codeplug& codeplug) const;
    void writeSettings(Codeplug& codeplug) const;

    // In DtmfSettings order (index 0 = Combo0 .. index 7 = Combo21).
    QComboBox* list(int setting) const { return lists_[setting]; }
    QTableWidget* codeTable() const { return codes_; }

private:
    std::array<QComboBox*, 8> lists_{};
    QTableWidget* codes_ = nullptr;
};

}  // namespace pl63::ui
