#pragma once
// The machine's serial devices, read straight from the kernel's list of
// terminals (/sys/class/tty on Linux). A terminal counts when hardware stands
// behind it (its `device` link), or when it is a Bluetooth RFCOMM port; a UART
// slot whose `type` is 0 has no chip behind it (the 8250 driver registers
// ttyS0..ttyS31 whether or not they exist) and is left out.
//
// Two folder reads and a question or two per real port, where udev's
// enumeration asks thousands of questions: the window program lists the ports
// at start-up, and a user should not wait for it.
#include <filesystem>
#include <string>
#include <vector>

namespace pl63::settings {

// "/dev/<name>" for each serial terminal listed under `classTty`, in no
// particular order (orderSerialDevices gives the order the ports take).
// Empty when the folder is missing or cannot be read.
std::vector<std::string> scanSerialDevices(
    const std::filesystem::path& classTty = "/sys/class/tty");

}  // namespace pl63::settings
