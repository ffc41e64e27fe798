#pragma once

// Maps the font names the designs use (宋体, 黑体, and the Latin system faces they fall back to)
// onto the installed CJK faces, so that Chinese text renders everywhere, offscreen included.
// Call once at start-up, after the application object exists.
void InstallFontSubstitutes();
