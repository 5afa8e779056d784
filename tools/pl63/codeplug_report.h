#pragma once
// The readable form of a codeplug that `pl63 show` prints: the channel grid
// as the window shows it, then every radio-wide option with its caption.
#include <string>

#include "codec/codeplug.h"

namespace pl63::cli {

std::string codeplugReport(const Codeplug& codeplug, Language language);

}  // namespace pl63::cli
