#include "dummy.h"

Dummy::Dummy() {}

// Defined out of line, not defaulted, so the library exports them as the class's interface.
Dummy &Dummy::operator=(const Dummy &)
{
    return *this;
}

Dummy &Dummy::operator=(Dummy &&)
{
    return *this;
}

QString Dummy::Version()
{
    return QString("V1.0");
}
