#pragma once

#include <QString>
#include <QtGlobal>

#if defined(DUMMY_LIBRARY)
#define DUMMY_EXPORT Q_DECL_EXPORT
#else
#define DUMMY_EXPORT Q_DECL_IMPORT
#endif

class DUMMY_EXPORT Dummy
{
public:
    Dummy();
    Dummy &operator=(const Dummy &other);
    Dummy &operator=(Dummy &&other);

    QString Version();
};
