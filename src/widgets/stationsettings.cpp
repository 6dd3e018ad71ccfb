#include "stationsettings.h"
