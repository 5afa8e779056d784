#pragma once
// The properties every fuzz input is checked against. A check returns an empty
// text when they all hold, else a description of what failed. The libFuzzer
// targets abort on a failure, so the input is kept as a crash; the regression
// test replays the seed corpus and every input that ever failed through the
// same checks, in every build.
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"

namespace pl63::fuzz {

// The .DAT loader with DecodeImage and EncodeImage: what a file holds is what
// opening it gives; the encoded image is 848 bytes whatever was decoded; a
// second decode-encode round changes nothing, in either language, into a
// fresh codeplug or one that already holds data; a CHIRP export of its
// channels imports back over it to the same image.
std::string checkDatFile(Input input);

// CSV import and export. The first byte picks the language, the band and
// whether the rest is CSV text to import or an image to decode and export. A
// refused import leaves the grid as it was; an export imported again gives
// the same grid; importing an export over the codeplug it came from (the
// "--base" of the same file) gives the same image byte for byte.
std::string checkChannelCsv(Input input);

// CHIRP CSV import and export. The first byte: bit 0 an image to decode
// instead of CSV text, bit 1 English, bit 2 leave unfit rows out, bits 3..
// the band. A refused import leaves the grid alone; imported frequencies are
// in the band; an export re-imports to the same channels and the same export;
// export then import over the codeplug it came from gives its image byte for
// byte, whatever its channels hold.
std::string checkChirpCsv(Input input);

// The link engine fed starts, radio bytes, breaks and ticks (see
// link_engine_script.h). Its buffers stay bounded, it only sends the frames of
// the protocol (never a block outside what a write may send, never anything
// but the end frame once finished), and once the ticks run on their own it
// ends idle with both timers stopped and one outcome per transfer.
std::string checkLinkEngine(Input input);

// The simulated radio fed PC bytes (see radio_simulator_script.h): what it
// keeps of a half frame and what it answers stay bounded, and its memory
// changes only where a write block it took says, to what that block says.
std::string checkRadioSimulator(Input input);

// The `ports` file parser and the numbering of serial ports: numbers 1..20,
// device names trimmed and never empty, a map written back out reads back the
// same, the file's entries survive the numbering, no device gets two numbers.
std::string checkPortMap(Input input);

using PropertyCheck = std::string (*)(Input input);

struct FuzzTarget {
    std::string_view name;  // also its folder under fuzz/corpus and fuzz/regressions
    PropertyCheck check;
};

const std::vector<FuzzTarget>& fuzzTargets();
const FuzzTarget* findFuzzTarget(std::string_view name);

}  // namespace pl63::fuzz
