#include "ticketprintdata.h"
