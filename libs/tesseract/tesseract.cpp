#include "tesseract.h"

Tesseract::Tesseract() {}

Tesseract &Tesseract::operator=(const Tesseract &)
{
    return *this;
}

Tesseract &Tesseract::operator=(Tesseract &&)
{
    return *this;
}
