#include "nvimage.h"
