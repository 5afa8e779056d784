#include "i18n/caption_catalogue.h"

#include <algorithm>
#include <map>
#include <utility>

#include "i18n/caption_rows.h"

namespace pl63::i18n {
namespace {

struct Section {
    const char* name;
    CaptionTable rows;     // every row
    CaptionTable applied;  // the rows ApplyCaptions writes
};

std::vector<Section> buildSections() {
    std::vector<std::pair<const char*, CaptionTable>> all{
        {"Form1", tables::form1()},
        {"Form2", tables::form2()},
        {"Form4", tables::form4()},
        {"Form5", tables::form5()},
        {"Form6", tables::form6()},
        {"Form7", tables::form7()},
        {"FormUsePass", tables::formUsePass()},
        {"frmAbout", tables::frmAbout()},
        {"Sheet", tables::sheet()},
        {"Steps", tables::steps()},
        {"Commands", tables::commands()},
        {"Page", tables::page()},
        {"Link", tables::linkTexts()},
    };
    std::vector<Section> sections;
    for (auto& [name, rows] : all) {
        CaptionTable applied;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(applied),
                     [](const CaptionRow& row) { return row.applied; });
        sections.push_back({name, std::move(rows), std::move(applied)});
    }
    return sections;
}

const std::vector<Section>& sections() {
    static const std::vector<Section> built = buildSections();
    return built;
}

const Section* section(std::string_view window) {
    for (const Section& s : sections()) {
        if (window == s.name) return &s;
    }
    return nullptr;
}

}  // namespace

const CaptionTable& captionTable(std::string_view window) {
    static const CaptionTable none;
    const Section* found = section(window);
    if (!found || std::find(kCaptionWindowOrder.begin(), kCaptionWindowOrder.end(), window) ==
                      kCaptionWindowOrder.end()) {
        return none;
    }
    return found->applied;
}

const CaptionRow* findCaption(std::string_view window, std::string_view objectName, int index,
                              int element) {
    const Section* found = section(window);
    if (!found) return nullptr;
    for (const CaptionRow& row : found->rows) {
        if (row.objectName == objectName && row.index == index && row.element == element) {
            return &row;
        }
    }
    return nullptr;
}

Bilingual caption(std::string_view window, std::string_view objectName, int index, int element) {
    if (const CaptionRow* row = findCaption(window, objectName, index, element)) return row->text;
    const std::string missing = std::string(window) + "/" + std::string(objectName);
    return {missing, missing};
}

std::vector<Bilingual> listEntries(std::string_view window, std::string_view objectName,
                                   int element) {
    std::vector<const CaptionRow*> entries;
    if (const Section* found = section(window)) {
        for (const CaptionRow& row : found->rows) {
            if (row.target == CaptionTarget::ListEntry && row.objectName == objectName &&
                row.element == element) {
                entries.push_back(&row);
            }
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const CaptionRow* a, const CaptionRow* b) { return a->index < b->index; });
    std::vector<Bilingual> texts;
    for (const CaptionRow* row : entries) texts.push_back(row->text);
    return texts;
}

void forEachCaption(const std::function<void(std::string_view, const CaptionRow&)>& visit) {
    for (const Section& s : sections()) {
        for (const CaptionRow& row : s.rows) visit(s.name, row);
    }
}

}  // namespace pl63::i18n
