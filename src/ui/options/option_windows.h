#pragma once
// Registers the option windows (Form2, Form4, Form5, Form6, Form7) and the
// password window (FormUsePass) with the window registry, so that
// ApplyCaptions and the menus can create them on first touch.
namespace pl63::ui {

struct AppContext;

void registerOptionWindows(AppContext& context);

}  // namespace pl63::ui
