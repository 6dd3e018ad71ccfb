#include "devicecommands.h"
