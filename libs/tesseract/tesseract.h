#pragma once

#if defined(_WIN32)
#if defined(TESSERACT_LIBRARY)
#define TESSERACT_EXPORT __declspec(dllexport)
#else
#define TESSERACT_EXPORT __declspec(dllimport)
#endif
#else
#define TESSERACT_EXPORT __attribute__((visibility("default")))
#endif

// Needs nothing but the C++ run time, so it carries its own export macro instead of Qt's.
class TESSERACT_EXPORT Tesseract
{
public:
    Tesseract();
    Tesseract &operator=(const Tesseract &other);
    Tesseract &operator=(Tesseract &&other);
};
