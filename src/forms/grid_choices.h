#pragma once
// The grid and band choices that are no typing: the column an editor opens
// on, a tone or list entry picked from its list, and the band list's
// question. Shared by the window's grid and the browser page.
// Pure C++: no Qt header may be included here.
#include "codec/bilingual.h"
#include "codec/codeplug.h"

namespace pl63::forms {

// A channel is created by entering its receive frequency first: a click on
// any cell of an empty channel edits its RX frequency.
int columnToEdit(const ChannelGrid& grid, int row, int column);

// Entry `position` of the tone list picked for (row, ColRxTone or ColTxTone):
// the entry goes through the typed-text rule as well, which every entry
// passes unchanged or, the Off entry, leaves as picked.
void chooseTone(ChannelGrid& grid, int row, int column, int position, Language language);

// Entry `position` (0 or 1) of a list column picked; false for any other
// column or position.
bool chooseListEntry(ChannelGrid& grid, int row, int column, int position, Language language);

// A band change clears the channel list; the user is asked first.
extern const Bilingual kBandQuestion;
extern const Bilingual kBandQuestionTitle;

// A confirmed band change: the new band and an empty channel list.
void changeBand(Codeplug& codeplug, int position);

}  // namespace pl63::forms
