#pragma once
// The help file beside the program, named after the application title:
// the compiled help "PL63.CHM" where one is installed, else our HTML guide
// "PL63.html", opened in the platform's viewer.
#include <QString>
#include <QWidget>

namespace pl63::ui {

// The file to open in `folder`; empty when there is none.
QString helpFilePath(const QString& folder);

// Opens the help file of the program's folder; nothing (and no message) when
// it is missing. True when a file was handed to the viewer.
bool openHelpFile(QWidget* owner);

}  // namespace pl63::ui
