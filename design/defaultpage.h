#pragma once

#include <QString>

// What a new page holds: a sample ticket in the interface language.
QString defaultPageHtml();
