#pragma once

// Pages come out with the same dots on every system only when their text is laid out with the
// same glyph measures: FreeType's, which Linux uses. On Windows this asks Qt for FreeType instead
// of GDI (the window system's fontengine=freetype option), and points the screenless platform,
// which reads the faces of one folder, at the system's fonts. Call before the application
// object is made; a platform or font folder set in the environment is kept, and -platform on
// the command line still decides. Elsewhere it does nothing.
void useFreeTypeGlyphs();
