#pragma once
// The CHIRP round trip every codeplug must survive, for the targets that
// decode images: "pl63 export --format chirp" then "pl63 import --base" of
// the same file gives its image back byte for byte, whatever its channels hold.
#include "codec/codeplug.h"
#include "fuzz_input.h"

namespace pl63::fuzz {

void checkChirpOverOwnCodeplug(const Codeplug& codeplug, Language language, Verdict& verdict);

}  // namespace pl63::fuzz
