#include "channel_sheet_document.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>

#include "codec/safe_file.h"

namespace pl63::sheet {
namespace {

// The grid's shading of its even rows (red 192, green 192, blue 255).
constexpr const char* kEvenRowColour = "#C0C0FF";
constexpr const char* kHeaderColour = "#E0E0E0";
constexpr int kPointSize = 10;
constexpr qreal kMarginMm = 15;

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString pairsTable(const report::ChannelSheet::Pairs& pairs) {
    // Two caption-value pairs per line keep the options to half a page.
    QString table = "<table cellspacing='0' cellpadding='3' width='100%' style='margin-bottom:8px'>";
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        table += "<tr>";
        for (std::size_t k = i; k < i + 2; ++k) {
            if (k < pairs.size()) {
                table += "<td width='28%'>" + html(pairs[k].first) + "</td><td width='22%'><b>" +
                         html(pairs[k].second) + "</b></td>";
            } else {
                table += "<td></td><td></td>";
            }
        }
        table += "</tr>";
    }
    return table + "</table>";
}

}  // namespace

QString channelSheetHtml(const report::ChannelSheet& sheet) {
    QString page = "<h2>" + html(sheet.title) + "</h2><p>";
    for (std::size_t i = 0; i < sheet.facts.size(); ++i) {
        if (i > 0) page += " &nbsp;&nbsp;&nbsp; ";
        page += html(sheet.facts[i].first) + ": <b>" + html(sheet.facts[i].second) + "</b>";
    }
    page += "</p><table border='1' cellspacing='0' cellpadding='4' width='99%' "
            "style='margin-bottom:14px'><tr>";
    for (const std::string& header : sheet.gridHeader) {
        page += QString("<th bgcolor='%1' align='center'>").arg(kHeaderColour) + html(header) + "</th>";
    }
    page += "</tr>";
    for (std::size_t row = 0; row < sheet.channels.size(); ++row) {
        // Channel 2, 4, ... 16 shaded as in the grid.
        page += row % 2 == 1 ? QString("<tr bgcolor='%1'>").arg(kEvenRowColour) : QString("<tr>");
        for (const std::string& cell : sheet.channels[row]) {
            page += "<td align='center'>" + html(cell) + "</td>";
        }
        page += "</tr>";
    }
    // Qt's layout drops a heading's top margin after a table: the table keeps
    // the gap below itself instead.
    page += "</table>";
    for (const auto& section : sheet.sections) {
        page += "<h3>" + html(section.title) + "</h3>" + pairsTable(section.values);
    }
    return page;
}

std::unique_ptr<QTextDocument> channelSheetDocument(const report::ChannelSheet& sheet) {
    auto document = std::make_unique<QTextDocument>();
    QFont font;
    // A font with Chinese glyphs first, so the PDF embeds one font for both
    // scripts; Qt falls back through fontconfig when it is missing.
    font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback",
                      "DejaVu Sans"});
    font.setPointSize(kPointSize);
    document->setDefaultFont(font);
    document->setHtml(channelSheetHtml(sheet));
    return document;
}

void printChannelSheet(const report::ChannelSheet& sheet, QPagedPaintDevice& device) {
    auto document = channelSheetDocument(sheet);
    // A document with a page size of its own fills the device's printable
    // area; without one Qt adds margins of its own to the device's.
    constexpr qreal kDocumentPixelsPerPoint = 96.0 / 72.0;
    document->setPageSize(device.pageLayout().paintRect(QPageLayout::Point).size() *
                          kDocumentPixelsPerPoint);
    document->print(&device);
}

QByteArray channelSheetPdf(const report::ChannelSheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                              QPageLayout::Millimeter);
        writer.setTitle(QString::fromStdString(sheet.title));
        writer.setCreator("pl63");
        printChannelSheet(sheet, writer);
    }
    return bytes;
}

Status writeChannelSheetPdf(const report::ChannelSheet& sheet, const std::string& path) {
    const QByteArray pdf = channelSheetPdf(sheet);
    return writeFileSafely(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace pl63::sheet
