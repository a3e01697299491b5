#pragma once

// The stored layouts name the Windows Japanese fonts ("ＭＳ ゴシック", "ＭＳ Ｐ明朝", …). Where
// they are not installed, each is substituted by the installed font of the same design (gothic or
// mincho, fixed or proportional), so every caption and amount still renders in Japanese.
// Call once, before the first window is created.
void installJapaneseFontSubstitutes();
