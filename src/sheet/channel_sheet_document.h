#pragma once
// The channel sheet laid out on A4 paper with Qt's own text layout: the one
// layout behind `pl63 print`, the window's print preview and its PDF export.
// Text stays text, in an embedded font with Chinese glyphs, so a PDF of it
// can be searched and copied from.
#include <QString>
#include <memory>
#include <string>

#include "codec/result.h"
#include "report/channel_sheet.h"

class QPagedPaintDevice;
class QTextDocument;

namespace pl63::sheet {

// The sheet as a rich-text document (HTML with escaped texts).
QString channelSheetHtml(const report::ChannelSheet& sheet);

// A document of the sheet in the sheet's font; print it on any paged device.
std::unique_ptr<QTextDocument> channelSheetDocument(const report::ChannelSheet& sheet);

// Paints the sheet on a printer or PDF writer set up by the caller.
void printChannelSheet(const report::ChannelSheet& sheet, QPagedPaintDevice& device);

// The sheet as the bytes of an A4 PDF.
QByteArray channelSheetPdf(const report::ChannelSheet& sheet);

// Writes the PDF through the safe writer (the old file stays on failure).
Status writeChannelSheetPdf(const report::ChannelSheet& sheet, const std::string& path);

}  // namespace pl63::sheet
