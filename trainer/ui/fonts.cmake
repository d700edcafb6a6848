# HBF font reader (neutral) and glyph rendering (Win32).
