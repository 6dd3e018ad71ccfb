#include "pagepixels.h"
