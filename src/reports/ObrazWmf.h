#pragma once
// Rysunek z figur (w milimetrach) jako obraz RTF: metaplik Windows (WMF) w grupie \pict, który
// czytają edytory tekstu. Czarne linie, groty wypełnione, napisy krojem bezszeryfowym
// o wysokości WysokoscTekstu z polskimi literami w Windows-1250.
#include <string>

#include "common/Figury.h"

// Bajty metapliku (jednostka logiczna 0,01 mm, nagłówek bez nagłówka "placeable").
std::string MetaplikWmf(const tFigury& figury);
// Grupa "{\pict\wmetafile8 …}" do WriteRaw; rozmiar na stronie jak rysunek.
std::string ObrazRtf(const tFigury& figury);
