#include "i18n/caption_tables.h"

#include <map>

#include "i18n/caption_rows.h"

namespace pl63::i18n {

const CaptionTable& captionTable(const QString& windowName) {
    static const std::map<QString, CaptionTable> tables{
        {"Form1", tables::form1()},
        {"Form2", tables::form2()},
        {"Form4", tables::form4()},
        {"Form5", tables::form5()},
        {"Form6", tables::form6()},
        {"Form7", tables::form7()},
        {"FormUsePass", tables::formUsePass()},
        {"frmAbout", tables::frmAbout()},
    };
    static const CaptionTable none;
    const auto found = tables.find(windowName);
    return found == tables.end() ? none : found->second;
}

}  // namespace pl63::i18n
