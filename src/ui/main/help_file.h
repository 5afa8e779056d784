#pragma once
// The help file, named after the application title: the compiled help
// "PL63.CHM" where one is installed, else our HTML guide "PL63.html", opened
// in the platform's viewer. Looked for beside the program first (the build
// tree, a copied folder), then where `cmake --install` and the package put
// it, PREFIX/share/pl63, found from the program's own folder.
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

namespace pl63::ui {

// The file to open in `folder`; empty when there is none.
QString helpFilePath(const QString& folder);

// The file to open for a program in `programFolder`: beside it, else in the
// share folder of its prefix; empty when there is none.
QString installedHelpFilePath(const QString& programFolder);

// Hands a file to a program that shows it; false when none would take it.
using HelpViewer = std::function<bool(const QUrl&)>;

// Opens the program's help file in `viewer` (empty: the
// platform's viewer); nothing (and no message) when the file is missing.
// When no viewer takes it, a message in the language of `languageFlag` says
// where the guide is, so the user can open it by other means. True when a
// viewer took the file.
bool openHelpFile(QWidget* owner, int languageFlag, const HelpViewer& viewer = {});

}  // namespace pl63::ui
