#pragma once

class QFont;

namespace norvik {

// The stored layouts name the Windows Japanese fonts ("ＭＳ ゴシック", "ＭＳ Ｐ明朝", …). Where
// they are not installed, each is substituted by the installed font of the same design (gothic or
// mincho, fixed or proportional), so every caption and amount still renders in Japanese.
// Call once, before the first window is created.
void installJapaneseFontSubstitutes();

// Sizes a substituted font (given in pixels) so that texts take the room the layouts drew for
// the Windows face; leaves fonts that are installed under their own name alone.
// - Height: the Windows faces' line, ascent plus descent, is exactly their em; the replacements'
//   is a tenth taller, and their parentheses reach below the line. At the same pixel size a
//   12-pixel caption then needs 14 rows where its box has 13, so the replacement's em is made
//   as much smaller as its line is taller.
// - Width: "ＭＳ Ｐ明朝" sets Latin letters narrower than its half-width cell: the layouts fit
//   "Clear(Esc)" into 48 pixels at height 12. The replacement's proportional Latin is wider
//   than that, so it is condensed until that caption takes the same room.
void matchNamedFaceMetrics(QFont& font);

} // namespace norvik
