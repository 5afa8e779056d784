#pragma once
// Fonts the system says not to hint are drawn unhinted.
//
// Fontconfig marks some fonts "hinting false": Debian's WenQuanYi Micro Hei,
// the Chinese font this program is drawn in on a plain Debian desktop, is one
// (its outlines carry no hints of their own). Cairo and so every GTK program
// honour the mark. Qt 6 reads only the hint style, which stays "slight", and
// runs FreeType's auto-hinter over every Chinese glyph. Before the first
// Chinese text can be measured, the auto-hinter surveys the whole
// 30 000-character font; with the glyphs it then hints, that is about a tenth
// of the work between starting the program and seeing its window.
//
// Call once before the QApplication exists: it adds one rule to the process's
// fontconfig configuration that turns "hinting false" into the hint style
// "none", the one knob Qt reads. Fonts without the mark are left alone; the
// desktop's own settings (the Xft resources GNOME hands Qt) still come first.
// Returns false when this platform has no fontconfig or the rule was refused.
namespace pl63::ui {

bool drawUnhintedFontsUnhinted();

}  // namespace pl63::ui
