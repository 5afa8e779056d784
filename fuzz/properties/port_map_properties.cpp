#include <algorithm>
#include <cctype>
#include <set>

#include "fuzz_properties.h"
#include "settings/port_map.h"

namespace pl63::fuzz {
namespace {

using settings::PortMap;

bool trimmedNonEmpty(const std::string& text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    return !text.empty() && !blank(text.front()) && !blank(text.back()) &&
           text.find('\n') == std::string::npos;
}

std::string portsFileText(const PortMap& map) {
    std::string text;
    for (const auto& [number, device] : map)
        text += "COM" + std::to_string(number) + "=" + device + "\n";
    return text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

void checkParsedFile(const PortMap& map, Verdict& verdict) {
    for (const auto& [number, device] : map) {
        verdict.expect(number >= settings::kFirstPort && number <= settings::kLastPort,
                       "the file gave port number " + std::to_string(number));
        verdict.expect(trimmedNonEmpty(device),
                       "port " + std::to_string(number) + " names the device \"" + device + "\"");
    }
    verdict.expect(settings::parsePortMap(portsFileText(map)) == map,
                   "the map written back as a ports file reads back differently");
}

void checkNumbering(const PortMap& fromFile, const std::vector<std::string>& devices,
                    Verdict& verdict) {
    const std::vector<std::string> ordered = settings::orderSerialDevices(devices);
    const std::set<std::string> distinct(devices.begin(), devices.end());
    verdict.expect(ordered.size() == distinct.size() &&
                       std::set<std::string>(ordered.begin(), ordered.end()) == distinct,
                   "the device order is not the distinct devices once each: " +
                       std::to_string(ordered.size()) + " of " + std::to_string(distinct.size()));

    const PortMap assigned = settings::assignPortNumbers(fromFile, devices);
    for (const auto& [number, device] : fromFile) {
        auto found = assigned.find(number);
        verdict.expect(found != assigned.end() && found->second == device,
                       "the file's port " + std::to_string(number) + " was renumbered");
    }
    std::set<std::string> named;
    for (const auto& [number, device] : fromFile) named.insert(device);
    std::vector<std::string> added;  // in number order
    for (const auto& [number, device] : assigned) {
        verdict.expect(number >= settings::kFirstPort && number <= settings::kLastPort,
                       "assigned port number " + std::to_string(number));
        if (fromFile.count(number)) continue;
        verdict.expect(distinct.count(device) && !named.count(device),
                       "a device got a number it should not have: " + device);
        added.push_back(device);
    }
    verdict.expect(std::set<std::string>(added.begin(), added.end()).size() == added.size(),
                   "a system device got two numbers");
    // Free numbers go to the devices in their order, none skipped while numbers are left.
    std::vector<std::string> expected;
    for (const std::string& device : ordered) {
        if (!named.count(device)) expected.push_back(device);
    }
    const std::size_t free = static_cast<std::size_t>(settings::kPortCount) - fromFile.size();
    if (expected.size() > free) expected.resize(free);
    verdict.expect(added == expected, "the free numbers did not go to the devices in order");
}

void checkPortArgument(const std::string& text, Verdict& verdict) {
    auto argument = settings::parsePortArgument(text);
    if (!argument) {
        const auto first = text.find_first_not_of(" \t\n\r\f\v");
        const bool blank = first == std::string::npos;
        bool digits = !blank;
        const auto last = text.find_last_not_of(" \t\n\r\f\v");
        for (std::size_t i = first; digits && i <= last; ++i)
            digits = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        verdict.expect(blank || digits, "--port \"" + text + "\" was refused");
    } else if (argument->number != 0) {
        verdict.expect(argument->number >= settings::kFirstPort &&
                           argument->number <= settings::kLastPort && argument->device.empty(),
                       "--port \"" + text + "\" gave port " + std::to_string(argument->number));
    } else {
        verdict.expect(trimmedNonEmpty(argument->device),
                       "--port \"" + text + "\" gave the device \"" + argument->device + "\"");
    }
}

}  // namespace

// The input: the ports file's text, a zero byte, then system device names one per line.
std::string checkPortMap(Input input) {
    Verdict verdict;
    const std::string text(input.begin(), input.end());
    const std::size_t split = text.find('\0');
    const std::string fileText = text.substr(0, split);
    const std::vector<std::string> devices =
        split == std::string::npos ? std::vector<std::string>{} : lines(text.substr(split + 1));

    const PortMap fromFile = settings::parsePortMap(fileText);
    checkParsedFile(fromFile, verdict);
    checkNumbering(fromFile, devices, verdict);
    for (const std::string& device : devices) checkPortArgument(device, verdict);
    return verdict.text();
}

}  // namespace pl63::fuzz
