#pragma once
// What the user is told about a transfer beyond the window's own messages:
// how far a stopped transfer got, and whether the radio kept what a write
// sent. Shared by the command line and the main window.
#include <string>
#include <vector>

#include "codec/bilingual.h"
#include "codec/result.h"

namespace pl63::link {

// A read or write that ended without success (time-out or cancel), with the
// blocks done of the blocks the transfer has (LinkEngine::blocksDone and
// blocksTotal). After a write that got some blocks into the radio and not
// all, the radio holds a mix of old and new settings: the text says so and
// asks for the write to be repeated.
ErrorText stoppedTransferText(bool write, int done, int total);

// The status line after the user cancelled a read or write: a read changed
// nothing; a write says how many of its blocks the radio acknowledged.
ErrorText cancelledTransferText(bool write, int done, int total);

// A radio address as every message prints it: "0x01C0".
std::string addressText(int address);

// Addresses as each language lists them: "0x0020, 0x0030" and "0x0020、0x0030".
ErrorText addressList(const std::vector<int>& addresses);

// Radio addresses of the written blocks whose 16 bytes in `readData` (hex
// text from radio address 0x0010 on, as a read delivers it) differ from
// `writeImage` (the hex text the write sent, also from 0x0010). A block the
// read-back does not cover counts as differing.
std::vector<int> differingBlocks(const std::string& writeImage, const std::string& readData,
                                 const std::vector<int>& writtenAddresses);

// "Verified: ..." when `differing` is empty, else the addresses that the
// radio did not keep.
ErrorText verificationText(const std::vector<int>& differing, int written);

}  // namespace pl63::link
