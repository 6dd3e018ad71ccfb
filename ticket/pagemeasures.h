#pragma once

// Pages come out with the same dots on every PC only when their text is measured alike
// everywhere. Points become pixels at 96 per inch, as on Windows at its usual scale, rather
// than at the screen's resolution (100 on a screenless platform, anything on a desktop). On
// Windows this also asks Qt for FreeType's glyph measures instead of GDI's (the window
// system's fontengine=freetype option), as Linux has them, and points the screenless platform,
// which reads the faces of one folder, at the system's fonts; a platform or font folder set in
// the environment is kept, and -platform on the command line still decides. Call before the
// application object is made.
void measurePagesAlike();
