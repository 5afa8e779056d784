#include "forms/grid_choices.h"

#include "codec/grid_texts.h"
#include "codec/tone_code.h"
#include "codec/tone_entry.h"

namespace pl63::forms {

const Bilingual kBandQuestion{"改变频段将清除频道列表，确定吗？",
                              "Change frequency channel list will remove, sure?"};
const Bilingual kBandQuestionTitle{"注意！", "Attention!"};

int columnToEdit(const ChannelGrid& grid, int row, int column) {
    return grid.inUse(row) ? column : ColRxFrequency;
}

void chooseTone(ChannelGrid& grid, int row, int column, int position, Language language) {
    const std::string chosen = toneListText(position, language);
    if (chosen.empty()) return;
    grid.setText(row, column, chosen);
    commitTone(grid, row, column, chosen);
}

bool chooseListEntry(ChannelGrid& grid, int row, int column, int position, Language language) {
    const std::string_view chosen = gridListText(column, position, language);
    if (chosen.empty()) return false;
    grid.setText(row, column, std::string(chosen));
    grid.choices().set(row, column, static_cast<std::int16_t>(position));
    return true;
}

void changeBand(Codeplug& codeplug, int position) {
    codeplug.band = static_cast<std::int16_t>(position);
    codeplug.channels.ClearGrid();
}

}  // namespace pl63::forms
