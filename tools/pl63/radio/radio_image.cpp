#include "radio_image.h"

#include "cli_command.h"
#include "radio_transfer.h"
#include "stop_signals.h"

namespace pl63::cli {

int readRadioImage(const std::string& port, Language language, std::ostream& err,
                   MemoryImage& image) {
    StopSignals stopSignals;
    coreApplication();
    TerminalLink link(language, err);
    TransferRequest request;
    request.port = port;
    request.language = language;
    const int code = runTransfer(link, request, err);
    if (code == ExitOk) image = MemoryImage::fromHex(link.readData());
    return code;
}

}  // namespace pl63::cli
