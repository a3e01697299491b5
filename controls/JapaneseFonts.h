#pragma once

// The stored layouts name the Windows Japanese fonts ("ＭＳ ゴシック", "ＭＳ Ｐ明朝", …). Where
// they are not installed, each is substituted by the installed font of the same design (gothic or
// mincho, fixed or proportional), so every caption and amount still renders in Japanese.
// Call once, before the first window is created.
void installJapaneseFontSubstitutes();

class QFont;

// The command captions are set in "ＭＳ Ｐ明朝"; the Latin letters of its installed replacement
// run about an eighth wider, which would cut "Clear(Esc)" in the 55-pixel box drawn for it.
// Condenses such a font to the width the captions were laid out for; leaves others alone.
void condenseWideSubstitute(QFont& font);
